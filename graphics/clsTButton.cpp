// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/clsTButton.h"

#include "core/Rounding.h"
#include "graphics/HandCursor.h"

namespace marlquin {
namespace {

constexpr int PixelsPerCharacter = 10;
constexpr int CaptionDrop = 5;     // caption top below the button's top
constexpr int UnderlineDrop = 30;  // underline below the button's top
constexpr float UnderlineWidth = 6;
constexpr uint32_t UnderlineColor = 0x80FFFF00;

int CharacterCount(const std::string& text) {
  int count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;  // UTF-8 lead bytes
  return count;
}

}  // namespace

void clsTButton::init(int16_t width, int16_t height, const std::string& cap, ImageHandle sur) {
  SetFace(width, height, sur >= 1 ? sur : ButtonFace());
  caption = cap;
}

int16_t clsTButton::CaptionX() const {
  return RoundToInt16((Wid - PixelsPerCharacter * CharacterCount(caption)) / 2.0 + m_Left);
}

void clsTButton::Draw() {
  DrawFace(pressed);
  const int16_t textX = CaptionX();
  DrawText(textX, static_cast<int16_t>(m_top + CaptionDrop), caption);
  if (hovered == 1) {
    const float lineY = static_cast<float>(m_top + UnderlineDrop);
    DrawLine(UnderlineColor, UnderlineWidth, textX, lineY,
             static_cast<float>(textX + PixelsPerCharacter * CharacterCount(caption)), lineY);
    DrawHand();
  }
}

}  // namespace marlquin
