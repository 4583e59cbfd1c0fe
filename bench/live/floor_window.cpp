// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The least any program on this stack pays for its first frame, to compare the game's
// start-up with: one Qt Widgets window painting an 800 x 600 image, with SDL2_mixer linked
// as the game links it (the loader maps its libraries before main runs).
#include <SDL_mixer.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

class FloorWindow final : public QWidget {
 public:
  FloorWindow() : image_(800, 600, QImage::Format_ARGB32_Premultiplied) {
    setWindowTitle("Floor");
    setFixedSize(image_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(QColor(20, 60, 120));  // anything but black: the watcher waits for colour
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

 private:
  QImage image_;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (Mix_Linked_Version() == nullptr) return 1;  // keeps the library needed by the link
  QApplication application(argc, argv);
  FloorWindow window;
  window.show();
  return application.exec();
}
