#pragma once
// Window placement in the units the editing windows are laid out in: small
// gaps are given in twips (1440 to the inch) and turned into pixels of the
// screen the window is on; positions and sizes are those of the whole window
// frame, so two windows placed side by side do not overlap.

#include <QWidget>
#include <string>

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
int FrameLeft(const QWidget& w);

// Puts the window `w` beside `opener`, wholly on `opener`'s screen: to its
// right where there is room, else to its left, else at the screen's right
// edge (over the opener as little as the screen allows), level with its
// top. A window larger than the screen is made to fit it.
void PlaceBeside(QWidget& w, const QWidget& opener);

// Moves the window's frame so that its left edge is at `x` / top at `y`,
// as near as the window stays wholly on its screen.
void SetFrameLeft(QWidget& w, int x);
void SetFrameTop(QWidget& w, int y);
// Moves the window's frame to (x, y), or as near as it stays wholly on the
// screen there.
void MoveOnScreen(QWidget& w, int x, int y);
// Sizes the window to `wanted`, or to the room its screen has.
void ResizeToScreen(QWidget& w, QSize wanted);

// The place of a window kept in the settings file `file` under `section`:
// taken back only where the window lies wholly on a screen; false when there
// is none to take.
bool TakeKeptPlace(QWidget& w, const std::string& file, const char* section);
void KeepPlace(const QWidget& w, const std::string& file, const char* section);

}  // namespace ventora::ui
