#include "ui/help/guide_help.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <array>

#include "core/parameter_table.h"
#include "ui/editing/window_placement.h"
#include "ui/help/help_window.h"

namespace ventora::help {
namespace {

struct FieldHelp {
  const char* field;      // objectName
  const char* parameter;  // whose section in parameters.md explains the field
};

// The environment dialog's fields and roof type buttons.
constexpr std::array<FieldHelp, 12> kFieldHelp{{
    {"fAzB", "AzB"},
    {"fAnWind", "AnWind"},
    {"fPAD", "PAD"},
    {"fSBH", "SbH"},
    {"fBdZ", "Bdz"},
    {"fBdX", "BdX"},
    {"fBdY", "BdY"},
    {"fVeEXP", "VeEXP"},
    {"fPhi", "Phi"},
    {"fslope1", "Islope"},
    {"fslope2", "Islope"},
    {"fslope3", "Islope"},
}};

// One guide window for the whole program; it dies with the window it
// belongs to.
QPointer<HelpWindow>& Window() {
  static QPointer<HelpWindow> window;
  return window;
}

QWidget* Owner(QWidget* from) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return from != nullptr ? from->window() : nullptr;
}

}  // namespace

HelpWindow* OpenGuide(QWidget* from, const QString& target) {
  QPointer<HelpWindow>& window = Window();
  QWidget* owner = Owner(from);
  if (window.isNull()) {
    window = new HelpWindow(owner);
  } else if (window->parentWidget() != owner) {
    const QRect where = window->geometry();
    window->setParent(owner, window->windowFlags());
    window->setGeometry(where);
  }
  window->Open(target);
  // Beside the window it was opened from, until the user moves it.
  if (!window->isVisible() && owner != nullptr) ui::PlaceBeside(*window, *owner);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

HelpWindow* GuideWindow() {
  return Window();
}

QString FieldSection(const QString& objectName) {
  for (const FieldHelp& f : kFieldHelp)
    if (objectName == f.field)
      return QStringLiteral("parameters.md#") + limits::GuideSection(f.parameter);
  return {};
}

QPushButton* ConnectHelp(QPushButton* button, const char* target) {
  const QString section(target);
  QObject::connect(button, &QPushButton::clicked, button,
                   [button, section] { OpenGuide(button, section); });
  QWidget* window = button->window();
  auto* f1 = new QShortcut(QKeySequence::HelpContents, window);
  f1->setObjectName("HelpF1");
  f1->setContext(Qt::WindowShortcut);
  QObject::connect(f1, &QShortcut::activated, window, [window, section] {
    const QWidget* focus = window->focusWidget();
    const QString field = focus != nullptr ? FieldSection(focus->objectName()) : QString();
    OpenGuide(window, field.isEmpty() ? section : field);
  });
  return button;
}

}  // namespace ventora::help
