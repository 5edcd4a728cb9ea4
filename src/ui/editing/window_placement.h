#pragma once
// Window placement in the units the editing windows are laid out in: small
// gaps are given in twips (1440 to the inch) and turned into pixels of the
// screen the window is on; positions and sizes are those of the whole window
// frame, so two windows placed side by side do not overlap.

#include <QWidget>

namespace ventora::ui {

// Pixels for `twips` horizontally on the screen of `w` (at least 1 for a
// non-zero gap, so a gap never vanishes on a low-resolution screen).
int TwipsToPixelsX(const QWidget& w, int twips);

// The gap the editing windows keep between each other: 20 twips.
int WindowGap(const QWidget& w);

// Outer size of a window, frame included once it has been shown; before that
// the frame is not known and the inner size is used.
int FrameWidth(const QWidget& w);
int FrameHeight(const QWidget& w);
int FrameTop(const QWidget& w);

// Puts the window `w` beside `opener`, wholly on `opener`'s screen: to its
// right where there is room, else to its left, else at the screen's right
// edge (over the opener as little as the screen allows), level with its
// top. A window larger than the screen is made to fit it.
void PlaceBeside(QWidget& w, const QWidget& opener);

// Moves the window's frame so that its left edge is at `x` / top at `y`.
void SetFrameLeft(QWidget& w, int x);
void SetFrameTop(QWidget& w, int y);

}  // namespace ventora::ui
