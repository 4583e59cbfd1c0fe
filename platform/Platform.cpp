// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <cstdlib>
#include <stdexcept>

namespace marlquin {
namespace {

Platform* current = nullptr;

}  // namespace

Platform& platform() {
  if (current == nullptr) throw std::logic_error("no platform installed");
  return *current;
}

void SetPlatform(Platform* implementation) { current = implementation; }

}  // namespace marlquin
