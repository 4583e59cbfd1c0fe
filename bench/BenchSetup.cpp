// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/BenchSetup.h"

#include <QGuiApplication>
#include <cstdlib>

#include "audio/SoundPlayer.h"
#include "platform/Platform.h"

namespace marlquin::bench {

BenchSetup::BenchSetup() {
  platform.programFolder = MARLQUIN_BENCH_FOLDER;
  SetPlatform(&platform);
  SetAudioBackend(&audio);
}

BenchSetup& Setup() {
  static int argc = 1;
  static char name[] = "marlquin_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Never destroyed: at exit it would outlive Qt's own statics and crash.
  [[maybe_unused]] static const QGuiApplication* const application =
      new QGuiApplication(argc, argv);
  static BenchSetup setup;
  return setup;
}

}  // namespace marlquin::bench
