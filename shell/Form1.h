// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's only window: the 800 x 600 picture area every frame is copied into, the
// 22 ms frame timer that drives all animation and rules, and the raw input. Mouse
// events go to the current screen; the aiming keys and the wheel are handled here.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class Form1 final : public QWidget, public PresentTarget {
  Q_OBJECT

 public:
  static constexpr int TickMilliseconds = 22;
  static constexpr int16_t KeySpace = 32;
  static constexpr int16_t KeyLeft = 37;
  static constexpr int16_t KeyRight = 39;

  Form1();

  void Form_Load();
  void Timer1_Timer();
  void Form_KeyDown(int16_t keyCode);
  // A vertical wheel step of the given delta; held is any button or modifier key down.
  void PictureWheelProc(int delta, bool held);
  void Picture1_MouseMove(float x, float y);
  void Picture1_MouseDown();
  void Picture1_MouseUp();
  void Form_Unload();

  QWidget* PictureArea() const { return picture; }

  void ShowFrame(const QImage& frame, const QRegion& changed) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Turns the launcher by change steps within its limits and aims the waiting ball anew.
  void Aim(double change);

  QWidget* picture = nullptr;
  QTimer Timer1;
  bool ticking = false;
};

}  // namespace marlquin
