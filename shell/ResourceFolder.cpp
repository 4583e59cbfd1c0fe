// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ResourceFolder.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/Platform.h"
#include "platform/ProgramPath.h"

namespace marlquin {

bool CheckResourceFolder() {
  const std::string folder = ProgramFile("/res");
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return true;
  platform().MessageBox("The game's pictures and sounds were not found: the folder " + folder +
                            " is missing. Please install the game again.",
                        ProgramName, Platform::Buttons::Ok, Platform::Icon::Warning);
  return false;
}

}  // namespace marlquin
