// A fixture for the screens: the program folder gets a res/ of plain test pictures (each
// ball a solid colour of its own, frames fully transparent), the drawing layer and the
// five screens are started as the window starts them.
#pragma once

#include <QColor>
#include <cstdint>

#include "tests/support/GameTest.h"

namespace marlquin::test {

class ScreenTest : public GameTest {
 public:
  // The solid colour a ball picture of value 1..9 is drawn with.
  static uint32_t BallColour(int value);
  static constexpr uint32_t SeaColour = 0xFF102040;

  // One tick as the window runs it, without the push check.
  static void Tick();
  // The window's handling of a click at (x, y).
  static void Click(int16_t x, int16_t y);
  static void MoveTo(int16_t x, int16_t y);

 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace marlquin::test
