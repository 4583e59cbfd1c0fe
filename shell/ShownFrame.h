// What the picture area shows: an opaque copy of the last presented frame. Taking a new
// frame copies only the pixels that changed and says where they are, so the window repaints
// and sends the display just that part instead of all 800 x 600 pixels every tick.
#pragma once

#include <QImage>
#include <QRegion>

namespace marlquin {

class ShownFrame {
 public:
  // Makes the shown picture equal to frame (a 32-bit back buffer), which can differ from
  // the last one only inside within, and returns the area that differed: bands of changed
  // rows, each as wide as its changes. Empty when the frame is the same as the last.
  QRegion Take(const QImage& frame, const QRegion& within);

  // In the window's own opaque format, so painting it is a plain copy. Pixels the frame
  // left partly transparent show as if over black.
  const QImage& Picture() const { return shown_; }

 private:
  QImage shown_;
};

}  // namespace marlquin
