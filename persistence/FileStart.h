// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the start of a file, telling a file that cannot be read from an empty one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <system_error>

namespace marlquin {

// The file's first limit bytes (all of it when shorter), or nothing when it cannot be
// opened or read (a folder, say); then reason, when given, says why.
std::optional<std::string> ReadFileStart(const std::string& path, size_t limit,
                                         std::error_code* reason = nullptr);

}  // namespace marlquin
