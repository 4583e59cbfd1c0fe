#include "graphics/FrameDamage.h"

#include <algorithm>

namespace marlquin {
namespace {

// More separate areas than this are drawn as their bounding box: each area draws every
// call that reaches it once more.
constexpr int MostAreas = 24;

// The area grown by what must be painted together with each part of a call it reaches;
// growing can reach more calls, so it goes on until it stops.
QRegion WithWholeParts(QRegion area, const std::vector<DrawCommand>& calls) {
  for (bool grew = true; grew;) {
    grew = false;
    for (const DrawCommand& call : calls) {
      QRegion together;
      for (const QRect& reached : area.intersected(call.Bounds())) {
        together += call.PaintedWith(reached);
      }
      if (!(together - area).isEmpty()) {
        area += together;
        grew = true;
      }
    }
  }
  return area;
}

}  // namespace

QRegion ChangedArea(const std::vector<DrawCommand>& before, const std::vector<DrawCommand>& now,
                    const QRect& buffer) {
  if (now.empty()) return {};
  if (!now.front().HidesAllOf(buffer)) return QRegion(buffer);

  // Walking back from the last call: what unchanged calls later in the frame cover opaquely
  // cannot show a change made beneath them.
  QRegion changed, hidden;
  const auto differs = [&](const DrawCommand& call) { changed += QRegion(call.Bounds()) - hidden; };
  const auto stays = [&](const DrawCommand& call) { hidden += call.OpaqueArea(); };
  if (before.size() == now.size()) {
    // The same number of calls: each pair stands for itself.
    for (size_t i = now.size(); i-- > 0;) {
      if (before[i] == now[i]) {
        stays(now[i]);
      } else {
        differs(before[i]);
        differs(now[i]);
      }
    }
  } else {
    // Calls came or went: everything between the common start and the common end.
    const size_t shorter = std::min(before.size(), now.size());
    size_t head = 0;
    while (head < shorter && before[head] == now[head]) ++head;
    size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) {
      ++tail;
    }
    for (size_t i = 0; i < tail; ++i) stays(now[now.size() - 1 - i]);
    for (size_t i = head; i < before.size() - tail; ++i) differs(before[i]);
    for (size_t i = head; i < now.size() - tail; ++i) differs(now[i]);
  }
  if (changed.rectCount() > MostAreas) changed = changed.boundingRect();
  return WithWholeParts(changed, now);
}

}  // namespace marlquin
