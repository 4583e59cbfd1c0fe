// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/GDIPLUSLib.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "graphics/DrawCommand.h"
#include "graphics/FrameDamage.h"
#include "graphics/Picture.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "platform/UnreadableFile.h"

namespace marlquin {
namespace {

// 96 dots per inch, so that 12 points is a 16-pixel em whatever the screen says.
constexpr int DotsPerMeterAt96Dpi = 3780;

struct FontRequest {
  QString family;  // as installed
  float points = 0;
  int32_t style = 0;
  bool operator==(const FontRequest&) const = default;
};

// Drawing calls are kept until the frame is shown (or its pixels are read), then only the
// area where they differ from the last frame's calls is painted again; elsewhere the buffer
// already holds exactly what painting everything would give.
struct Layer {
  PresentTarget* target = nullptr;
  QImage backBuffer;
  std::unique_ptr<QPainter> painter;
  std::vector<PictureRef> pictures;
  std::vector<std::optional<QBrush>> brushes;
  std::optional<QFont> font;
  FontRequest fontRequest;  // what made font
  QString fontKey;
  double textMargin = 0;
  std::optional<QColor> textColor;
  std::map<std::pair<QString, std::string>, std::shared_ptr<const TextBlock>> laidOutTexts;
  std::vector<DrawCommand> pending;
  std::vector<DrawCommand> drawn;  // the calls that last filled the buffer
  QRegion unshown;                 // painted since the last Present
  std::map<QString, std::optional<QString>> familyLookups;
  ImageHandle buttonFace = 0;
};

Layer& layer() {
  static Layer state;
  return state;
}

QPainter* Painter() { return layer().painter.get(); }

PictureRef Find(ImageHandle image) {
  auto& pictures = layer().pictures;
  if (image < 1 || static_cast<size_t>(image) > pictures.size()) return nullptr;
  return pictures[static_cast<size_t>(image) - 1];
}

// A frame never shown is still painted after this many calls, so that they cannot pile up.
constexpr size_t MostPendingCalls = 4096;

void Paint() {
  Layer& state = layer();
  if (state.pending.empty()) return;
  const QRect buffer = state.backBuffer.rect();
  const QRegion changed = ChangedArea(state.drawn, state.pending, buffer);
  for (const DrawCommand& command : state.pending) command.Paint(*state.painter, changed);
  state.unshown += changed;
  std::swap(state.drawn, state.pending);  // the next frame's calls reuse the old list's room
  state.pending.clear();
}

void Record(DrawCall call) {
  Layer& state = layer();
  if (!state.painter) return;
  state.pending.emplace_back(std::move(call), state.backBuffer.rect());
  if (state.pending.size() >= MostPendingCalls) Paint();
}

QColor Argb(uint32_t argb) { return QColor::fromRgba(argb); }

// The bundled faces that stand in for families this game asks for where they are missing.
const std::map<QString, QString>& Substitutes() {
  static const std::map<QString, QString> table{{"arial black", "Lato Black"}};
  return table;
}

void RegisterBundledFont() {
  static bool registered = false;
  if (registered) return;
  const std::string path = ProgramFile("/res/fonts/Lato-Black.ttf");
  registered = QFontDatabase::addApplicationFont(QString::fromStdString(path)) >= 0;
  if (!registered) ReportUnreadableFile(path, "not a font");
}

std::optional<QString> InstalledFamily(const std::string& requested) {
  const QString wanted = QString::fromStdString(requested).toLower();
  auto& cache = layer().familyLookups;
  if (auto hit = cache.find(wanted); hit != cache.end()) return hit->second;

  std::vector<std::string> installed;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::styles(family).isEmpty()) installed.push_back(family.toStdString());
  }
  std::optional<QString> found;
  if (auto chosen = ChooseFontFamily(requested, installed)) found = QString::fromStdString(*chosen);
  cache[wanted] = found;
  return found;
}

ImageHandle Load(const std::string& path, PictureUse use) {
  if (!Painter()) return 0;
  QImageReader reader(QString::fromStdString(path));
  QImage decoded = reader.read();
  if (decoded.isNull()) {
    ReportUnreadableFile(path, reader.errorString().toStdString());
    return 0;
  }
  layer().pictures.push_back(std::make_shared<Picture>(std::move(decoded), use));
  return static_cast<ImageHandle>(layer().pictures.size());
}

// Hinting may move an outline by up to a pixel.
constexpr qreal HintingShift = 1;

// Where the lines' letters can leave ink, from their outlines and their boxes (underlines
// and strike-outs lie within the boxes).
QRectF InkArea(const QTextLayout& layout, const QFontMetricsF& metrics) {
  QRectF ink;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const QString text = layout.text().mid(line.textStart(), line.textLength());
    ink |= line.naturalTextRect();
    ink |= metrics.tightBoundingRect(text).translated(line.position() + QPointF(0, line.ascent()));
  }
  return ink.adjusted(-HintingShift, -HintingShift, HintingShift, HintingShift);
}

// The same few texts come every frame; the score makes new ones, so the kept layouts are
// dropped together when there are this many.
constexpr size_t MostLaidOutTexts = 64;

// Left-aligned lines as the painter lays out a text box: each line starts on a whole
// pixel, the font's leading below the one before. CR LF or LF starts a new line.
std::shared_ptr<const TextBlock> LaidOut(const std::string& text) {
  Layer& state = layer();
  auto& texts = state.laidOutTexts;
  auto key = std::make_pair(state.fontKey, text);
  if (auto hit = texts.find(key); hit != texts.end()) return hit->second;
  if (texts.size() >= MostLaidOutTexts) texts.clear();
  QString lines = QString::fromStdString(text);
  lines.replace("\r\n", "\n").replace('\r', '\n').replace('\n', QChar::LineSeparator);
  QImage* device = &state.backBuffer;
  const QFont font(*state.font, device);
  auto block = std::make_shared<TextBlock>();
  QTextLayout& layout = block->layout;
  layout.setText(lines);
  layout.setFont(font);
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::ManualWrap);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  const QFontMetricsF metrics(font, device);
  const qreal leading = metrics.leading();
  qreal height = -leading;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(0x01000000);
    height = std::ceil(height + leading);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  block->ink = InkArea(layout, metrics);
  return texts.emplace(std::move(key), std::move(block)).first->second;
}

// A deleted brush's number is given out again: the play screen replaces its time bar's
// brush every tenth tick, and the table would otherwise grow for as long as a game runs.
BrushHandle Keep(QBrush brush) {
  auto& brushes = layer().brushes;
  auto slot = std::find(brushes.begin(), brushes.end(), std::nullopt);
  if (slot == brushes.end()) slot = brushes.emplace(slot);
  *slot = std::move(brush);
  return static_cast<BrushHandle>(slot - brushes.begin() + 1);
}

}  // namespace

bool InitGraphics(PresentTarget* target, int32_t width, int32_t height) {
  Layer& state = layer();
  state.painter.reset();  // the painter must let go of the old buffer before it is replaced
  state = Layer{};
  QImage buffer;
  if (QGuiApplication::instance() != nullptr && width > 0 && height > 0) {
    buffer = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
  }
  if (buffer.isNull()) {
    platform().MessageBox("error 01", ProgramName, Platform::Buttons::Ok, Platform::Icon::None);
    return false;
  }
  buffer.fill(Qt::transparent);
  buffer.setDotsPerMeterX(DotsPerMeterAt96Dpi);
  buffer.setDotsPerMeterY(DotsPerMeterAt96Dpi);
  state.target = target;
  state.backBuffer = std::move(buffer);
  state.painter = std::make_unique<QPainter>(&state.backBuffer);
  RegisterBundledFont();
  state.buttonFace = LoadImageFile(ProgramFile("/res/btnface.png"));
  return true;
}

void Present() {
  Layer& state = layer();
  if (!state.painter) return;
  Paint();
  if (state.target) state.target->ShowFrame(state.backBuffer, state.unshown);
  state.unshown = QRegion();
}

ImageHandle LoadImageFile(const std::string& path) { return Load(path, PictureUse::Any); }

ImageHandle LoadCachedImage(const std::string& path) { return Load(path, PictureUse::Plain); }

void FreeImage(ImageHandle image) {
  auto& pictures = layer().pictures;
  if (image >= 1 && static_cast<size_t>(image) <= pictures.size()) {
    pictures[static_cast<size_t>(image) - 1].reset();  // frames still drawing it keep it
  }
}

void DrawCached(ImageHandle image, int32_t x, int32_t y) {
  PictureRef picture = Find(image);
  if (!picture) return;
  const QRect whole = picture->pixels.rect();
  Record(PlainBlit{std::move(picture), QPoint(x, y), whole});
}

void DrawImage(ImageHandle image, int32_t x, int32_t y, int32_t w, int32_t h, int32_t srcX,
               int32_t srcY, float alpha, uint32_t key) {
  PictureRef picture = Find(image);
  if (!picture) return;
  const QRect wanted(srcX, srcY, w, h);
  const QRect source = wanted.intersected(picture->pixels.rect());
  if (source.isEmpty()) return;
  const QPoint at(x + source.x() - srcX, y + source.y() - srcY);
  if (key == NoColorKey && alpha == 1.0f) {
    Record(PlainBlit{std::move(picture), at, source});
  } else if (alpha == 1.0f) {
    Record(KeyedBlit{std::move(picture), at, source, key});
  } else {
    Record(FadedBlit{std::move(picture), at, source, alpha, key});
  }
}

void DrawImageRect(ImageHandle image, const Rect32& destination, int32_t srcX, int32_t srcY,
                   float alpha, uint32_t key) {
  DrawImage(image, destination.left, destination.top, destination.right - destination.left,
            destination.bottom - destination.top, srcX, srcY, alpha, key);
}

void DrawImageScaled(ImageHandle image, int32_t dx, int32_t dy, int32_t dw, int32_t dh, int32_t sx,
                     int32_t sy, int32_t sw, int32_t sh, float alpha) {
  PictureRef picture = Find(image);
  if (!picture || dw <= 0 || dh <= 0) return;
  const QRect source = QRect(sx, sy, sw, sh).intersected(picture->pixels.rect());
  if (source.isEmpty()) return;
  Record(ScaledBlit{std::move(picture), QRect(dx, dy, dw, dh), source, alpha});
}

void DrawImagePoints(ImageHandle image, Point32 topLeft, Point32 topRight, Point32 bottomLeft) {
  PictureRef picture = Find(image);
  if (!picture) return;
  const double w = picture->pixels.width();
  const double h = picture->pixels.height();
  const QTransform map((topRight.x - topLeft.x) / w, (topRight.y - topLeft.y) / w,
                       (bottomLeft.x - topLeft.x) / h, (bottomLeft.y - topLeft.y) / h, topLeft.x,
                       topLeft.y);
  Record(MappedBlit{std::move(picture), map});
}

std::optional<std::string> ChooseFontFamily(const std::string& requested,
                                            const std::vector<std::string>& installed) {
  auto find = [&](const QString& name) -> std::optional<std::string> {
    for (const std::string& family : installed) {
      if (QString::fromStdString(family).compare(name, Qt::CaseInsensitive) == 0) return family;
    }
    return std::nullopt;
  };
  const QString wanted = QString::fromStdString(requested);
  if (auto found = find(wanted)) return found;
  const auto sub = Substitutes().find(wanted.toLower());
  return sub != Substitutes().end() ? find(sub->second) : std::nullopt;
}

void SetFont(const std::string& family, float points, int32_t style) {
  Layer& state = layer();
  if (!Painter()) return;
  const std::optional<QString> installed = InstalledFamily(family);
  if (!installed || points <= 0) return;
  // Screens set their fonts every frame, in any case of letters: making the same font
  // again is the costly part.
  FontRequest request{*installed, points, style};
  if (state.font && state.fontRequest == request) return;
  QFont font(*installed);
  font.setPointSizeF(points);
  font.setBold((style & Bold) != 0);
  font.setItalic((style & Italic) != 0);
  font.setUnderline((style & Underline) != 0);
  font.setStrikeOut((style & Strikeout) != 0);
  state.font = font;
  state.fontKey = font.key();
  state.fontRequest = std::move(request);
  // A sixth of an em before the first letter, as text layout boxes traditionally pad.
  state.textMargin = QFontInfo(font).pixelSize() / 6.0;
}

void SetTextColor(int c1, int c2, int c3, int c4) {
  layer().textColor = QColor(c3 & 0xFF, c2 & 0xFF, c1 & 0xFF, c4 & 0xFF);
}

void DrawText(int16_t x, int16_t y, const std::string& text) {
  Layer& state = layer();
  if (!Painter() || !state.font || !state.textColor || text.empty()) return;
  Record(TextDraw{LaidOut(text), *state.textColor, QPointF(x + state.textMargin, y)});
}

uint32_t MakeColor(int a1, int a2, int a3, int a4) {
  return (uint32_t(a1 & 0xFF) << 24) | (uint32_t(a4 & 0xFF) << 16) | (uint32_t(a3 & 0xFF) << 8) |
         uint32_t(a2 & 0xFF);
}

BrushHandle MakeBrush(int p1, int p2, int p3, int p4) {
  return Keep(QBrush(QColor(p3 & 0xFF, p2 & 0xFF, p1 & 0xFF, p4 & 0xFF)));
}

BrushHandle MakeGradientBrush(float x1, float y1, float x2, float y2, uint32_t color1,
                              uint32_t color2) {
  QLinearGradient gradient(QPointF(x1, y1), QPointF(x2, y2));
  gradient.setColorAt(0, Argb(color1));
  gradient.setColorAt(1, Argb(color2));
  gradient.setSpread(QGradient::ReflectSpread);
  return Keep(QBrush(gradient));
}

void DeleteBrush(BrushHandle brush) {
  auto& brushes = layer().brushes;
  if (brush >= 1 && static_cast<size_t>(brush) <= brushes.size()) {
    brushes[static_cast<size_t>(brush) - 1].reset();
  }
}

void FillRect(int32_t x, int32_t y, int16_t w, int16_t h, BrushHandle brush) {
  auto& brushes = layer().brushes;
  if (!Painter() || w <= 0 || h <= 0 || brush < 1 || static_cast<size_t>(brush) > brushes.size())
    return;
  const auto& slot = brushes[static_cast<size_t>(brush) - 1];
  if (slot) Record(RectFill{QRect(x, y, w, h), *slot});
}

void DrawLine(uint32_t color, float width, float x1, float y1, float x2, float y2) {
  Record(LineDraw{QPen(Argb(color), width, Qt::SolidLine, Qt::FlatCap),
                  QLineF(QPointF(x1, y1), QPointF(x2, y2))});
}

ImageHandle ButtonFace() { return layer().buttonFace; }

const QImage* BackBuffer() {
  Layer& state = layer();
  if (!state.painter) return nullptr;
  Paint();
  return &state.backBuffer;
}

void RedrawWholeFrame() {
  Layer& state = layer();
  if (!state.painter) return;
  Paint();
  const QRegion whole(state.backBuffer.rect());
  for (const DrawCommand& command : state.drawn) command.Paint(*state.painter, whole);
}

uint32_t BackBufferPixel(int x, int y) {
  const QImage* buffer = BackBuffer();
  if (!buffer || !buffer->rect().contains(x, y)) return 0;
  return buffer->pixel(x, y);
}

}  // namespace marlquin
