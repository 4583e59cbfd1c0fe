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

std::string DataFileToRead(const std::string& literal) {
  const std::string own = DataFile(literal);
  std::error_code error;
  return fs::exists(fs::symlink_status(own, error)) ? own : ProgramFile(literal);
}

std::optional<std::string> SavedGamesFolder() {
  const fs::path data = DataFolder();
  std::optional<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(data, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code notFolder;
    if (SameIgnoringCase(name, SavedGamesName) && it->is_directory(notFolder) &&
        (!found || name == SavedGamesName)) {
      found = it->path();
    }
  }
  if (found) return found->string();
  if (fs::exists(fs::symlink_status(data / SavedGamesName, error))) return std::nullopt;
  return (data / SavedGamesName).string();
}

MadeFolders MakeFolders(const std::string& folder) {
  MadeFolders result;
  std::error_code error;
  // A dangling link is there too: it is no folder to make, and no folder to take away.
  for (fs::path missing = folder;
       !missing.empty() && !fs::exists(fs::symlink_status(missing, error));
       missing = missing.parent_path()) {
    result.made.push_back(missing.string());
  }
  fs::create_directories(folder, error);
  if (error) {
    result.failure = "the folder " + folder + " could not be created (" + error.message() + ")";
  }
  return result;
}

void MadeFolders::RemoveWhereEmpty() const {
  std::error_code ignored;  // a folder that is not empty stays
  for (const std::string& folder : made) fs::remove(folder, ignored);
}

}  // namespace marlquin
