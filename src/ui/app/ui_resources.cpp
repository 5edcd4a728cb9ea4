#include "ui/app/ui_resources.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitVentoraQrc() {
  Q_INIT_RESOURCE(ventora);
}

namespace ventora {
namespace {

constexpr const char* kLogo = ":/ventora/ventora.svg";

QPixmap RenderLogo(int pixels) {
  InitUiResources();
  QPixmap pixmap(pixels, pixels);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer{QString(kLogo)};
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

}  // namespace

void InitUiResources() {
  static const bool once = (InitVentoraQrc(), true);
  (void)once;
}

QLabel* LogoLabel(int size, QWidget* parent) {
  auto* label = new QLabel(parent);
  const qreal ratio = parent != nullptr ? parent->devicePixelRatioF() : 1.0;
  QPixmap pixmap = RenderLogo(qRound(size * ratio));
  pixmap.setDevicePixelRatio(ratio);
  label->setPixmap(pixmap);
  label->setFixedSize(size, size);
  return label;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(RenderLogo(size));
  return icon;
}

}  // namespace ventora
