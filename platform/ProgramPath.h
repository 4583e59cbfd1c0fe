// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a literal such as "\Res\Bg.png" or "/res/btnface.png" into a path in the program's
// folder. The literals differ in case and separator; on a case-sensitive file system each
// part is matched against what is really there, ignoring case.
#pragma once

#include <string>

namespace marlquin {

// Program folder + literal, with each existing component spelled as on disk. Components
// that do not exist yet (a file about to be created) keep the literal's spelling.
std::string ProgramFile(const std::string& literal);

// Whether two names are the same but for the case of their ASCII letters.
bool SameIgnoringCase(const std::string& a, const std::string& b);

// The same resolution below any folder (used by ProgramFile; tests use it directly).
std::string ResolveBelow(const std::string& folder, const std::string& literal);

}  // namespace marlquin
