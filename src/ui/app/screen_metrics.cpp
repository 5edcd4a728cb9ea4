#include "ui/app/screen_metrics.h"

#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace ventora {

std::int16_t TwipsPerPixel(double dotsPerInch) {
  if (!(dotsPerInch > 0)) return 15;  // 96 dpi, the desktop's usual resolution
  const long twips = std::lround(1440.0 / dotsPerInch);
  return static_cast<std::int16_t>(std::clamp(twips, 1L, 1440L));
}

ScreenMetrics InitScreenMetrics(const QScreen& screen, const QStyle& style) {
  // The window manager draws the real frame; the style's frame and title bar
  // figures are what Qt knows before any window is shown.
  const int border = style.pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
  const int caption = style.pixelMetric(QStyle::PM_TitleBarHeight);
  ScreenMetrics m;
  m.BorderX = static_cast<std::int16_t>(2 * border);
  m.BorderY = static_cast<std::int16_t>(border + caption);
  m.TwipsX = TwipsPerPixel(screen.logicalDotsPerInchX());
  m.TwipsY = TwipsPerPixel(screen.logicalDotsPerInchY());
  return m;
}

}  // namespace ventora
