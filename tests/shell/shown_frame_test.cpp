#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <vector>

#include "shell/ShownFrame.h"

namespace marlquin::test {
namespace {

constexpr QRgb Sea = 0xFF103050;
constexpr QRgb Fish = 0xFFF0A020;
const QRegion Whole(0, 0, 800, 600);

QImage SeaFrame() {
  QImage frame(800, 600, QImage::Format_ARGB32_Premultiplied);
  frame.fill(Sea);
  return frame;
}

std::vector<QRect> Rects(const QRegion& region) { return {region.begin(), region.end()}; }

TEST(ShownFrame, TheFirstFrameIsShownWholeAndAnUnchangedOneNotAtAll) {
  ShownFrame shown;
  const QImage frame = SeaFrame();
  EXPECT_EQ(shown.Take(frame, Whole), QRegion(0, 0, 800, 600));
  EXPECT_TRUE(shown.Take(frame, Whole).isEmpty());
  EXPECT_EQ(shown.Picture().pixel(799, 599), Sea);
}

struct Change {
  const char* what;
  std::vector<QRect> painted;   // fish drawn on the sea, after a frame of plain sea
  std::vector<QRect> expected;  // the area reported as changed
};

TEST(ShownFrame, ReportsEachBandOfChangedRowsAsWideAsItsChanges) {
  const std::vector<Change> changes{
      {"one pixel", {{0, 0, 1, 1}}, {{0, 0, 1, 1}}},
      {"a sprite", {{300, 200, 40, 30}}, {{300, 200, 40, 30}}},
      {"the far corner", {{790, 590, 10, 10}}, {{790, 590, 10, 10}}},
      {"the rows of two sprites widen one band",
       {{100, 100, 20, 20}, {500, 110, 30, 30}},
       {{100, 100, 430, 40}}},
      {"a narrow row below a wide one", {{100, 100, 300, 2}, {200, 102, 5, 5}}, {{100, 100, 300, 7}}},
      {"a wide row below a narrow one", {{200, 100, 5, 5}, {100, 105, 300, 2}}, {{100, 100, 300, 7}}},
      {"a short gap is bridged", {{10, 10, 5, 5}, {10, 30, 5, 5}}, {{10, 10, 5, 25}}},
      {"a long gap parts the bands",
       {{10, 10, 5, 5}, {600, 31, 5, 5}},
       {{10, 10, 5, 5}, {600, 31, 5, 5}}},
      {"the whole frame", {{0, 0, 800, 600}}, {{0, 0, 800, 600}}},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    ShownFrame shown;
    QImage frame = SeaFrame();
    shown.Take(frame, Whole);
    {
      QPainter painter(&frame);
      for (const QRect& rect : change.painted) painter.fillRect(rect, QColor::fromRgba(Fish));
    }
    EXPECT_EQ(Rects(shown.Take(frame, Whole)), change.expected);
    EXPECT_EQ(shown.Picture().convertToFormat(QImage::Format_ARGB32_Premultiplied), frame);
    EXPECT_TRUE(shown.Take(frame, Whole).isEmpty());
  }
}

TEST(ShownFrame, FollowsASpriteAcrossFramesLeavingNoTrail) {
  ShownFrame shown;
  QImage sea = SeaFrame();
  shown.Take(sea, Whole);
  for (int x = 0; x < 200; x += 7) {
    QImage frame = sea;
    QPainter(&frame).fillRect(x, 300, 20, 20, QColor::fromRgba(Fish));
    const QRegion changed = shown.Take(frame, Whole);
    EXPECT_TRUE(changed.boundingRect().contains(QRect(x, 300, 20, 20)));
    EXPECT_EQ(shown.Picture().convertToFormat(QImage::Format_ARGB32_Premultiplied), frame);
  }
}

}  // namespace
}  // namespace marlquin::test
