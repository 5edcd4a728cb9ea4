#include "ui/pictures/help_slate.h"

#include "ui/pictures/svg_picture.h"

// The drawings live in this static library's resources, which must be
// registered by hand; the macro has to be used outside any namespace.
static void RegisterHelpPictures() {
  Q_INIT_RESOURCE(help_pictures);
}

namespace ventora::ui {
namespace {

struct PictureSource {
  const char* name;
  const char* resource;
};

// In the order of HelpPicture.
constexpr std::array<PictureSource, kHelpPictureCount> kSources{{
    {"BldgOr", ":/help/bldg_orientation.svg"},
    {"WindDir", ":/help/wind_direction.svg"},
    {"PAD", ":/help/plan_area_density.svg"},
    {"SBH", ":/help/surrounding_height.svg"},
    {"BldgDim", ":/help/building_dimensions.svg"},
    {"VETable", ":/help/velocity_profile.svg"},
    {"tiltsl", ":/help/roof_types.svg"},
    {"FacadeNo", ":/help/facade_numbers.svg"},
    {"FacadeVert", ":/help/element_on_wall.svg"},
    {"Hor", ":/help/element_on_roof.svg"},
}};

int Index(HelpPicture p) {
  return static_cast<int>(p);
}

}  // namespace

HelpSlate::HelpSlate(QWidget* parent) : QWidget(parent, Qt::Tool) {
  RegisterHelpPictures();
  setObjectName("HSlate");
  setWindowTitle("Vertical Facade's Element Positioning");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  for (int i = 0; i < kHelpPictureCount; ++i) {
    auto* svg = new SvgPicture(QString::fromLatin1(kSources[i].resource), this);
    svg->setObjectName(kSources[i].name);
    svg->hide();
    pictures_[i] = svg;
  }
  // Both plans, north up, marked by the same hand.
  Picture(HelpPicture::FacadeNo)->AddPlanMarks(QRectF(125, 55, 110, 150), QPointF(315, 60));
  Picture(HelpPicture::WindDir)->AddPlanMarks(QRectF(145, 98, 70, 100), QPointF(60, 60));
  ShowHelpPicture(kVisualHelpCaption, HelpPicture::FacadeNo);
}

void HelpSlate::ShowHelpPicture(const QString& caption, HelpPicture picture) {
  setWindowTitle(caption);
  ShowPicture(picture);
}

void HelpSlate::ShowPicture(HelpPicture picture) {
  SvgPicture* svg = Picture(picture);
  // Drawn at its natural size, which the drawings are designed for.
  const QSize size = svg->sizeHint();
  svg->setGeometry(0, 0, size.width(), size.height());
  svg->show();
  svg->raise();
  setFixedSize(size);
}

// The window never stands empty: with no picture left, the facade
// numbering comes back under the window's own caption.
void HelpSlate::HidePicture(HelpPicture picture) {
  Picture(picture)->hide();
  for (const SvgPicture* svg : pictures_)
    if (!svg->isHidden()) return;
  ShowHelpPicture(kVisualHelpCaption, HelpPicture::FacadeNo);
}

void HelpSlate::RevealPicture(HelpPicture picture) {
  Picture(picture)->show();
  Picture(picture)->raise();
}

bool HelpSlate::IsPictureVisible(HelpPicture picture) const {
  return !Picture(picture)->isHidden();
}

SvgPicture* HelpSlate::Picture(HelpPicture picture) const {
  return pictures_[Index(picture)];
}

const char* HelpSlate::PictureName(HelpPicture picture) {
  return kSources[Index(picture)].name;
}

}  // namespace ventora::ui
