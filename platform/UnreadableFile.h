// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A broken installation should say what is wrong: each resource that cannot be read is
// named once on standard error with the reason, while the game goes on without it.
#pragma once

#include <string>

namespace marlquin {

// One line for path the first time it is reported. When the file cannot even be opened
// the system's reason is given, otherwise the decoder's.
void ReportUnreadableFile(const std::string& path, const std::string& decoderReason);

}  // namespace marlquin
