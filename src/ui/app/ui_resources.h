#pragma once
// The program's built-in pictures (":/ventora/..."). The resources live in a
// static library, so each window that uses them registers them first.
// Pictures are SVG drawn by QSvgRenderer, so no image plugin is needed.

namespace ventora {

void InitUiResources();

}  // namespace ventora

class QIcon;
class QLabel;
class QWidget;

namespace ventora {

// The program's emblem as a label of `size` pixels square, sharp on
// high-resolution screens.
QLabel* LogoLabel(int size, QWidget* parent);

// The emblem as a window icon, in the usual icon sizes.
QIcon ProgramIcon();

}  // namespace ventora
