#include "ui/editing/window_placement.h"

#include <QApplication>
#include <algorithm>
#include <cmath>

namespace ventora::ui {

int TwipsToPixelsX(const QWidget& w, int twips) {
  const double pixels = twips * w.logicalDpiX() / 1440.0;
  if (twips == 0) return 0;
  return std::max(1, static_cast<int>(std::lround(pixels)));
}

int WindowGap(const QWidget& w) {
  return TwipsToPixelsX(w, 20);
}

namespace {

QMargins Margins(const QWidget& w) {
  const QRect frame = w.frameGeometry();
  const QRect inner = w.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

// A window that has not been shown yet has no frame; it will get the one the
// windows already on the screen have.
QMargins ExpectedMargins(const QWidget& w) {
  if (w.isVisible()) return Margins(w);
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (other != &w && other->isVisible() && !Margins(*other).isNull()) return Margins(*other);
  return {};
}

}  // namespace

int FrameWidth(const QWidget& w) {
  const QMargins m = ExpectedMargins(w);
  return w.width() + m.left() + m.right();
}

int FrameHeight(const QWidget& w) {
  const QMargins m = ExpectedMargins(w);
  return w.height() + m.top() + m.bottom();
}

int FrameTop(const QWidget& w) {
  return w.frameGeometry().top();
}

void SetFrameLeft(QWidget& w, int x) {
  w.move(x, w.frameGeometry().top());
}

void SetFrameTop(QWidget& w, int y) {
  w.move(w.frameGeometry().left(), y);
}

}  // namespace ventora::ui
