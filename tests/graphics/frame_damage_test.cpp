// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>

#include "graphics/FrameDamage.h"
#include "graphics/GDIPLUSLib.h"
#include "tests/support/GameTest.h"
#include "tests/support/Pictures.h"

namespace marlquin::test {
namespace {

// The rule on its own, with an opaque 800 x 600 sea and small sprites.
class FrameDamageRule : public ::testing::Test {
 protected:
  static PictureRef Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return std::make_shared<Picture>(image);
  }
  static DrawCommand At(const PictureRef& picture, int x, int y) {
    return DrawCommand(PlainBlit{picture, QPoint(x, y), picture->pixels.rect()}, Buffer);
  }
  // A frame that begins with the sea.
  std::vector<DrawCommand> Sea(std::initializer_list<DrawCommand> calls) const {
    std::vector<DrawCommand> frame{At(sea, 0, 0)};
    frame.insert(frame.end(), calls);
    return frame;
  }
  struct Case {
    const char* what;
    std::vector<DrawCommand> before, now;
    QRegion area;  // that changed
  };
  static void ExpectChangedAreas(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(ChangedArea(c.before, c.now, Buffer), c.area) << c.what;
  }

  static inline const QRect Buffer{0, 0, 800, 600};
  PictureRef sea = Filled(800, 600, QColor(16, 48, 80));
  PictureRef fish = Filled(40, 20, QColor(240, 160, 32, 128));
  PictureRef rock = Filled(200, 200, QColor(90, 90, 90));  // opaque, a separate part
  PictureRef glass = Filled(200, 200, QColor(255, 255, 255, 60));
};

TEST_F(FrameDamageRule, OnlyCallsThatChangedMarkTheirOldAndNewPlaces) {
  ExpectChangedAreas({
      {"the first frame", {}, Sea({At(fish, 10, 10)}), QRegion(Buffer)},
      {"nothing changed", Sea({At(fish, 10, 10)}), Sea({At(fish, 10, 10)}), QRegion()},
      {"a sprite moved", Sea({At(fish, 10, 10), At(fish, 500, 300)}),
       Sea({At(fish, 14, 10), At(fish, 500, 300)}), QRegion(10, 10, 44, 20)},
      {"a sprite came in the middle", Sea({At(fish, 10, 10), At(fish, 500, 300)}),
       Sea({At(fish, 10, 10), At(fish, 100, 100), At(fish, 500, 300)}), QRegion(100, 100, 40, 20)},
      {"a sprite came while a later one moved: the unchanged calls between them stay",
       Sea({At(fish, 10, 10), At(rock, 50, 50), At(fish, 500, 300)}),
       Sea({At(fish, 10, 10), At(fish, 300, 100), At(rock, 50, 50), At(fish, 504, 300)}),
       QRegion(300, 100, 40, 20) + QRegion(500, 300, 44, 20)},
      {"a sprite went, the last", Sea({At(fish, 10, 10), At(fish, 500, 300)}),
       Sea({At(fish, 10, 10)}), QRegion(500, 300, 40, 20)},
  });
}

TEST_F(FrameDamageRule, UnchangedOpaqueCallsHideChangesBeneathThemOnAWholeBufferFirstCall) {
  ExpectChangedAreas({
      {"a move beneath an unchanged opaque picture is hidden",
       Sea({At(fish, 100, 100), At(rock, 50, 50)}), Sea({At(fish, 120, 100), At(rock, 50, 50)}),
       QRegion()},
      {"only the part beside it shows", Sea({At(fish, 240, 100), At(rock, 50, 50)}),
       Sea({At(fish, 250, 100), At(rock, 50, 50)}), QRegion(250, 100, 40, 20)},
      {"see-through glass hides nothing", Sea({At(fish, 100, 100), At(glass, 50, 50)}),
       Sea({At(fish, 120, 100), At(glass, 50, 50)}), QRegion(100, 100, 60, 20)},
      {"an opaque picture hides only what lies beneath it, not what it moved from",
       Sea({At(rock, 50, 50), At(fish, 100, 100)}), Sea({At(rock, 60, 50), At(fish, 100, 100)}),
       QRegion(50, 50, 210, 200)},
      {"without a clean slate everything is painted",
       {At(fish, 10, 10)},
       {At(fish, 10, 10)},
       QRegion(Buffer)},
  });
}

// Each kind of call, moved or changed a little from one frame to the next or kept still,
// over a sea and under a see-through sprite that moves, in many small steps.
class FrameDamageCalls : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    StartGraphics();
    sea = LoadImageFile(WritePicture(InFolder("sea.png"), 800, 600, [](int x, int y) {
      return QColor(x % 256, y % 256, (x + y) % 256);
    }));
    // Soft edges all round and a hard diagonal.
    sprite = LoadImageFile(WritePicture(InFolder("sprite.png"), 37, 23, [](int x, int y) {
      const int edge = std::min({x, y, 36 - x, 22 - y});
      return QColor(250, 40 + 5 * y, x * 6, x > y ? std::min(255, 60 * edge + 20) : 0);
    }));
    keyed = LoadImageFile(WritePicture(InFolder("keyed.png"), 30, 20, [](int x, int) {
      return x < 15 ? QColor(255, 0, 255) : QColor(0, 90, 0);  // half of it the key colour
    }));
    SetFont("Arial Black", 12, Italic);
    SetTextColor(30, 200, 250, 255);
    glow = MakeGradientBrush(190, 0, 260, 40, 0x80FF8000, 0x200000FF);
    fall = MakeGradientBrush(0, 185, 0, 215, 0x80FF8000, 0x200000FF);
    shade = MakeBrush(20, 40, 60, 100);
  }
  struct Kind {
    const char* what;
    std::function<void(int)> call;
  };
  void ExpectWholeFrames(const std::vector<Kind>& kinds) {
    for (const Kind& kind : kinds) {
      for (int step = 0; step < 24 && !HasFailure(); ++step) Frame(kind.call, step, kind.what);
    }
  }
  void Frame(const std::function<void(int step)>& call, int step, const std::string& what) {
    DrawCached(sea, 0, 0);
    call(step);
    DrawImage(sprite, 150 + 4 * step, 200, 37, 23, 0, 0, 0.5f, NoColorKey);
    Present();
    ExpectTheWholeFrame(what + ", step " + std::to_string(step));
  }

  ImageHandle sea = 0, sprite = 0, keyed = 0;
  BrushHandle glow = 0, fall = 0, shade = 0;
};

TEST_F(FrameDamageCalls, EachKindOfCallLeavesTheWholeFrameAsItMoves) {
  ExpectWholeFrames({
      {"plain", [&](int i) { DrawCached(sprite, 190 + i, 195 + i / 3); }},
      {"keyed", [&](int i) { DrawImage(sprite, 190 + i, 195, 30, 20, i % 5, 1, 1.0f, ColorKey); }},
      {"faded",
       [&](int i) { DrawImage(sprite, 190 + i, 195, 37, 23, 0, 0, 0.3f + i * 0.02f, NoColorKey); }},
      {"scaled",
       [&](int i) {
         DrawImageScaled(sprite, 180 + i, 190, 40 + i % 7, 25 + i % 4, 0, 0, 37, 23, 1.0f);
       }},
      {"turned",
       [&](int i) {
         const double a = i * 0.13;
         const int x = 210 + i, y = 205;
         DrawImagePoints(
             sprite, {x, y},
             {x + static_cast<int>(37 * std::cos(a)), y + static_cast<int>(37 * std::sin(a))},
             {x - static_cast<int>(23 * std::sin(a)), y + static_cast<int>(23 * std::cos(a))});
       }},
      {"text",
       [&](int i) { DrawText(static_cast<int16_t>(180 + i), 200, i % 2 ? "W0f/Q" : "j@W_"); }},
      {"large slanted text",
       [&](int i) {
         SetFont("Arial Black", 40, Italic);
         DrawText(static_cast<int16_t>(180 + i), 180, i % 2 ? "fjy\r\nAV" : "jfW");
       }},
      {"gradient", [&](int i) { FillRect(170 + i, 190 + i % 3, 60, 30, glow); }},
      {"fill", [&](int i) { FillRect(170 + i, 190, static_cast<int16_t>(20 + i % 9), 30, shade); }},
      {"line",
       [&](int i) { DrawLine(0xC0FFFFFF, 1.5f + i % 3, 180.5f + i, 190, 240, 210.25f + i); }},
  });
}

// A still call that the moving sprite crosses, covers or uncovers, or that a change lies
// beneath: the calls that cannot be cut anywhere are painted whole where the change reaches.
TEST_F(FrameDamageCalls, StillCallsAChangeCrossesOrLiesBeneathLeaveTheWholeFrame) {
  ExpectWholeFrames({
      {"still gradient", [&](int) { FillRect(170, 190, 60, 30, glow); }},
      {"still downward gradient", [&](int) { FillRect(170, 190, 60, 30, fall); }},
      {"still scaled", [&](int) { DrawImageScaled(sprite, 180, 190, 67, 29, 0, 0, 37, 23, 1.0f); }},
      {"still turned",
       [&](int) {
         DrawImagePoints(sprite, {210, 195}, {240, 215}, {197, 214});
       }},
      {"still line across the sprite",
       [&](int) { DrawLine(0xC0FFFFFF, 2.5f, 120, 190, 260, 216); }},
      {"beneath a still keyed picture",
       [&](int i) {
         FillRect(170 + i, 195, 30, 20, shade);
         DrawImage(keyed, 175, 190, 30, 20, 0, 0, 1.0f, ColorKey);
       }},
  });
}

}  // namespace
}  // namespace marlquin::test
