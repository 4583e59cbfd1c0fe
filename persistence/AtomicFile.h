// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file so that it is either wholly replaced or left as it was.
#pragma once

#include <optional>
#include <string>
#include <system_error>

namespace marlquin {

// Writes bytes to a temporary file beside path and renames it over path. On any failure
// the temporary file is removed, path is untouched and the reason is returned; an empty
// error code means the file was written.
std::error_code WriteFileAtomically(const std::string& path, const std::string& bytes);

// Renames whatever stands at path (a file, a folder, a link) to path + "." + label + "-" +
// today's date and time, adding "-2", "-3"... rather than replace anything. The new name,
// or nothing with error saying why.
std::optional<std::string> MoveAside(const std::string& path, const std::string& label,
                                     std::error_code& error);

}  // namespace marlquin
