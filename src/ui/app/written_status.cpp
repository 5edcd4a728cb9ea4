#include "ui/app/written_status.h"

#include <QDir>
#include <filesystem>

namespace ventora::ui {

QStatusBar* NewStatusBar(QWidget* window) {
  auto* bar = new QStatusBar(window);
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  return bar;
}

void SayWritten(QStatusBar& bar, const std::vector<std::string>& files) {
  QString text;
  for (const std::string& file : files) {
    text +=
        text.isEmpty()
            ? QStringLiteral("Written: ") + QDir::toNativeSeparators(QString::fromStdString(file))
            : QStringLiteral(", ") + QString::fromStdString(std::filesystem::path(file).filename());
  }
  bar.showMessage(text);
}

bool SayPictureSaved(QStatusBar& bar, MessageSink& messages, const QString& path,
                     const QString& error) {
  if (error.isEmpty()) {
    SayWritten(bar, {path.toStdString()});
    return true;
  }
  messages.Show(Message{"Error", error.toStdString(), MsgIcon::Critical});
  return false;
}

}  // namespace ventora::ui
