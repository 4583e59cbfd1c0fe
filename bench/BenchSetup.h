// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every benchmark needs: a headless Qt application, the scripted platform pointed
// at the build folder (so the real res/ is used) and a silent sound device.
#pragma once

#include "tests/support/FakePlatform.h"
#include "tests/support/Recorders.h"

namespace marlquin::bench {

struct BenchSetup {
  BenchSetup();
  test::FakePlatform platform;
  test::EventLog log;
  test::RecordingAudio audio{log};
};

// Created once per process on first use.
BenchSetup& Setup();

}  // namespace marlquin::bench
