// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <sstream>

#include "graphics/DecodeAhead.h"
#include "graphics/GDIPLUSLib.h"
#include "platform/ProgramPath.h"
#include "tests/support/GameTest.h"
#include "tests/support/Pictures.h"

namespace marlquin::test {
namespace {

class DrawingLayer : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    StartGraphics();
    ClearTo(Black);
  }

  // A 7 x 1 picture: red, white, grey (all opaque), magenta, a near-magenta pixel, a
  // half-transparent magenta and a faint orange.
  ImageHandle Strip() {
    const QColor colours[] = {
        QColor(255, 0, 0),   QColor(255, 255, 255),    QColor(128, 128, 128),  QColor(255, 0, 255),
        QColor(254, 0, 255), QColor(255, 0, 255, 128), QColor(200, 100, 50, 3)};
    return LoadImageFile(
        WritePicture(InFolder("strip.png"), 7, 1, [&](int x, int) { return colours[x]; }));
  }
};

TEST_F(DrawingLayer, DrawImageCopiesItsSubRectangleLeavingOutTheKeyAndFadingAllButGreys) {
  const ImageHandle strip = Strip();
  const struct {
    int srcX, w;
    float alpha;
    uint32_t key;
    std::vector<uint32_t> seen;  // from x 9
  } draws[] = {
      {1, 2, 1.0f, NoColorKey, {Black, 0xFFFFFFFF, 0xFF808080, Black}},
      {0, 3, 0.5f, NoColorKey, {Black, 0xFF800000, 0xFFFFFFFF, 0xFF808080, Black}},
      // Faded from its own colour: premultiplied first, it would come out (1, 1, 1).
      {6, 1, 0.5f, NoColorKey, {Black, 0xFF020100, Black}},
      // A part first, then the whole.
      {2, 3, 1.0f, ColorKey, {Black, 0xFF808080, Black, 0xFFFE00FF, Black}},
      {0, 6, 1.0f, ColorKey, {Black, 0xFFFF0000, 0xFFFFFFFF, 0xFF808080, Black, 0xFFFE00FF, Black}},
  };
  int y = 10;
  for (const auto& d : draws) {
    DrawImage(strip, 10, y, d.w, 1, d.srcX, 0, d.alpha, d.key);
    std::vector<uint32_t> seen;
    for (int x = 9; x < 9 + static_cast<int>(d.seen.size()); ++x)
      seen.push_back(BackBufferPixel(x, y));
    EXPECT_EQ(seen, d.seen) << "source x " << d.srcX << ", width " << d.w;
    y += 2;
  }
}

// Plain blits copy opaque areas and skip see-through ones instead of blending them: the
// pixels must be those of one blend of the whole picture, wherever it lands.
TEST_F(DrawingLayer, PlainBlitsGiveThePixelsOfBlendingTheWholePicture) {
  for (int band = 0; band < 20; ++band) {
    const BrushHandle brush = MakeBrush(band * 13, 255 - band * 11, band * 7, 255);
    FillRect(0, static_cast<int16_t>(band * 30), 800, 30, brush);
    DeleteBrush(brush);
  }
  // Two bands with opaque, clear and half-transparent areas side by side, in a different
  // order in each, every area wide enough to be drawn on its own.
  const std::string path = WritePicture(InFolder("parts.png"), 450, 100, [](int x, int y) {
    const int area = x / 150 + (y < 64 ? 0 : 2);
    if (area % 3 == 0) return QColor(x * 3 % 256, y * 2, 200);
    if (area % 3 == 1) return QColor(0, 0, 0, 0);
    return QColor(x % 256, 40, y * 2, (x * 7 + y * 5) % 256);
  });
  const ImageHandle picture = LoadImageFile(path);
  QImage expected = BackBuffer()->copy();
  const QImage source =
      QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&expected);
  const struct {
    QPoint at;
    QRect part;
  } blits[] = {{{-7, 13}, source.rect()},    // off the left edge
               {{500, 560}, source.rect()},  // off the right and bottom edges
               {{300, 300}, {30, 5, 380, 90}}};
  for (const auto& blit : blits) {
    if (blit.part == source.rect()) {
      DrawCached(picture, blit.at.x(), blit.at.y());
    } else {
      DrawImage(picture, blit.at.x(), blit.at.y(), blit.part.width(), blit.part.height(),
                blit.part.x(), blit.part.y(), 1.0f, NoColorKey);
    }
    painter.drawImage(blit.at, source, blit.part);
  }
  painter.end();
  EXPECT_TRUE(*BackBuffer() == expected);
}

// Only wholly opaque areas may be copied and only wholly clear ones skipped: red at alpha
// 254 over white leaves 1/255 of the white, red at alpha 1 adds 1/255 of the red.
TEST_F(DrawingLayer, NearlyOpaqueAndNearlyClearAreasBlendWithWhatIsBeneath) {
  ClearTo(0xFFFFFFFF);
  const struct {
    int alpha;
    uint32_t seen;
  } areas[] = {{255, 0xFFFF0000}, {254, 0xFFFF0101}, {1, 0xFFFFFEFE}, {0, 0xFFFFFFFF}};
  int x = 0;
  for (const auto& area : areas) {
    const std::string name = InFolder(std::to_string(area.alpha) + ".png");
    DrawCached(LoadImageFile(WriteSolidPicture(name, 32, 32, QColor(255, 0, 0, area.alpha))), x, 0);
    EXPECT_EQ(BackBufferPixel(x + 16, 16), area.seen) << "alpha " << area.alpha;
    x += 40;
  }
}

TEST_F(DrawingLayer, ColourArgumentOrdersGiveTheQuotedArgbValues) {
  EXPECT_EQ(MakeColor(128, 0, 255, 255), 0x80FFFF00u);

  ClearTo(0xFF000000);
  FillRect(0, 0, 10, 10, MakeBrush(255, 255, 255, 80));
  EXPECT_EQ(BackBufferPixel(5, 5), 0xFF505050u) << "white at alpha 80 over black";

  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 25, 25, 255);
  ClearTo(0xFFFFFFFF);
  DrawText(10, 10, "MMMM");
  EXPECT_FALSE(ColourBox(0xFF191900, QRect(10, 10, 70, 30)).isEmpty()) << "the ink's own colour";
}

TEST_F(DrawingLayer, GradientBlendsAlongItsLineAndMirrorsBeyondBothEnds) {
  ClearTo(0xFF000000);
  // Over black, a white of alpha a shows as grey a.
  const BrushHandle brush = MakeGradientBrush(0, 210, 0, 390, 0x50FFFFFF, 0xC8FFFFFF);
  FillRect(0, 0, 20, 600, brush);
  auto level = [](int y) { return int(BackBufferPixel(5, y) & 0xFF); };
  EXPECT_NEAR(level(210), 0x50, 2);
  EXPECT_NEAR(level(300), (0x50 + 0xC8) / 2, 2);
  EXPECT_NEAR(level(389), 0xC8, 2);
  EXPECT_NEAR(level(570), 0x50, 2) << "mirrored past the second point";
  EXPECT_NEAR(level(30), 0xC8, 2) << "mirrored before the first point";
  EXPECT_EQ(BackBufferPixel(5, 300), BackBufferPixel(15, 300)) << "varies with y only";
}

TEST_F(DrawingLayer, LinesHaveFlatEndsExactlyAtTheirPoints) {
  DrawLine(0xFFFFFFFF, 6, 100, 50, 200, 50);
  EXPECT_EQ(InkBox(Black, QRect(90, 40, 120, 20)), QRect(QPoint(100, 47), QPoint(199, 52)));
  ClearTo(Black);
  DrawLine(0xFFFFFFFF, 1, 235, 210, 305, 210);
  EXPECT_EQ(InkBox(Black, QRect(230, 205, 80, 10)).top(), 210);
  EXPECT_EQ(InkBox(Black, QRect(230, 205, 80, 10)).height(), 1);
}

TEST_F(DrawingLayer, TextNeedsAFontKeepsTheLastOneWhenAFamilyIsMissingAndIsSixteenPixelsAnEm) {
  SetTextColor(255, 255, 255, 255);
  DrawText(10, 10, "Score");
  EXPECT_TRUE(InkBox(Black, QRect(0, 0, 200, 60)).isEmpty()) << "no font has been set yet";

  SetFont("arial black", 12, Regular);  // family names ignore case
  DrawText(10, 10, "Score");
  const QRect first = InkBox(Black, QRect(0, 0, 200, 60));
  ASSERT_FALSE(first.isEmpty());

  SetFont("No Such Family", 30, Regular);
  ClearTo(Black);
  DrawText(10, 10, "Score");
  EXPECT_EQ(InkBox(Black, QRect(0, 0, 200, 60)), first);

  ClearTo(Black);
  DrawText(10, 10, "");
  EXPECT_TRUE(InkBox(Black, QRect(0, 0, 200, 60)).isEmpty());

  // 12 points is a 16-pixel em: a capital of a heavy face is about 0.72 em high. (Where
  // the lines break and where a line starts, TextGivesThePaintersOwnTextPixels checks.)
  DrawText(10, 10, "H");
  EXPECT_NEAR(InkBox(Black, QRect(0, 0, 60, 60)).height(), 0.72 * 16, 1.5);
}

// Laid-out text is kept from frame to frame: it must still give the painter's own text
// pixels, a sixth of an em in from the left, whatever font, colour and text come along.
TEST_F(DrawingLayer, TextGivesThePaintersOwnTextPixels) {
  std::vector<std::string> installed;
  for (const QString& family : QFontDatabase::families()) installed.push_back(family.toStdString());
  const QString family = QString::fromStdString(ChooseFontFamily("Arial Black", installed).value());
  const struct {
    float points;
    int style;
    const char* text;
  } cases[] = {{12, Regular, "00420"}, {12, Regular, " 12"},       {12, Regular, "Begin New"},
               {16, Bold, "00420"},    {11, Bold, "H\r\nH\nlast"}, {9.5f, Italic, "Loading ..."}};
  int colour = 0;
  for (const auto& c : cases) {
    ClearTo(Black);
    SetFont("Arial Black", c.points, c.style);
    SetTextColor(colour, 255 - colour, 90, 255);
    QImage expected = BackBuffer()->copy();
    DrawText(37, 41, c.text);

    QFont font(family);
    font.setPointSizeF(c.points);
    font.setBold((c.style & Bold) != 0);
    font.setItalic((c.style & Italic) != 0);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.setPen(QColor(90, 255 - colour, colour));
    painter.drawText(QRectF(37 + QFontInfo(font).pixelSize() / 6.0, 41, 4000, 4000),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString(c.text).replace("\r\n", "\n"));
    painter.end();
    EXPECT_TRUE(*BackBuffer() == expected) << c.text;
    colour += 40;
  }
}

TEST_F(DrawingLayer, PointsMapTheWholePictureOntoTheParallelogram) {
  const ImageHandle bar = LoadImageFile(WritePicture(InFolder("bar.png"), 40, 80, [](int, int y) {
    return y < 40 ? QColor(255, 0, 0) : QColor(0, 0, 255);
  }));
  DrawImagePoints(bar, {372, 360}, {412, 360}, {372, 440});
  EXPECT_EQ(InkBox(Black, QRect(300, 300, 200, 200)), QRect(372, 360, 40, 80));
  EXPECT_EQ(BackBufferPixel(380, 370), 0xFFFF0000u);
  EXPECT_EQ(BackBufferPixel(380, 430), 0xFF0000FFu);

  // Turned a quarter counter-clockwise: the top half now lies on the left.
  ClearTo(Black);
  DrawImagePoints(bar, {100, 140}, {100, 100}, {180, 140});
  EXPECT_EQ(BackBufferPixel(110, 120), 0xFFFF0000u);
  EXPECT_EQ(BackBufferPixel(170, 120), 0xFF0000FFu);
}

TEST_F(DrawingLayer, ScaledDrawingStretchesTheSourceWithOpacity) {
  const ImageHandle red = LoadImageFile(WriteSolidPicture(InFolder("red.png"), 100, 75, Qt::red));
  DrawImageScaled(red, 10, 10, 50, 38, 0, 0, 100, 75, 1.0f);
  EXPECT_EQ(InkBox(Black, QRect(0, 0, 200, 200)), QRect(10, 10, 50, 38));
  ClearTo(Black);
  DrawImageScaled(red, 10, 10, 50, 38, 0, 0, 100, 75, 0.5f);
  EXPECT_NEAR(int((BackBufferPixel(30, 30) >> 16) & 0xFF), 128, 2);

  // Partly see-through pixels are smoothed as the painter smooths their premultiplied form.
  const std::string path = WritePicture(InFolder("soft.png"), 50, 40, [](int x, int y) {
    return QColor(x * 5, y * 6, (x * y) % 256, (x * 37 + y * 91) % 256);
  });
  QImage expected = BackBuffer()->copy();
  DrawImageScaled(LoadImageFile(path), 100, 10, 9, 39, 0, 0, 50, 40, 1.0f);
  QPainter painter(&expected);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(
      QRectF(100, 10, 9, 39),
      QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  painter.end();
  EXPECT_TRUE(*BackBuffer() == expected);
}

TEST_F(DrawingLayer, MissingPicturesAndBrushesDrawNothing) {
  EXPECT_EQ(LoadImageFile(InFolder("absent.png")), 0);
  DrawCached(0, 0, 0);
  DrawImage(0, 0, 0, 10, 10, 0, 0, 1.0f, NoColorKey);
  DrawImagePoints(0, {0, 0}, {10, 0}, {0, 10});
  FillRect(0, 0, 10, 10, 0);
  const ImageHandle freed = LoadImageFile(WriteSolidPicture(InFolder("w.png"), 4, 4, Qt::white));
  FreeImage(freed);
  DrawCached(freed, 0, 0);
  EXPECT_TRUE(InkBox(Black, QRect(0, 0, 20, 20)).isEmpty());
}

TEST_F(DrawingLayer, ANewBrushReusesTheNumberOfADeletedOneAndNoOther) {
  const BrushHandle red = MakeBrush(0, 0, 255, 255);
  const BrushHandle deleted = MakeBrush(255, 255, 255, 255);
  const BrushHandle panel = MakeBrush(0, 255, 0, 255);  // alive beside the time bar's
  DeleteBrush(deleted);
  for (int tenthTick = 0; tenthTick < 1000; ++tenthTick) {
    const BrushHandle bar = MakeBrush(0, tenthTick % 230, 255, 128);
    ASSERT_EQ(bar, deleted) << "the table of brushes grows";
    DeleteBrush(bar);
  }
  FillRect(0, 0, 10, 10, red);
  FillRect(10, 0, 10, 10, panel);
  EXPECT_EQ(BackBufferPixel(5, 5), 0xFFFF0000u);
  EXPECT_EQ(BackBufferPixel(15, 5), 0xFF00FF00u);
}

// The worker decodes in order: once blue is loaded, red was decoded before it was changed.
TEST_F(DrawingLayer, APictureDecodedAheadIsTheOneItsFirstLoadGets) {
  const std::string red = WriteSolidPicture(InFolder("red.png"), 2, 2, Qt::red);
  const std::string blue = WriteSolidPicture(InFolder("blue.png"), 2, 2, Qt::blue);
  DecodeAhead({red, blue, InFolder("absent.png")});
  DrawCached(LoadImageFile(blue), 0, 0);
  WriteSolidPicture(red, 2, 2, Qt::green);
  DrawCached(LoadImageFile(red), 2, 0);
  DrawCached(LoadImageFile(red), 4, 0);  // read anew
  EXPECT_EQ(LoadImageFile(InFolder("absent.png")), 0);
  EndDecodingAhead();
  EXPECT_EQ(BackBufferPixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(BackBufferPixel(2, 0), 0xFFFF0000u);
  EXPECT_EQ(BackBufferPixel(4, 0), 0xFF00FF00u);
}

TEST_F(DrawingLayer, EachUnreadablePictureIsReportedOnceOnStandardErrorWithItsReason) {
  const std::string cut = WriteSolidPicture(InFolder("cut.png"), 64, 64, Qt::red);
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
  ::testing::internal::CaptureStderr();
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(LoadImageFile(InFolder("absent.png")), 0);
    EXPECT_EQ(LoadCachedImage(cut), 0);
  }
  std::istringstream report(::testing::internal::GetCapturedStderr());
  std::vector<std::string> lines;
  for (std::string line; std::getline(report, line);) {
    if (line.starts_with("Marlquin: ")) lines.push_back(line);  // not the decoder's own notes
  }
  ASSERT_EQ(lines.size(), 2u) << ::testing::PrintToString(lines);
  EXPECT_TRUE(lines[0].ends_with(InFolder("absent.png") + ": No such file or directory"));
  EXPECT_NE(lines[1].find(cut + ": "), std::string::npos) << lines[1];
  EXPECT_FALSE(lines[1].ends_with(": ")) << "with the reason";
}

TEST(FontChoice, AnInstalledFamilyIsUsedAndTheBundledFaceStandsInOnlyWhereItIsMissing) {
  using Families = std::vector<std::string>;
  const struct {
    const char* requested;
    Families installed;
    std::optional<std::string> chosen;
  } cases[] = {
      {"Arial Black", {"Lato Black", "Arial Black"}, "Arial Black"},
      {"arial black", {"Lato Black", "ARIAL BLACK"}, "ARIAL BLACK"},
      {"Arial black", {"Lato", "Lato Black"}, "Lato Black"},
      {"Arial Black", {"Lato"}, std::nullopt},
      {"No Such Family", {"Lato Black"}, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseFontFamily(c.requested, c.installed), c.chosen) << c.requested;
}

TEST_F(DrawingLayer, ALayerThatCannotStartSaysErrorZeroOneAndDrawsNothing) {
  EXPECT_FALSE(InitGraphics(nullptr, 0, 0));
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "error 01");
  EXPECT_EQ(fake.messages[0].title, "Marlquin");
  EXPECT_EQ(BackBuffer(), nullptr);
  EXPECT_EQ(LoadImageFile(ProgramFile("/res/btnface.png")), 0);
}

using ResourcePaths = GameTest;

TEST_F(ResourcePaths, AnyCaseAndSeparatorReachTheOneResFolder) {
  const std::string bg = InFolder("res/Bg.png");
  for (const char* literal : {"\\Res\\Bg.png", "\\res\\bg.png", "/res/BG.PNG"})
    EXPECT_EQ(ResolveBelow(folder.string(), literal), bg) << literal;
  EXPECT_EQ(ResolveBelow(folder.string(), "\\Res\\sound\\New.wav"), InFolder("res/sound/New.wav"))
      << "a file not yet there keeps the literal's name in the real folder";
}

}  // namespace
}  // namespace marlquin::test
