// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/DecodeAhead.h"

#include <QFileInfo>
#include <QImageReader>
#include <future>
#include <thread>
#include <utility>

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

void DecodeAhead(std::vector<std::string> paths) {
  EndDecodingAhead();
  Ahead& state = ahead();
  std::vector<std::promise<QImage>> promises(paths.size());
  for (auto& promise : promises) state.images.push_back(promise.get_future());
  state.paths = paths;
  state.worker = std::thread([paths = std::move(paths), promises = std::move(promises)]() mutable {
    for (size_t i = 0; i < paths.size(); ++i) {
      // Read as what its name says it is: Qt then decodes with its own reader instead of
      // first loading every image plugin to ask it. A file that is something else is
      // left to its load, which asks them all.
      const QString path = QString::fromStdString(paths[i]);
      QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
      reader.setAutoDetectImageFormat(false);
      promises[i].set_value(reader.read());
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
