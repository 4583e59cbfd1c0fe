// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "AssetFiles.h"

namespace marlquin::assetgen::test {
namespace {

// The game's dark text colours: black on the play screen and the menu, 0xFF191900 on the
// high-score table.
const QColor Black{0, 0, 0};
const QColor TableInk{25, 25, 0};
// The contrast for normal text that accessibility guidelines ask for.
constexpr double ReadableContrast = 4.5;

double Linear(double channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(QRgb p) {
  return 0.2126 * Linear(qRed(p)) + 0.7152 * Linear(qGreen(p)) + 0.0722 * Linear(qBlue(p));
}

double Contrast(QRgb a, QRgb b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb Over(QRgb top, QRgb bottom) {
  const double a = qAlpha(top) / 255.0;
  auto mix = [&](int t, int b) { return static_cast<int>(std::lround(t * a + b * (1.0 - a))); };
  return qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
              mix(qBlue(top), qBlue(bottom)));
}

double Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) / 255.0; }

double Luma(QRgb p) { return (0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p)) / 255.0; }

// The mean of an area's pixels, each colour weighted by its alpha.
QRgb Mean(const QImage& image, const QRect& area) {
  return image.copy(area).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
}

double MeanAlpha(const QImage& image, const QRect& area) {
  return qAlpha(Mean(image, area)) / 255.0;
}

double Distance(const QColor& a, const QColor& b) {
  return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// Mean difference of two equally sized areas of pictures, over all four channels, 0..1.
double Difference(const QImage& a, QRect inA, const QImage& b, QRect inB) {
  double sum = 0.0;
  for (int y = 0; y < inA.height(); ++y) {
    for (int x = 0; x < inA.width(); ++x) {
      const QRgb p = a.pixel(inA.left() + x, inA.top() + y),
                 q = b.pixel(inB.left() + x, inB.top() + y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
    }
  }
  return sum / (4.0 * 255.0 * inA.width() * inA.height());
}

// The lowest contrast between the text colour and the frame as the player sees it there:
// drawn over the sea picture.
double WorstContrast(const QImage& frame, const QRect& area, const QColor& ink) {
  const QImage sea = Picture("Bg.png");
  double worst = 1e9;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      worst = std::min(worst, Contrast(Over(frame.pixel(x, y), sea.pixel(x, y)), ink.rgb()));
  return worst;
}

struct Expected {
  std::string name;
  int width, height;
};

TEST(Pictures, EveryPictureDecodesAtTheSizeTheGameAssumes) {
  const Expected sizes[] = {
      {"btnface.png", 300, 80}, {"guiframe.png", 800, 600}, {"pp.png", 16, 16},
      {"ctrl.png", 40, 80},     {"bt1.png", 96, 96},        {"bt2.png", 96, 96},
      {"b.png", 100, 75},       {"lvlup.png", 160, 45},     {"Bg.png", 800, 600},
      {"frame.png", 800, 600},  {"frame1.png", 800, 600},   {"s1.png", 72, 75},
      {"s2.png", 63, 55},       {"s3.png", 27, 37},         {"s4.png", 57, 77},
      {"222.bmp", 58, 58},      {"icon.png", 64, 64},
  };
  for (const Expected& expected : sizes) {
    const QImage picture = Picture(expected.name);
    ASSERT_FALSE(picture.isNull()) << expected.name;
    EXPECT_EQ(picture.size(), QSize(expected.width, expected.height)) << expected.name;
  }
  for (int i = 0; i <= 8; ++i) {
    EXPECT_EQ(Picture("b" + std::to_string(i) + ".png").size(), QSize(30, 30)) << "b" << i;
  }
  const QImage hand = Picture("handicon.png");
  EXPECT_GE(hand.width(), 16);
  EXPECT_GE(hand.height(), 16);
}

TEST(Pictures, BallsAreRoundOnClearCorners) {
  for (int i = 0; i <= 8; ++i) {
    const QImage ball = Picture("b" + std::to_string(i) + ".png");
    for (const QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)}) {
      EXPECT_EQ(Alpha(ball, corner.x(), corner.y()), 0.0) << "b" << i;
    }
    if (i != 7) {
      EXPECT_EQ(Alpha(ball, 15, 8), 1.0) << "b" << i << " is not solid";
    }
  }
}

TEST(Pictures, SixColoursAndTheBombAreFarApartInColour) {
  std::vector<QColor> means;
  for (int i = 0; i <= 6; ++i) {
    const QImage ball = Picture("b" + std::to_string(i) + ".png");
    means.push_back(QColor(Mean(ball, ball.rect())));
  }
  for (size_t a = 0; a < means.size(); ++a)
    for (size_t b = a + 1; b < means.size(); ++b)
      EXPECT_GT(Distance(means[a], means[b]), 70.0) << "b" << a << " and b" << b;
}

// Without colour, the symbol in the middle must still tell the balls apart.
TEST(Pictures, SixColoursDifferInTheirSymbolsAlone) {
  const QRect middle(8, 8, 14, 14);
  std::vector<std::vector<double>> patterns;
  for (int i = 0; i <= 5; ++i) {
    const QImage ball = Picture("b" + std::to_string(i) + ".png");
    std::vector<double> pattern;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
      for (int x = middle.left(); x <= middle.right(); ++x)
        pattern.push_back(Luma(ball.pixel(x, y)));
    // Relative to the ball's own lightness, so that a light and a dark ball with the same
    // symbol would still count as alike.
    double mean = 0.0;
    for (const double v : pattern) mean += v / pattern.size();
    double spread = 0.0;
    for (double& v : pattern) spread += (v - mean) * (v - mean) / pattern.size();
    for (double& v : pattern) v = (v - mean) / std::sqrt(spread);
    patterns.push_back(pattern);
  }
  for (size_t a = 0; a < patterns.size(); ++a) {
    for (size_t b = a + 1; b < patterns.size(); ++b) {
      double difference = 0.0;
      for (size_t k = 0; k < patterns[a].size(); ++k)
        difference += std::abs(patterns[a][k] - patterns[b][k]);
      EXPECT_GT(difference / patterns[a].size(), 0.3) << "b" << a << " and b" << b << " look alike";
    }
  }
}

TEST(Pictures, GuideMarkLetsTheBallShowThroughItsMiddle) {
  const QImage mark = Picture("b7.png");
  EXPECT_LT(MeanAlpha(mark, QRect(11, 11, 9, 9)), 0.25);
  EXPECT_LT(MeanAlpha(mark, QRect(0, 0, 30, 30)), 0.35);
  int visible = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) visible += Alpha(mark, x, y) > 0.6;
  EXPECT_GT(visible, 30) << "the mark itself must still be seen";
}

TEST(Pictures, PlayFrameIsClearOverThePlayfieldAndOpaqueAroundIt) {
  const QImage frame = Picture("guiframe.png");
  const QRect playfield(227, 60, 345, 394);
  // The launcher's socket and the push bar's well reach into the field's lowest row.
  const QRect socket(340, 394, 105, 60), well(540, 424, 32, 30);
  for (int y = playfield.top(); y <= playfield.bottom(); ++y) {
    for (int x = playfield.left(); x <= playfield.right(); ++x) {
      if (socket.contains(x, y) || well.contains(x, y)) continue;
      ASSERT_EQ(qAlpha(frame.pixel(x, y)), 0) << "at " << x << ", " << y;
    }
  }
  for (const QPoint panel :
       {QPoint(15, 100), QPoint(210, 300), QPoint(300, 515), QPoint(590, 360)}) {
    EXPECT_EQ(qAlpha(frame.pixel(panel)), 255) << panel.x() << ", " << panel.y();
  }
  EXPECT_GT(MeanAlpha(frame, QRect(546, 440, 19, 50)), 0.8) << "the push bar needs its well";
}

TEST(Pictures, DarkTextReadsWhereTheGameWritesIt) {
  const QImage play = Picture("guiframe.png"), menu = Picture("frame.png"),
               scores = Picture("frame1.png");
  EXPECT_GT(WorstContrast(play, QRect(100, 20, 66, 20), Black), ReadableContrast) << "score";
  EXPECT_GT(WorstContrast(play, QRect(100, 60, 40, 20), Black), ReadableContrast) << "level";
  EXPECT_GT(WorstContrast(menu, QRect(450, 105, 80, 20), Black), ReadableContrast) << "version";
  EXPECT_GT(WorstContrast(menu, QRect(260, 200, 110, 20), Black), ReadableContrast) << "loading";
  for (int row = 0; row < 5; ++row) {
    const int y = 225 + 22 * row;
    EXPECT_GT(WorstContrast(scores, QRect(250, y, 95, 17), TableInk), ReadableContrast)
        << "name " << row;
    EXPECT_GT(WorstContrast(scores, QRect(353, y, 50, 17), TableInk), ReadableContrast)
        << "score " << row;
    EXPECT_GT(WorstContrast(scores, QRect(410, y, 80, 17), TableInk), ReadableContrast)
        << "date " << row;
  }
}

// Lettering or ornaments behind a button would show as sharp steps between neighbours.
TEST(Pictures, MenuFramesLeaveThePlacesOfTheButtonsPlain) {
  auto largestStep = [](const QImage& frame, const QRect& area) {
    int largest = 0;
    for (int y = area.top(); y < area.bottom(); ++y) {
      for (int x = area.left(); x < area.right(); ++x) {
        const QRgb p = frame.pixel(x, y);
        for (const QRgb q : {frame.pixel(x + 1, y), frame.pixel(x, y + 1)}) {
          largest =
              std::max({largest, std::abs(qGray(p) - qGray(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
      }
    }
    return largest;
  };
  EXPECT_LT(largestStep(Picture("frame.png"), QRect(320, 200, 150, 220)), 16);
  EXPECT_LT(largestStep(Picture("frame1.png"), QRect(320, 450, 150, 40)), 16);
}

// The colour key removes exact magenta only: smoothed edges must not leave pinkish pixels.
TEST(Pictures, PauseIconStandsOnExactMagenta) {
  const QImage icon = Picture("222.bmp");
  const QRgb magenta = qRgb(255, 0, 255);
  EXPECT_EQ(icon.pixel(0, 0), magenta);
  EXPECT_EQ(icon.pixel(57, 57), magenta);
  EXPECT_NE(icon.pixel(29, 29), magenta);
  for (int y = 0; y < 58; ++y) {
    for (int x = 0; x < 58; ++x) {
      const QRgb p = icon.pixel(x, y);
      if (p == magenta) continue;
      EXPECT_GT(std::abs(qRed(p) - 255) + qGreen(p) + std::abs(qBlue(p) - 255), 120)
          << x << ", " << y;
    }
  }
}

// The game fades pictures by scaling the alpha of every pixel that is not a neutral grey.
TEST(Pictures, FadingPicturesHoldNoNeutralGrey) {
  for (const char* name : {"b.png", "lvlup.png"}) {
    const QImage picture = Picture(name);
    int greys = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb p = picture.pixel(x, y);
        greys += qAlpha(p) > 0 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
      }
    }
    EXPECT_EQ(greys, 0) << name;
  }
}

TEST(Pictures, FaceSheetsShowFourDifferentFaces) {
  struct Sheet {
    const char* name;
    int cellWidth, cellHeight;
  };
  for (const Sheet& sheet :
       {Sheet{"btnface.png", 150, 40}, Sheet{"bt1.png", 48, 48}, Sheet{"bt2.png", 48, 48}}) {
    const QImage picture = Picture(sheet.name);
    std::vector<QRect> cells;
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 2; ++column)
        cells.emplace_back(column * sheet.cellWidth, row * sheet.cellHeight, sheet.cellWidth,
                           sheet.cellHeight);
    for (size_t a = 0; a < cells.size(); ++a)
      for (size_t b = a + 1; b < cells.size(); ++b)
        EXPECT_GT(Difference(picture, cells[a], picture, cells[b]), 0.01)
            << sheet.name << " cells " << a << ", " << b;
  }
}

// Black 12-point captions are drawn on the faces, in their upper part.
TEST(Pictures, ButtonFacesAreLightBehindTheirCaptions) {
  const QImage faces = Picture("btnface.png");
  for (const QPoint cell : {QPoint(0, 0), QPoint(150, 0), QPoint(0, 40), QPoint(150, 40)}) {
    EXPECT_GT(WorstContrast(faces, QRect(cell + QPoint(25, 7), QSize(100, 18)), Black), 7.0)
        << "face at " << cell.x() << ", " << cell.y();
  }
}

TEST(Pictures, HandPointsWithItsFingertipAtTheTopLeft) {
  const QImage hand = Picture("handicon.png");
  double tip = 0.0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) tip = std::max(tip, Alpha(hand, x, y));
  EXPECT_GT(tip, 0.5);
  EXPECT_EQ(Alpha(hand, hand.width() - 1, 0), 0.0);
  EXPECT_EQ(Alpha(hand, 0, hand.height() - 1), 0.0);
}

TEST(Pictures, LauncherPointsUpAndCradlesTheBallAtItsPivot) {
  const QImage launcher = Picture("ctrl.png");
  EXPECT_GT(Alpha(launcher, 20, 2), 0.5) << "tip";
  EXPECT_EQ(Alpha(launcher, 20, 64), 0.0) << "the waiting ball sits at the pivot";
  double asymmetry = 0.0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 20; ++x)
      asymmetry += std::abs(Alpha(launcher, x, y) - Alpha(launcher, 39 - x, y));
  EXPECT_LT(asymmetry / (20 * 80), 0.02) << "the launcher leans";
}

TEST(Pictures, SeaIsOpaqueAndCreaturesAreCutOut) {
  const QImage sea = Picture("Bg.png");
  EXPECT_FALSE(sea.hasAlphaChannel() && MeanAlpha(sea, sea.rect()) < 1.0);
  for (const char* name :
       {"s1.png", "s2.png", "s3.png", "s4.png", "pp.png", "lvlup.png", "b.png"}) {
    const QImage creature = Picture(name);
    const int right = creature.width() - 1, bottom = creature.height() - 1;
    EXPECT_EQ(Alpha(creature, 0, 0) + Alpha(creature, right, 0) + Alpha(creature, 0, bottom) +
                  Alpha(creature, right, bottom),
              0.0)
        << name;
    EXPECT_GT(MeanAlpha(creature, creature.rect()), 0.15) << name << " is nearly empty";
  }
}

TEST(Pictures, DesktopIconsAreTheWindowIconAtEveryThemeSize) {
  const std::filesystem::path theme = std::filesystem::path(MARLQUIN_ASSETGEN_ICON_DIR) / "hicolor";
  const QImage window = Picture("icon.png");
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path file = theme / sizeName / "apps" / "marlquin.png";
    const QImage icon =
        QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(size, size)) << file;
    // Compared at the smallest size, where only the picture itself can differ.
    const auto shrunk = [](const QImage& picture) {
      return picture.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    EXPECT_LT(Difference(shrunk(icon), QRect(0, 0, 16, 16), shrunk(window), QRect(0, 0, 16, 16)),
              8.0 / 255)
        << sizeName;
  }
  EXPECT_EQ(FileBytes(theme / "64x64" / "apps" / "marlquin.png"),
            FileBytes(ResFolder() / "icon.png"));
}

}  // namespace
}  // namespace marlquin::assetgen::test
