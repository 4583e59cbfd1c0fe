// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every test headless: no display, no sound card, no settings written to the home
// folder. Set here as well as in CTest, because test discovery runs the binary directly.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::string home =
      (std::filesystem::temp_directory_path() / "marlquin-test-home-XXXXXX").string();
  if (mkdtemp(home.data()) == nullptr) return 1;  // private (0700) and this run's own
  setenv("XDG_CONFIG_HOME", home.c_str(), 0);
  setenv("XDG_RUNTIME_DIR", home.c_str(), 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return result;
}
