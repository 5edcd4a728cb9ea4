#include "ui/window_placement.h"

#include <algorithm>
#include <cmath>

namespace ventora::ui {

int TwipsToPixelsX(const QWidget& w, int twips) {
  const double pixels = twips * w.logicalDpiX() / 1440.0;
  if (twips == 0) return 0;
  return std::max(1, static_cast<int>(std::lround(pixels)));
}

int WindowGap(const QWidget& w) { return TwipsToPixelsX(w, 20); }

int FrameWidth(const QWidget& w) { return w.frameGeometry().width(); }

int FrameHeight(const QWidget& w) { return w.frameGeometry().height(); }

int FrameTop(const QWidget& w) { return w.frameGeometry().top(); }

void SetFrameLeft(QWidget& w, int x) { w.move(x, w.frameGeometry().top()); }

void SetFrameTop(QWidget& w, int y) { w.move(w.frameGeometry().left(), y); }

}  // namespace ventora::ui
