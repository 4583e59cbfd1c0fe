// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/GDIPLUSLib.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTransform>
#include <memory>
#include <utility>
#include <vector>

#include "graphics/DecodeAhead.h"
#include "graphics/DrawCommand.h"
#include "graphics/DrawingLayerForTests.h"
#include "graphics/DrawingLayerInternal.h"
#include "graphics/FrameDamage.h"
#include "graphics/Picture.h"
#include "platform/Platform.h"
#include "platform/PrefaultMemory.h"
#include "platform/ProgramPath.h"
#include "platform/UnreadableFile.h"

namespace marlquin {
namespace {

// 96 dots per inch, so that 12 points is a 16-pixel em whatever the screen says.
constexpr int DotsPerMeterAt96Dpi = 3780;

// Drawing calls are kept until the frame is shown (or its pixels are read), then only the
// area where they differ from the last frame's calls is painted again; elsewhere the buffer
// already holds exactly what painting everything would give.
struct Layer {
  PresentTarget* target = nullptr;
  QImage backBuffer;
  std::unique_ptr<QPainter> painter;
  std::vector<PictureRef> pictures;
  std::vector<DrawCommand> pending;
  std::vector<DrawCommand> drawn;  // the calls that last filled the buffer
  QRegion unshown;                 // painted since the last Present
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

ImageHandle Load(const std::string& path, PictureUse use) {
  if (!Painter()) return 0;
  std::optional<QImage> decoded = TakeDecodedAhead(path);
  if (!decoded) {
    QImageReader reader(QString::fromStdString(path));
    decoded = reader.read();
    if (decoded->isNull()) {
      ReportUnreadableFile(path, reader.errorString().toStdString());
      return 0;
    }
  }
  layer().pictures.push_back(std::make_shared<Picture>(std::move(*decoded), use));
  return static_cast<ImageHandle>(layer().pictures.size());
}

}  // namespace

const QImage* StartedBackBuffer() { return Painter() ? &layer().backBuffer : nullptr; }

void RecordCall(DrawCall call) {
  Layer& state = layer();
  if (!state.painter) return;
  state.pending.emplace_back(std::move(call), state.backBuffer.rect());
  if (state.pending.size() >= MostPendingCalls) Paint();
}

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
  PrefaultForWriting(buffer.bits(), static_cast<size_t>(buffer.sizeInBytes()));
  buffer.fill(Qt::transparent);
  buffer.setDotsPerMeterX(DotsPerMeterAt96Dpi);
  buffer.setDotsPerMeterY(DotsPerMeterAt96Dpi);
  state.target = target;
  state.backBuffer = std::move(buffer);
  state.painter = std::make_unique<QPainter>(&state.backBuffer);
  StartText();
  StartShapes();
  state.buttonFace = LoadImageFile(ProgramFile(ButtonFaceFile));
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
  RecordCall(PlainBlit{std::move(picture), QPoint(x, y), whole});
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
    RecordCall(PlainBlit{std::move(picture), at, source});
  } else if (alpha == 1.0f) {
    RecordCall(KeyedBlit{std::move(picture), at, source, key});
  } else {
    RecordCall(FadedBlit{std::move(picture), at, source, alpha, key});
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
  RecordCall(ScaledBlit{std::move(picture), QRect(dx, dy, dw, dh), source, alpha});
}

void DrawImagePoints(ImageHandle image, Point32 topLeft, Point32 topRight, Point32 bottomLeft) {
  PictureRef picture = Find(image);
  if (!picture) return;
  const double w = picture->pixels.width();
  const double h = picture->pixels.height();
  const QTransform map((topRight.x - topLeft.x) / w, (topRight.y - topLeft.y) / w,
                       (bottomLeft.x - topLeft.x) / h, (bottomLeft.y - topLeft.y) / h, topLeft.x,
                       topLeft.y);
  RecordCall(MappedBlit{std::move(picture), map});
}

ImageHandle ButtonFace() { return layer().buttonFace; }

// For tests and tools (DrawingLayerForTests.h).

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

bool LastFrameStartedClean() {
  const QImage* buffer = BackBuffer();
  const auto& drawn = layer().drawn;
  return buffer && !drawn.empty() && drawn.front().HidesAllOf(buffer->rect());
}

uint32_t BackBufferPixel(int x, int y) {
  const QImage* buffer = BackBuffer();
  if (!buffer || !buffer->rect().contains(x, y)) return 0;
  return buffer->pixel(x, y);
}

}  // namespace marlquin
