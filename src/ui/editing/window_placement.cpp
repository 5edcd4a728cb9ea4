#include "ui/editing/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "core/settings_file.h"

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

int FrameLeft(const QWidget& w) {
  return w.frameGeometry().left();
}

void MoveOnScreen(QWidget& w, int x, int y) {
  const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
  if (screen == nullptr) screen = w.screen();
  if (screen != nullptr) {
    const QRect room = screen->availableGeometry();
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - FrameWidth(w)));
    y = std::clamp(y, room.top(), std::max(room.top(), room.bottom() + 1 - FrameHeight(w)));
  }
  w.move(x, y);
}

void SetFrameLeft(QWidget& w, int x) {
  MoveOnScreen(w, x, w.frameGeometry().top());
}

void SetFrameTop(QWidget& w, int y) {
  MoveOnScreen(w, w.frameGeometry().left(), y);
}

void ResizeToScreen(QWidget& w, QSize wanted) {
  if (const QScreen* screen = w.screen(); screen != nullptr) {
    QMargins m = ExpectedMargins(w);
    // No window on the screen yet to tell the frame: room for a title bar.
    if (m.isNull() && QGuiApplication::platformName() != "offscreen") m = QMargins(4, 32, 4, 4);
    const QSize room =
        screen->availableGeometry().size() - QSize(m.left() + m.right(), m.top() + m.bottom());
    wanted = wanted.boundedTo(room);
  }
  w.resize(wanted.expandedTo(w.minimumSizeHint()));
}

bool TakeKeptPlace(QWidget& w, const std::string& file, const char* section) {
  if (file.empty()) return false;
  const QStringList kept = QString::fromStdString(GetIniValue(file, section, "place")).split(',');
  bool xRead = false;
  bool yRead = false;
  const QPoint at(kept.value(0).toInt(&xRead), kept.value(1).toInt(&yRead));
  if (kept.size() != 2 || !xRead || !yRead) return false;
  const QRect frame(at, QSize(FrameWidth(w), FrameHeight(w)));
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().contains(frame)) {
      w.move(at);
      return true;
    }
  return false;
}

// A settings file that cannot be written costs only the remembered place.
void KeepPlace(const QWidget& w, const std::string& file, const char* section) {
  if (file.empty()) return;
  const QPoint at = w.frameGeometry().topLeft();
  SetIniValue(file, section, "place", std::to_string(at.x()) + "," + std::to_string(at.y()));
}

void PlaceBeside(QWidget& w, const QWidget& opener) {
  const QScreen* screen = opener.screen() != nullptr ? opener.screen() : w.screen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  const QMargins m = ExpectedMargins(w);
  const int marginsX = m.left() + m.right();
  const int marginsY = m.top() + m.bottom();
  if (FrameWidth(w) > room.width() || FrameHeight(w) > room.height())
    w.resize(std::min(w.width(), room.width() - marginsX),
             std::min(w.height(), room.height() - marginsY));
  const int width = FrameWidth(w);
  const int height = FrameHeight(w);
  const QRect o = opener.window()->frameGeometry();
  const int gap = WindowGap(opener);
  int x = room.right() + 1 - width;
  if (o.right() + 1 + gap + width <= room.right() + 1)
    x = o.right() + 1 + gap;
  else if (o.left() - gap - width >= room.left())
    x = o.left() - gap - width;
  const int y = std::clamp(o.top(), room.top(), room.bottom() + 1 - height);
  w.move(x, y);
}

}  // namespace ventora::ui
