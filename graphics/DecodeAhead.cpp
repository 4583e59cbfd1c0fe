// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/DecodeAhead.h"

#include <QFileInfo>
#include <QImageReader>
#include <future>
#include <thread>
#include <utility>

#include "platform/PrefaultMemory.h"

namespace marlquin {
namespace {

struct Ahead {
  std::vector<std::string> paths;
  std::vector<std::future<QImage>> images;  // a taken one is no longer valid
  std::thread worker;

  void End() {
    if (worker.joinable()) worker.join();
    paths.clear();
    images.clear();
  }
  ~Ahead() { End(); }  // even when a load was cut short
};

Ahead& ahead() {
  static Ahead state;
  return state;
}

}  // namespace

QImage ReadAsNamed(const std::string& path) {
  const QString file = QString::fromStdString(path);
  QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  // Qt reads into an image of the right size and form as it is, so its pages can all be
  // had at once first.
  QImage image(reader.size(), reader.imageFormat());
  PrefaultForWriting(image.bits(), static_cast<size_t>(image.sizeInBytes()));
  if (!reader.read(&image)) return QImage();
  return image;
}

void DecodeAhead(std::vector<std::string> paths) {
  EndDecodingAhead();
  Ahead& state = ahead();
  std::vector<std::promise<QImage>> promises(paths.size());
  for (auto& promise : promises) state.images.push_back(promise.get_future());
  state.paths = paths;
  state.worker = std::thread([paths = std::move(paths), promises = std::move(promises)]() mutable {
    for (size_t i = 0; i < paths.size(); ++i) {
      promises[i].set_value(ReadAsNamed(paths[i]));
    }
  });
}

std::optional<QImage> TakeDecodedAhead(const std::string& path) {
  Ahead& state = ahead();
  for (size_t i = 0; i < state.paths.size(); ++i) {
    if (state.paths[i] != path || !state.images[i].valid()) continue;
    QImage image = state.images[i].get();
    if (image.isNull()) return std::nullopt;
    return image;
  }
  return std::nullopt;
}

void EndDecodingAhead() { ahead().End(); }

}  // namespace marlquin
