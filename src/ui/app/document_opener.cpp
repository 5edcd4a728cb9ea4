#include "ui/app/document_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace ventora {

bool DesktopDocumentOpener::Open(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ventora
