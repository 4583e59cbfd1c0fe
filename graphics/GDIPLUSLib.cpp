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
#include <vector>

#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "platform/UnreadableFile.h"

namespace marlquin {
namespace {

// 96 dots per inch, so that 12 points is a 16-pixel em whatever the screen says.
constexpr int DotsPerMeterAt96Dpi = 3780;

// A decoded picture: the straight-alpha pixels for colour keys and opacity, the
// premultiplied copy for blending, and for plain blits the picture split into the parts
// that need blending and the opaque parts, which are copied from an RGB32 twin (the
// painter copies those line by line); see-through parts are skipped. Drawn together the
// parts give exactly the pixels of one blend of the whole picture. A picture drawn with a
// colour key keeps its keyed copy, made on first use.
struct Picture {
  QImage straight;
  QImage premultiplied;
  QImage opaque;
  std::vector<QRect> copied;
  std::vector<QRect> blended;
  QImage keyed;
  uint32_t keyedWith = NoColorKey;
};

// Square tiles of this side are sorted into see-through, opaque or mixed.
constexpr int TileSide = 16;
// A see-through or opaque run narrower than this is blended with its neighbours: one more
// drawing call costs about as much as blending that many tiles.
constexpr int ShortestSeparateRun = 8 * TileSide;

enum class Coverage { Clear, Opaque, Mixed };

Coverage TileCoverage(const QImage& premultiplied, const QRect& tile) {
  bool clear = true, opaque = true;
  for (int y = tile.top(); y <= tile.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
    for (int x = tile.left(); x <= tile.right(); ++x) {
      const int alpha = qAlpha(line[x]);
      clear = clear && alpha == 0;
      opaque = opaque && alpha == 255;
    }
  }
  return clear ? Coverage::Clear : opaque ? Coverage::Opaque : Coverage::Mixed;
}

// Tiles side by side of one coverage, from x = left to just before right.
struct Run {
  Coverage coverage;
  int left, right;
  bool operator==(const Run&) const = default;
};

std::vector<Run> Joined(const std::vector<Run>& runs) {
  std::vector<Run> joined;
  for (const Run& run : runs) {
    if (!joined.empty() && joined.back().coverage == run.coverage) {
      joined.back().right = run.right;
    } else {
      joined.push_back(run);
    }
  }
  return joined;
}

// What must be drawn of the row of tiles starting at y = top: the see-through runs left
// out, short runs blended with their neighbours.
std::vector<Run> DrawnRuns(const QImage& image, int top) {
  std::vector<Run> tiles;
  for (int left = 0; left < image.width(); left += TileSide) {
    const QRect tile = QRect(left, top, TileSide, TileSide).intersected(image.rect());
    tiles.push_back({TileCoverage(image, tile), left, tile.right() + 1});
  }
  std::vector<Run> runs = Joined(tiles);
  if (runs.size() > 1) {
    for (Run& run : runs) {
      if (run.right - run.left < ShortestSeparateRun) run.coverage = Coverage::Mixed;
    }
  }
  runs = Joined(runs);
  std::erase_if(runs, [](const Run& run) { return run.coverage == Coverage::Clear; });
  return runs;
}

// A row of tiles drawn like the row above extends that row's rectangles downwards.
void SplitIntoParts(Picture& picture) {
  const QImage& image = picture.premultiplied;
  std::vector<Run> above;
  std::vector<QRect> open;
  auto close = [&] {
    for (size_t i = 0; i < above.size(); ++i) {
      (above[i].coverage == Coverage::Opaque ? picture.copied : picture.blended).push_back(open[i]);
    }
  };
  for (int top = 0; top < image.height(); top += TileSide) {
    const std::vector<Run> runs = DrawnRuns(image, top);
    const int bottom = std::min(top + TileSide, image.height()) - 1;
    if (runs == above) {
      for (QRect& part : open) part.setBottom(bottom);
      continue;
    }
    close();
    above = runs;
    open.clear();
    for (const Run& run : runs) {
      open.emplace_back(QPoint(run.left, top), QPoint(run.right - 1, bottom));
    }
  }
  close();
  if (!picture.copied.empty()) picture.opaque = image.convertToFormat(QImage::Format_RGB32);
}

struct Layer {
  PresentTarget* target = nullptr;
  QImage backBuffer;
  std::unique_ptr<QPainter> painter;
  std::vector<std::optional<Picture>> pictures;
  std::vector<std::optional<QBrush>> brushes;
  std::optional<QFont> font;
  double textMargin = 0;
  std::optional<QColor> textColor;
  std::map<std::pair<QString, QString>, std::unique_ptr<QTextLayout>> laidOutTexts;
  std::map<QString, std::optional<QString>> familyLookups;
  ImageHandle buttonFace = 0;
};

Layer& layer() {
  static Layer state;
  return state;
}

QPainter* Painter() { return layer().painter.get(); }

Picture* Find(ImageHandle image) {
  auto& pictures = layer().pictures;
  if (image < 1 || static_cast<size_t>(image) > pictures.size()) return nullptr;
  auto& slot = pictures[static_cast<size_t>(image) - 1];
  return slot ? &*slot : nullptr;
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

bool IsGrey(QRgb pixel) { return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel); }

// The source region with the colour key made transparent and the alpha of every
// non-grey pixel scaled by alpha: greys keep their own alpha.
QImage Tinted(const Picture& picture, const QRect& source, float alpha, uint32_t key) {
  QImage part = picture.straight.copy(source);
  const bool keyed = key != NoColorKey;
  const bool faded = alpha != 1.0f;
  const QRgb keyRgb = key & 0x00FFFFFFu;
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x) {
      QRgb& pixel = line[x];
      if (keyed && (pixel & 0x00FFFFFFu) == keyRgb) {
        pixel = 0;
      } else if (faded && !IsGrey(pixel)) {
        const int a = static_cast<int>(std::lround(qAlpha(pixel) * static_cast<double>(alpha)));
        pixel = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), std::clamp(a, 0, 255));
      }
    }
  }
  return part.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

ImageHandle Load(const std::string& path) {
  if (!Painter()) return 0;
  QImageReader reader(QString::fromStdString(path));
  const QImage decoded = reader.read();
  if (decoded.isNull()) {
    ReportUnreadableFile(path, reader.errorString().toStdString());
    return 0;
  }
  Picture picture;
  picture.straight = decoded.convertToFormat(QImage::Format_ARGB32);
  picture.premultiplied = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  SplitIntoParts(picture);
  layer().pictures.emplace_back(std::move(picture));
  return static_cast<ImageHandle>(layer().pictures.size());
}

// The source rectangle of the picture with its top-left corner at "at", unscaled.
void Blit(const Picture& picture, const QPoint& at, const QRect& source) {
  QPainter* painter = Painter();
  const QPoint offset = at - source.topLeft();
  for (const QRect& part : picture.copied) {
    const QRect piece = part.intersected(source);
    if (!piece.isEmpty()) {
      painter->drawImage(piece.topLeft() + offset, picture.opaque, piece);
    }
  }
  for (const QRect& part : picture.blended) {
    const QRect piece = part.intersected(source);
    if (!piece.isEmpty()) {
      painter->drawImage(piece.topLeft() + offset, picture.premultiplied, piece);
    }
  }
}

// The same few texts come every frame; the score makes new ones, so the kept layouts are
// dropped together when there are this many.
constexpr size_t MostLaidOutTexts = 64;

// Left-aligned lines as the painter lays out a text box: each line starts on a whole
// pixel, the font's leading below the one before.
QTextLayout& LaidOut(const QString& text, const QFont& font) {
  auto& texts = layer().laidOutTexts;
  auto key = std::make_pair(font.key(), text);
  if (auto hit = texts.find(key); hit != texts.end()) return *hit->second;
  if (texts.size() >= MostLaidOutTexts) texts.clear();
  QImage* device = &layer().backBuffer;
  auto layout = std::make_unique<QTextLayout>(text, font, device);
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::ManualWrap);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout->setTextOption(option);
  layout->setCacheEnabled(true);
  const qreal leading = QFontMetricsF(font, device).leading();
  qreal height = -leading;
  layout->beginLayout();
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLineWidth(0x01000000);
    height = std::ceil(height + leading);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout->endLayout();
  return *texts.emplace(std::move(key), std::move(layout)).first->second;
}

BrushHandle Keep(QBrush brush) {
  layer().brushes.emplace_back(std::move(brush));
  return static_cast<BrushHandle>(layer().brushes.size());
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
  if (state.target && state.painter) state.target->ShowFrame(state.backBuffer);
}

ImageHandle LoadImageFile(const std::string& path) { return Load(path); }

// Every picture is held premultiplied, the back buffer's own format, so the cached and
// the ordinary load are the same here.
ImageHandle LoadCachedImage(const std::string& path) { return Load(path); }

void FreeImage(ImageHandle image) {
  auto& pictures = layer().pictures;
  if (image >= 1 && static_cast<size_t>(image) <= pictures.size()) {
    pictures[static_cast<size_t>(image) - 1].reset();
  }
}

void DrawCached(ImageHandle image, int32_t x, int32_t y) {
  const Picture* picture = Find(image);
  if (!picture) return;
  Blit(*picture, QPoint(x, y), picture->premultiplied.rect());
}

void DrawImage(ImageHandle image, int32_t x, int32_t y, int32_t w, int32_t h, int32_t srcX,
               int32_t srcY, float alpha, uint32_t key) {
  Picture* picture = Find(image);
  if (!picture) return;
  const QRect wanted(srcX, srcY, w, h);
  const QRect source = wanted.intersected(picture->straight.rect());
  if (source.isEmpty()) return;
  const QPoint at(x + source.x() - srcX, y + source.y() - srcY);
  if (key == NoColorKey && alpha == 1.0f) {
    Blit(*picture, at, source);
  } else if (alpha == 1.0f) {
    if (picture->keyedWith != key) {
      picture->keyed = Tinted(*picture, picture->straight.rect(), 1.0f, key);
      picture->keyedWith = key;
    }
    Painter()->drawImage(at, picture->keyed, source);
  } else {
    Painter()->drawImage(at, Tinted(*picture, source, alpha, key));
  }
}

void DrawImageRect(ImageHandle image, const Rect32& destination, int32_t srcX, int32_t srcY,
                   float alpha, uint32_t key) {
  DrawImage(image, destination.left, destination.top, destination.right - destination.left,
            destination.bottom - destination.top, srcX, srcY, alpha, key);
}

void DrawImageScaled(ImageHandle image, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                     int32_t sx, int32_t sy, int32_t sw, int32_t sh, float alpha) {
  const Picture* picture = Find(image);
  if (!picture || dw <= 0 || dh <= 0) return;
  const QRect source = QRect(sx, sy, sw, sh).intersected(picture->straight.rect());
  if (source.isEmpty()) return;
  const QImage& whole = picture->premultiplied;
  const QImage part = alpha != 1.0f            ? Tinted(*picture, source, alpha, NoColorKey)
                      : source == whole.rect() ? whole
                                               : whole.copy(source);
  QPainter* painter = Painter();
  painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter->drawImage(QRectF(dx, dy, dw, dh), part, QRectF(part.rect()));
  painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void DrawImagePoints(ImageHandle image, Point32 topLeft, Point32 topRight, Point32 bottomLeft) {
  const Picture* picture = Find(image);
  if (!picture) return;
  const double w = picture->premultiplied.width();
  const double h = picture->premultiplied.height();
  const QTransform map((topRight.x - topLeft.x) / w, (topRight.y - topLeft.y) / w,
                       (bottomLeft.x - topLeft.x) / h, (bottomLeft.y - topLeft.y) / h, topLeft.x,
                       topLeft.y);
  QPainter* painter = Painter();
  painter->setTransform(map);
  painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter->drawImage(QPointF(0, 0), picture->premultiplied);
  painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter->resetTransform();
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
  if (!Painter()) return;
  const std::optional<QString> installed = InstalledFamily(family);
  if (!installed || points <= 0) return;
  QFont font(*installed);
  font.setPointSizeF(points);
  font.setBold((style & Bold) != 0);
  font.setItalic((style & Italic) != 0);
  font.setUnderline((style & Underline) != 0);
  font.setStrikeOut((style & Strikeout) != 0);
  layer().font = font;
  // A sixth of an em before the first letter, as text layout boxes traditionally pad.
  layer().textMargin = QFontInfo(font).pixelSize() / 6.0;
}

void SetTextColor(int c1, int c2, int c3, int c4) {
  layer().textColor = QColor(c3 & 0xFF, c2 & 0xFF, c1 & 0xFF, c4 & 0xFF);
}

void DrawText(int16_t x, int16_t y, const std::string& text) {
  Layer& state = layer();
  if (!Painter() || !state.font || !state.textColor || text.empty()) return;
  QString lines = QString::fromStdString(text);
  lines.replace("\r\n", "\n").replace('\r', '\n').replace('\n', QChar::LineSeparator);
  const QTextLayout& layout = LaidOut(lines, *state.font);
  QPainter* painter = Painter();
  painter->setPen(*state.textColor);
  const QPointF at(x + state.textMargin, y);
  for (int i = 0; i < layout.lineCount(); ++i) layout.lineAt(i).draw(painter, at);
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
  if (slot) Painter()->fillRect(QRect(x, y, w, h), *slot);
}

void DrawLine(uint32_t color, float width, float x1, float y1, float x2, float y2) {
  if (!Painter()) return;
  QPainter* painter = Painter();
  painter->setPen(QPen(Argb(color), width, Qt::SolidLine, Qt::FlatCap));
  painter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

ImageHandle ButtonFace() { return layer().buttonFace; }

const QImage* BackBuffer() {
  const Layer& state = layer();
  return state.painter ? &state.backBuffer : nullptr;
}

uint32_t BackBufferPixel(int x, int y) {
  const QImage* buffer = BackBuffer();
  if (!buffer || !buffer->rect().contains(x, y)) return 0;
  return buffer->pixel(x, y);
}

}  // namespace marlquin
