// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include <zlib.h>

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
constexpr uint8_t PngSignature[] = {137, 'P', 'N', 'G', '\r', '\n', 26, '\n'};
constexpr uint8_t PngTrueColour = 2, PngTrueColourWithAlpha = 6;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void Put32BigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void PutChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& data) {
  Put32BigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32BigEndian(out, static_cast<uint32_t>(crc32(0, out.data() + start, out.size() - start)));
}

void WriteFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream stream(file, std::ios::binary);
  stream.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void SavePng(const std::filesystem::path& file, const QImage& picture) {
  const bool alpha = picture.hasAlphaChannel();
  const QImage straight =
      picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  std::vector<uint8_t> rows;
  for (int y = 0; y < straight.height(); ++y) {
    rows.push_back(0);  // filter type None
    const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    for (int x = 0; x < straight.width(); ++x) {
      rows.insert(rows.end(),
                  {static_cast<uint8_t>(qRed(line[x])), static_cast<uint8_t>(qGreen(line[x])),
                   static_cast<uint8_t>(qBlue(line[x]))});
      if (alpha) rows.push_back(static_cast<uint8_t>(qAlpha(line[x])));
    }
  }
  uLongf packedSize = compressBound(rows.size());
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), rows.size(), Z_NO_COMPRESSION) != Z_OK) {
    throw std::runtime_error("cannot pack " + file.string());
  }
  packed.resize(packedSize);

  std::vector<uint8_t> header;
  Put32BigEndian(header, static_cast<uint32_t>(straight.width()));
  Put32BigEndian(header, static_cast<uint32_t>(straight.height()));
  // 8 bits a sample; compression, filter and interlace methods 0 (none interlaced).
  header.insert(header.end(), {8, alpha ? PngTrueColourWithAlpha : PngTrueColour, 0, 0, 0});
  std::vector<uint8_t> out(std::begin(PngSignature), std::end(PngSignature));
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  WriteFile(file, out);
}

void SaveCompressedPng(const std::filesystem::path& file, const QImage& picture) {
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
  WriteFile(file, out);
}

}  // namespace marlquin::assetgen
