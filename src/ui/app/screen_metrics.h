#pragma once
// Window-frame and resolution figures the dialogs use to place a picture
// beside a field and the editing windows below the main window.

#include <cstdint>

class QScreen;
class QStyle;

namespace ventora {

struct ScreenMetrics {
  std::int16_t BorderX = 0;  // 2 x the width of a window border, pixels
  std::int16_t BorderY = 0;  // a window border's height plus a caption's height, pixels
  std::int16_t TwipsX = 15;  // twips per pixel (1440 twips make an inch)
  std::int16_t TwipsY = 15;
};

ScreenMetrics InitScreenMetrics(const QScreen& screen, const QStyle& style);

// Twips per pixel at `dotsPerInch`, at least 1.
std::int16_t TwipsPerPixel(double dotsPerInch);

}  // namespace ventora
