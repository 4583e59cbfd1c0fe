// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/FrameDamage.h"

#include <optional>

namespace marlquin {
namespace {

// More separate areas than this are drawn as their bounding box: each area draws every
// call that reaches it once more.
constexpr int MostAreas = 24;

// The area grown so that every call it reaches is reached in parts the call may be cut
// into; growing can reach more calls, so it goes on until it stops.
QRegion WithWholeParts(QRegion area, const std::vector<DrawCommand>& calls) {
  for (bool grew = true; grew;) {
    grew = false;
    for (const DrawCommand& call : calls) {
      const QRect bounds = call.Bounds();
      const DrawCommand::Cut cut = call.Cuts();
      if (cut == DrawCommand::Cut::Anywhere || !area.intersects(bounds)) continue;
      QRegion together;
      if (cut == DrawCommand::Cut::Nowhere) together = bounds;
      if (cut == DrawCommand::Cut::BetweenRows) {
        for (const QRect& reached : area.intersected(bounds)) {
          together += QRect(bounds.left(), reached.top(), bounds.width(), reached.height());
        }
      }
      if (!(together - area).isEmpty()) {
        area += together;
        grew = true;
      }
    }
  }
  return area;
}

// One step through both frames' calls: a call of each that is the same (both set), or a
// call only the frame before made (was) or only this frame makes (is).
struct Step {
  std::optional<size_t> was, is;
};

// Calls are looked for this far ahead when the frames part, to find where they meet again.
constexpr size_t Lookahead = 16;

// The frames' calls in order, the same ones side by side wherever they are found: a sprite
// that came or went shifts the calls after it without changing them.
std::vector<Step> Paired(const std::vector<DrawCommand>& before,
                         const std::vector<DrawCommand>& now) {
  std::vector<Step> steps;
  size_t i = 0, j = 0;
  const auto ahead = [](const std::vector<DrawCommand>& calls, size_t from,
                        const DrawCommand& wanted) -> size_t {
    for (size_t k = 1; k <= Lookahead && from + k < calls.size(); ++k) {
      if (calls[from + k] == wanted) return k;
    }
    return 0;
  };
  while (i < before.size() && j < now.size()) {
    if (before[i] == now[j]) {
      steps.push_back({i++, j++});
      continue;
    }
    const size_t came = ahead(now, j, before[i]);  // calls new in this frame before it
    const size_t went = ahead(before, i, now[j]);  // calls of the frame before that went
    if (came != 0 && (went == 0 || came <= went)) {
      for (size_t k = 0; k < came; ++k) steps.push_back({std::nullopt, j++});
    } else if (went != 0) {
      for (size_t k = 0; k < went; ++k) steps.push_back({i++, std::nullopt});
    } else {
      steps.push_back({i++, std::nullopt});
      steps.push_back({std::nullopt, j++});
    }
  }
  while (i < before.size()) steps.push_back({i++, std::nullopt});
  while (j < now.size()) steps.push_back({std::nullopt, j++});
  return steps;
}

}  // namespace

QRegion ChangedArea(const std::vector<DrawCommand>& before, const std::vector<DrawCommand>& now,
                    const QRect& buffer) {
  if (now.empty()) return {};
  if (!now.front().HidesAllOf(buffer)) return QRegion(buffer);

  // Walking back from the last call: what unchanged calls later in the frame cover opaquely
  // cannot show a change made beneath them.
  QRegion changed, hidden;
  const std::vector<Step> steps = Paired(before, now);
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    if (step->was && step->is) {
      hidden += now[*step->is].OpaqueArea();
      continue;
    }
    if (step->was) changed += QRegion(before[*step->was].Bounds()) - hidden;
    if (step->is) changed += QRegion(now[*step->is].Bounds()) - hidden;
  }
  if (changed.rectCount() > MostAreas) changed = changed.boundingRect();
  return WithWholeParts(changed, now);
}

}  // namespace marlquin
