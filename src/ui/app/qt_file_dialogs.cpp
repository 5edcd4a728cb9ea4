#include "ui/app/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace ventora {
namespace {

std::optional<std::string> Ask(QFileDialog& dialog, const char* filters = kJobFileFilters) {
  dialog.setNameFilters(QString(filters).split(QStringLiteral(";;")));
  dialog.setDirectory(QDir::currentPath());
  dialog.resize(760, 460);  // room for the name, size and date columns
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::OpenPath() {
  QFileDialog dialog(parent_.data(), QObject::tr("Open"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // a name that does not exist starts a new job
  dialog.setLabelText(QFileDialog::Accept, QObject::tr("&Open"));
  return Ask(dialog, kOpenFileFilters);
}

std::optional<std::string> QtFileDialogs::ModelPath() {
  QFileDialog dialog(parent_.data(), QObject::tr("From an EnergyPlus model"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Ask(dialog, kModelFileFilters);
}

std::optional<std::string> QtFileDialogs::SavePath() {
  QFileDialog dialog(parent_.data(), QObject::tr("Save As"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  return Ask(dialog);
}

}  // namespace ventora
