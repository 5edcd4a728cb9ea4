#pragma once
// The picture window beside the editing dialogs: one explanatory drawing at a
// time, under a short caption, the window fitted to the drawing. It is
// modeless; the dialogs show and hide its pictures as the focus moves.

#include <QString>
#include <QWidget>
#include <array>

namespace ventora::ui {

class SvgPicture;

// The ten drawings, by the names the dialogs use for them.
enum class HelpPicture {
  BldgOr,      // orientation of the building (azimuth)
  WindDir,     // wind direction
  PAD,         // plan area density
  SBH,         // height of the surrounding buildings
  BldgDim,     // building length, width and height
  VETable,     // wind velocity profile exponent
  tiltsl,      // roof types and tilt angle
  FacadeNo,    // facade numbering
  FacadeVert,  // element coordinates on a wall
  Hor,         // element coordinates on the roof
};
inline constexpr int kHelpPictureCount = 10;

inline constexpr const char* kVisualHelpCaption = "Visual Help for Input Data";

class HelpSlate : public QWidget {
  Q_OBJECT
 public:
  explicit HelpSlate(QWidget* parent = nullptr);

  // Caption, then the picture shown at the top left corner, then the window
  // fitted to the picture.
  void ShowHelpPicture(const QString& caption, HelpPicture picture);
  // The same without touching the caption.
  void ShowPicture(HelpPicture picture);
  void HidePicture(HelpPicture picture);
  // Makes a picture visible where it stands, the window keeping its size.
  void RevealPicture(HelpPicture picture);
  bool IsPictureVisible(HelpPicture picture) const;

  SvgPicture* Picture(HelpPicture picture) const;
  static const char* PictureName(HelpPicture picture);

 private:
  std::array<SvgPicture*, kHelpPictureCount> pictures_{};
};

}  // namespace ventora::ui
