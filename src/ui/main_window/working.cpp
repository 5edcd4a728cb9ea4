#include "ui/main_window/working.h"
#include "ui/app/ui_resources.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace ventora {

Working::Working(QWidget* parent) : QDialog(parent) {
  InitUiResources();
  setObjectName("Working");
  setWindowTitle("Ventora");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(false);
  QLabel* logo = LogoLabel(40, this);
  auto* text = new QLabel("Working... Please wait.", this);
  text->setObjectName("WorkingLab");
  QFont font = text->font();
  font.setPointSizeF(font.pointSizeF() * 1.2);
  text->setFont(font);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(24, 18, 32, 18);
  layout->setSpacing(16);
  layout->addWidget(logo);
  layout->addWidget(text);
  setFixedSize(sizeHint());
}

void Working::ShowNow() {
  show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace ventora
