// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolder.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/Platform.h"
#include "platform/ProgramPath.h"

namespace marlquin {
namespace {

namespace fs = std::filesystem;

constexpr char FolderName[] = "marlquin";
constexpr char SaveFolderName[] = "save";

// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or relative.
std::optional<fs::path> UserDataHome() {
  const std::optional<std::string> xdg = platform().Environment("XDG_DATA_HOME");
  if (xdg && fs::path(*xdg).is_absolute()) return fs::path(*xdg);
  const std::optional<std::string> home = platform().Environment("HOME");
  if (home && !home->empty()) return fs::path(*home) / ".local" / "share";
  return std::nullopt;
}

}  // namespace

std::string DataFolder() {
  const std::string program = platform().ProgramFolder();
  if (platform().CanWriteIn(program)) return program;
  const std::optional<fs::path> home = UserDataHome();
  // Without any home the program folder is the only place left; writing there fails as
  // it would anyway.
  return home ? (*home / FolderName).string() : program;
}

std::string DataFile(const std::string& literal) { return ResolveBelow(DataFolder(), literal); }

std::optional<std::string> MakeDataFolder() {
  const std::string folder = DataFolder();
  std::error_code error;
  fs::create_directories(fs::path(folder) / SaveFolderName, error);
  if (!error) return std::nullopt;
  return "Your high scores and saved games cannot be kept: the folder " + folder +
         " could not be created (" + error.message() + ").";
}

}  // namespace marlquin
