// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ball on the launcher and in flight. Whenever the aim or the board changes it
// computes the whole flight in advance: positions 16 pixels apart along the aiming ray,
// folded back at the side walls, and the cell it will rest in. A shot then plays the
// positions back three per frame and puts the ball into that cell.
#pragma once

#include <array>
#include <cstdint>

namespace marlquin {

class clsBall {
 public:
  static constexpr int PathCapacity = 151;

  double Speed = 0;  // distance between two path positions
  double X = 0;      // the last position computed (top-left corner, board coordinates)
  double Y = 0;
  bool Flying = false;
  int16_t Color = 0;
  int16_t StepCount = 0;  // stored path positions
  int16_t StepIndex = 0;  // the position shown while flying

  void init(int16_t srx, int16_t sry);
  void NewBall(double angle, int16_t color);
  void GetRote(double angle);
  void Shoot();
  // Abandons a flight without landing, for a game that is replaced while a ball flies.
  void EndFlight() { Flying = false; }
  bool Run();
  int16_t GetStepx(int16_t i) const;
  int16_t GetStepy(int16_t i) const;

  int16_t LandCol() const { return LandCol_; }
  int16_t LandRow() const { return LandRow_; }

 private:
  bool HitTest(int16_t col, int16_t row, int16_t prevCol, int16_t prevRow);

  int16_t Dist = 0;
  int16_t Srx = 0, Sry = 0;
  int16_t PrevCol = 0, PrevRow = 0;
  int16_t Col = 0, Row = 0;
  std::array<int16_t, PathCapacity> StepX{};
  std::array<int16_t, PathCapacity> StepY{};
  int16_t LandCol_ = 0, LandRow_ = 0;
};

extern clsBall Ball;
void ResetBall();  // back to a new object

}  // namespace marlquin
