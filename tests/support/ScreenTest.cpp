// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ScreenTest.h"

#include <unistd.h>

#include <filesystem>
#include <string>

#include "graphics/GDIPLUSLib.h"
#include "graphics/HandCursor.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"
#include "tests/support/Pictures.h"

namespace marlquin::test {
namespace {

namespace fs = std::filesystem;

void WriteTestPictures(const fs::path& res) {
  fs::create_directories(res / "sound");
  auto at = [&](const std::string& name) { return (res / name).string(); };
  for (int i = 0; i < 9; ++i) {
    WriteSolidPicture(at("b" + std::to_string(i) + ".png"), 30, 30,
                      QColor::fromRgba(ScreenTest::BallColour(i + 1)));
  }
  WriteSolidPicture(at("Bg.png"), 800, 600, QColor::fromRgba(ScreenTest::SeaColour));
  for (const char* frame : {"guiframe.png", "frame.png"}) {
    WriteSolidPicture(at(frame), 800, 600, Qt::transparent);
  }
  WritePicture(at("frame1.png"), 800, 600, [](int x, int y) {
    return x < 4 && y < 4 ? QColor::fromRgb(ScreenTest::TableFrameCorner) : QColor(Qt::transparent);
  });
  WriteSolidPicture(at("ctrl.png"), 40, 80, QColor(200, 200, 200));
  WriteSolidPicture(at("pp.png"), 16, 16, QColor(0, 255, 255));
  WriteSolidPicture(at("b.png"), 100, 75, QColor(255, 128, 0));
  WriteSolidPicture(at("lvlup.png"), 160, 45, QColor(255, 255, 0));
  WriteSolidPicture(at("handicon.png"), 8, 8, QColor(1, 2, 3));
  WritePicture(at("btnface.png"), 300, 80,
               [](int x, int y) { return QColor(200 + 20 * (x / 150), 200 + 20 * (y / 40), 200); });
  for (const char* toggle : {"bt1.png", "bt2.png"}) {
    WritePicture(at(toggle), 96, 96,
                 [](int x, int y) { return QColor(40 * (x / 48), 40 * (y / 48), 90); });
  }
  for (int i = 1; i <= 4; ++i) {
    WriteSolidPicture(at("s" + std::to_string(i) + ".png"), 20, 20, Qt::transparent);
  }
  WritePicture(at("222.bmp"), 64, 64, [](int x, int y) {
    return x >= 10 && x < 48 && y >= 10 && y < 48 ? QColor(255, 0, 0) : QColor(255, 0, 255);
  });
  fs::create_directory_symlink(fs::path(MARLQUIN_TEST_RES_DIR) / "fonts", res / "fonts");
}

// The pictures are written once for the whole run; each test's folder links to them.
const fs::path& TestPictures() {
  static const struct Folder {
    fs::path path = fs::temp_directory_path() / ("marlquin-pictures-" + std::to_string(getpid()));
    Folder() { WriteTestPictures(path / "res"); }
    ~Folder() {
      std::error_code ignored;
      fs::remove_all(path, ignored);
    }
  } folder;
  return folder.path;
}

}  // namespace

uint32_t ScreenTest::BallColour(int value) {
  return 0xFF000000u | static_cast<uint32_t>(value * 25) << 16 | 0x80u << 8 |
         static_cast<uint32_t>(255 - value * 20);
}

void ScreenTest::SetUp() {
  GameTest::SetUp();
  fs::remove(folder / "res");
  fs::create_directory_symlink(TestPictures() / "res", folder / "res");
  StartGraphics();
  Startup();
  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 25, 25, 255);
}

void ScreenTest::StartGame(double first, double second) {
  std::vector<double> draws(44, 0.0);
  draws.push_back(first);
  draws.push_back(second);
  ScriptRandom(draws);
  NewGame();
  CurScreen = ScreenPlay;
}

void ScreenTest::Tick() {
  Screens[CurScreen]->Draw();
  ExpectTheWholeFrame("a tick");
}

void ScreenTest::MoveTo(int16_t x, int16_t y) {
  ResetCursor();
  Screens[CurScreen]->MouseMove(x, y);
}

void ScreenTest::Click(int16_t x, int16_t y) {
  MoveTo(x, y);
  ResetCursor();
  Screens[CurScreen]->MouseDown();
  ResetCursor();
  Screens[CurScreen]->MouseUp();
}

bool ScreenTest::AreaLooksLike(const QRect& area, uint32_t background,
                               const std::function<void()>& reference) {
  const QImage seen = BackBuffer()->copy(area);
  const BrushHandle fill = MakeBrush(background & 0xFF, background >> 8 & 0xFF,
                                     background >> 16 & 0xFF, background >> 24);
  FillRect(area.x(), area.y(), static_cast<int16_t>(area.width()),
           static_cast<int16_t>(area.height()), fill);
  DeleteBrush(fill);
  reference();
  return BackBuffer()->copy(area) == seen;
}

bool ScreenTest::ShowsText(const QRect& area, uint32_t background, int16_t x, int16_t y,
                           const std::string& text, float points, uint32_t colour) {
  return AreaLooksLike(area, background, [&] {
    SetFont("Arial Black", points, Regular);
    SetTextColor(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF, colour >> 24);
    DrawText(x, y, text);
  });
}

void ScreenTest::ExpectButton(const ButtonPlace& button, uint32_t textColour) {
  SCOPED_TRACE(button.caption);
  constexpr uint32_t UpFace = 0xFFC8C8C8;  // the test sheet's pointer-away, up cell
  EXPECT_EQ(BackBufferPixel(button.left + 1, button.top + 1), UpFace);
  EXPECT_EQ(BackBufferPixel(button.left + 148, button.top + 38), UpFace);
  EXPECT_NE(BackBufferPixel(button.left + 150, button.top + 20), UpFace);
  const auto captionX =
      static_cast<int16_t>(button.left + 75 - 5 * std::string(button.caption).size());
  EXPECT_TRUE(ShowsText(QRect(button.left + 2, button.top + 2, 146, 36), UpFace, captionX,
                        static_cast<int16_t>(button.top + 5), button.caption, 12, textColour));
}

}  // namespace marlquin::test
