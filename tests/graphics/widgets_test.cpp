// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/GDIPLUSLib.h"
#include "graphics/clsGChkBox.h"
#include "graphics/clsTButton.h"
#include "tests/support/GameTest.h"
#include "tests/support/Pictures.h"

namespace marlquin::test {
namespace {

class Widgets : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    StartGraphics();
  }

  // The window's part of every mouse event: the cursor is reset first.
  static void Move(clsWidget& widget, int16_t x, int16_t y) {
    ResetCursor();
    widget.MouseMove(x, y);
  }
};

TEST_F(Widgets, AReleaseOverTheButtonIsAClickWhereverThePressWas) {
  clsTButton button;
  button.init(150, 40, "Pause");
  button.SetLocation(38, 240);

  Move(button, 300, 300);
  button.MouseDown();
  EXPECT_FALSE(button.Pressed()) << "a press away from the button does not press it";
  Move(button, 100, 260);
  EXPECT_TRUE(button.MouseUp());

  button.MouseDown();
  EXPECT_TRUE(button.Pressed());
  Move(button, 300, 300);
  EXPECT_FALSE(button.MouseUp());
  EXPECT_FALSE(button.Pressed());

  // Every edge is outside; one pixel in is inside.
  for (const QPoint edge :
       {QPoint(38, 260), QPoint(188, 260), QPoint(100, 240), QPoint(100, 280)}) {
    Move(button, int16_t(edge.x()), int16_t(edge.y()));
    EXPECT_FALSE(button.Hovered()) << edge.x() << "," << edge.y();
  }
  Move(button, 39, 241);
  EXPECT_TRUE(button.Hovered());
}

TEST_F(Widgets, CaptionsCentreOnTenPixelsPerCharacterRoundedHalfToEven) {
  auto captionX = [](int16_t width, const char* caption) {
    clsTButton button;
    button.init(width, 40, caption);
    button.SetLocation(40, 0);
    return button.CaptionX();
  };
  EXPECT_EQ(captionX(100, "abc"), 75);
  EXPECT_EQ(captionX(100, "abcd"), 70);
  EXPECT_EQ(captionX(101, "abcd"), 70) << "70.5 rounds to the even 70";
  EXPECT_EQ(captionX(103, "abcd"), 72) << "71.5 rounds to the even 72";
}

TEST_F(Widgets, TheCheckBoxFlipsAtThePressAndAReleaseElsewhereKeepsIt) {
  clsGChkBox box;
  box.init(InFolder("none.png"), 48, 48);
  box.SetLocation(40, 500);
  Move(box, 60, 520);
  box.MouseDown();
  EXPECT_EQ(box.Checked, 1);
  Move(box, 300, 300);
  EXPECT_FALSE(box.MouseUp());
  EXPECT_EQ(box.Checked, 1);
  Move(box, 60, 520);
  box.MouseDown();
  EXPECT_EQ(box.Checked, 0);
}

TEST_F(Widgets, TheHoveredWidgetOwnsTheHandAndTheSystemPointerHides) {
  clsTButton first, second;
  first.init(150, 40, "One");
  first.SetLocation(0, 0);
  second.init(150, 40, "Two");
  second.SetLocation(0, 100);
  EXPECT_NE(first.OwnerId(), second.OwnerId());

  ResetCursor();
  first.MouseMove(10, 10);
  second.MouseMove(10, 10);
  EXPECT_EQ(HandOwner, first.OwnerId());
  EXPECT_FALSE(fake.pointerVisible) << "another widget releasing does not show the pointer";
  EXPECT_EQ(HandX, 10);

  ResetCursor();
  first.MouseMove(10, 50);
  second.MouseMove(10, 50);
  EXPECT_EQ(HandOwner, 0);
  EXPECT_TRUE(fake.pointerVisible);

  first.MouseMove(10, 10);
  first.MouseMove(10, 50);  // off again with no reset between: the widget gives the hand up
  EXPECT_EQ(HandOwner, 0);
  EXPECT_TRUE(fake.pointerVisible);

  SetHand(first.OwnerId(), 0, 5, 5);
  ReleaseHand(second.OwnerId());
  EXPECT_FALSE(fake.pointerVisible);
  ReleaseHand(first.OwnerId());
  EXPECT_TRUE(fake.pointerVisible);
}

TEST_F(Widgets, FacesComeFromTheSheetCellOfHoverAndPressAndTheHoverUnderlines) {
  // Four faces of one colour each: away/up red, over/up green, away/down blue, over/down white.
  const QColor faces[2][2] = {{Qt::red, Qt::green}, {Qt::blue, Qt::white}};
  const ImageHandle sheet = LoadImageFile(WritePicture(
      InFolder("sheet.png"), 300, 80, [&](int x, int y) { return faces[y / 40][x / 150]; }));
  clsTButton button;
  button.init(150, 40, "Save", sheet);
  button.SetLocation(100, 100);
  button.Draw();
  EXPECT_EQ(InkBox(0xFFFF0000, QRect(100, 100, 150, 40)), QRect()) << "all red; no font: no text";
  // While hovered, the caption is underlined in translucent yellow, 6 pixels about top + 30,
  // as wide as ten pixels a character from the caption's start.
  Move(button, 120, 120);
  button.Draw();
  EXPECT_EQ(InkBox(0xFF00FF00, QRect(100, 100, 150, 40)), QRect(155, 127, 40, 6));
  const uint32_t underline = BackBufferPixel(160, 130);
  EXPECT_NEAR(int((underline >> 16) & 0xFF), 0x80, 1) << "half yellow over the green face";
  EXPECT_EQ(underline & 0xFFFF, 0xFF00u);
  button.MouseDown();
  button.Draw();
  EXPECT_EQ(BackBufferPixel(105, 105), 0xFFFFFFFFu);

  clsTButton defaultFace;
  defaultFace.init(150, 40, "X", 0);
  defaultFace.SetLocation(0, 300);
  defaultFace.Draw();
  EXPECT_NE(BackBufferPixel(20, 320), 0u) << "the shared face over the clear buffer";
}

}  // namespace
}  // namespace marlquin::test
