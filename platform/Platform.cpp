// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <cstdlib>
#include <stdexcept>

namespace marlquin {
namespace {

Platform* current = nullptr;

}  // namespace

std::string CutToWholeCharacters(std::string text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = maxBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

Platform& platform() {
  if (current == nullptr) throw std::logic_error("no platform installed");
  return *current;
}

void SetPlatform(Platform* implementation) { current = implementation; }

}  // namespace marlquin
