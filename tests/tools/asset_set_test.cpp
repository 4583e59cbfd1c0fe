// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "AssetFiles.h"

namespace marlquin::assetgen::test {
namespace {

namespace fs = std::filesystem;

// Every file the game opens, with the letter case it uses, plus the window icon. Each of
// the build's own is decoded by the Pictures and Sounds tests.
const std::set<std::string> ExpectedFiles = {
    "btnface.png",      "handicon.png", "b0.png",       "b1.png",       "b2.png",
    "b3.png",           "b4.png",       "b5.png",       "b6.png",       "b7.png",
    "b8.png",           "guiframe.png", "pp.png",       "ctrl.png",     "bt1.png",
    "bt2.png",          "b.png",        "lvlup.png",    "Bg.png",       "frame.png",
    "frame1.png",       "s1.png",       "s2.png",       "s3.png",       "s4.png",
    "222.bmp",          "icon.png",     "sound/gp.mp3", "sound/wb.mp3", "sound/BOMB.wav",
    "sound/poppao.wav",
};

// The files of a generated folder, relative to it, without the build's own additions.
std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string relative = fs::relative(entry.path(), folder).generic_string();
    if (entry.is_regular_file() && relative != ".generated" && !relative.starts_with("fonts/")) {
      files.insert(relative);
    }
  }
  return files;
}

TEST(AssetSet, TwoRunsWriteTheSameFilesByteForByte) {
  const fs::path first = GenerateInto("first", MARLQUIN_ASSETGEN_FONT);
  const fs::path second = GenerateInto("second", MARLQUIN_ASSETGEN_FONT);
  ASSERT_TRUE(fs::exists(first) && fs::exists(second)) << "the generator failed";
  EXPECT_EQ(FilesIn(first), ExpectedFiles);
  EXPECT_EQ(FilesIn(second), ExpectedFiles);
  for (const std::string& name : FilesIn(first))
    EXPECT_TRUE(FileBytes(first / name) == FileBytes(second / name)) << name << " differs";
  fs::remove_all(first);
  fs::remove_all(second);
}

TEST(AssetSet, MissingFontFileStillGivesTheWholeSet) {
  const fs::path folder = GenerateInto("no-font", "/nonexistent/font.ttf");
  ASSERT_TRUE(fs::exists(folder)) << "the generator failed without its font";
  EXPECT_EQ(FilesIn(folder), ExpectedFiles);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace marlquin::assetgen::test
