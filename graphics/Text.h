// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text in the drawing layer: a current font and colour, which carry over from one screen's
// drawing to the next, and text drawn left-aligned in them. Part of GDIPLUSLib's interface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marlquin {

enum FontStyle : int32_t { Regular = 0, Bold = 1, Italic = 2, Underline = 4, Strikeout = 8 };

// Starts making the bundled face known on a worker. It starts the font database, which
// reads the system's font configuration: the dearest step before the first frame, so the
// window's load runs it beside the pictures' loading. The font database is thread-safe, and
// the first use of a font waits for it.
void RegisterFontAhead();
// Makes the font current; a family that is not installed leaves the current font.
void SetFont(const std::string& family, float points, int32_t style);
// The installed family SetFont uses for a requested name, ignoring case; a family the
// game asks for but the system lacks is stood in for by the face bundled in res/fonts.
std::optional<std::string> ChooseFontFamily(const std::string& requested,
                                            const std::vector<std::string>& installed);
// Text colour ARGB (alpha c4, red c3, green c2, blue c1).
void SetTextColor(int c1, int c2, int c3, int c4);
// Left-aligned at the layout box's top-left; CR LF or LF starts a new line; no wrapping.
void DrawText(int16_t x, int16_t y, const std::string& text);

}  // namespace marlquin
