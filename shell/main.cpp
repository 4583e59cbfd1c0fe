// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Marlquin: opens the game window and runs its frame loop until the game ends.
// Signals keep the action the game was started with: a logout, Ctrl+C or kill ends it at
// once, as closing its window does (nothing is saved), and a signal that whoever started
// it ignored (nohup, a shell's background job) stays ignored. SDL's own handlers, which
// would catch them instead, are kept off where the sound device is opened.
#include <QApplication>
#include <cstdlib>

#include "shell/Form1.h"
#include "shell/QtPlatform.h"
#include "shell/ResourceFolder.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  marlquin::QtPlatform platform;
  marlquin::SetPlatform(&platform);
  if (!marlquin::CheckResourceFolder()) return EXIT_FAILURE;
  marlquin::Form1 window;
  platform.SetWindow(&window, window.PictureArea());
  window.Form_Load();
  window.show();
  return application.exec();
}
