// Runs every test headless: no display, no sound card, no settings written to the home
// folder. Set here as well as in CTest, because test discovery runs the binary directly.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const auto home = std::filesystem::temp_directory_path() / "marlquin-test-home";
  std::filesystem::create_directories(home);
  setenv("XDG_CONFIG_HOME", home.c_str(), 0);
  std::filesystem::permissions(home, std::filesystem::perms::owner_all);
  setenv("XDG_RUNTIME_DIR", home.c_str(), 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
