// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include <QImageWriter>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace marlquin::assetgen {
namespace {

// Qt's middle setting: files barely larger than at the strongest compression, written
// thirty times faster.
constexpr int PngQuality = 50;
constexpr int BmpHeaderBytes = 14 + 40;
constexpr int BytesPerPixel = 3;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

void SavePng(const std::filesystem::path& file, const QImage& picture) {
  // The pictures carry no colour space and no text, so Qt writes neither iCCP, gAMA nor
  // text chunks: nothing that differs between runs or machines.
  const QImage straight = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                            : QImage::Format_RGB32);
  QImageWriter writer(QString::fromStdString(file.string()), "png");
  writer.setQuality(PngQuality);
  if (!writer.write(straight)) {
    throw std::runtime_error("cannot write " + file.string() + ": " +
                             writer.errorString().toStdString());
  }
}

void SaveBmp24(const std::filesystem::path& file, const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width(), height = rgb.height();
  const int rowBytes = (width * BytesPerPixel + 3) / 4 * 4;
  const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * height);

  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, BmpHeaderBytes + pixelBytes);
  Put32(out, 0);
  Put32(out, BmpHeaderBytes);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));  // positive: rows stored bottom-up
  Put16(out, 1);
  Put16(out, BytesPerPixel * 8);
  Put32(out, 0);  // no compression
  Put32(out, pixelBytes);
  Put32(out, 3780);  // 96 dpi
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<uint8_t>(qBlue(line[x])));
      out.push_back(static_cast<uint8_t>(qGreen(line[x])));
      out.push_back(static_cast<uint8_t>(qRed(line[x])));
    }
    out.resize(out.size() + static_cast<size_t>(rowBytes - width * BytesPerPixel), 0);
  }
  std::ofstream stream(file, std::ios::binary);
  stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!stream) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace marlquin::assetgen
