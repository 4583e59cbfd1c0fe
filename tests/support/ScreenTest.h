// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A fixture for the screens: the program folder gets a res/ of plain test pictures (each
// ball a solid colour of its own, frames fully transparent), the drawing layer and the
// five screens are started as the window starts them.
#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>

#include "graphics/GDIPLUSLib.h"
#include "tests/support/GameTest.h"
#include "tests/support/Pictures.h"

namespace marlquin::test {

struct ButtonPlace {
  const char* caption;
  int16_t left, top;
};

class ScreenTest : public GameTest {
 public:
  // The solid colour a ball picture of value 1..9 is drawn with.
  static uint32_t BallColour(int value);
  static constexpr uint32_t SeaColour = 0xFF102040;
  static constexpr uint32_t TableFrameCorner = 0xFF090807;  // frame1.png's top-left 4 x 4
  static constexpr uint32_t DarkOlive = 0xFF191900;         // the window's start-up text colour

  // One tick as the window runs it, without the push check; what it painted is checked
  // against painting the whole frame.
  static void Tick();
  // The window's handling of a click at (x, y).
  static void Click(int16_t x, int16_t y);
  static void MoveTo(int16_t x, int16_t y);
  // Whether the area of the back buffer looks exactly as it does when only `reference` is
  // drawn there over a plain fill of `background` (ARGB).
  static bool AreaLooksLike(const QRect& area, uint32_t background,
                            const std::function<void()>& reference);
  // The same for a text in Arial Black of the given size and ARGB colour at (x, y).
  static bool ShowsText(const QRect& area, uint32_t background, int16_t x, int16_t y,
                        const std::string& text, float points, uint32_t colour);
  // A 150 x 40 text button's up face, and its 12-point caption centred on ten pixels a
  // character.
  static void ExpectButton(const ButtonPlace& button, uint32_t textColour);

 protected:
  // A new game whose board is all colour 1 in rows 0..3, with the two given starting
  // colours' random draws; the play screen is made current.
  void StartGame(double first = 0.0, double second = 0.9);
  void SetUp() override;
};

}  // namespace marlquin::test
