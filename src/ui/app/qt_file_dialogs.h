#pragma once
// The file dialogs of the desktop program, built on QFileDialog.

#include <QPointer>
#include <QWidget>

#include "ui/app/file_dialogs.h"

namespace ventora {

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> OpenPath() override;
  std::optional<std::string> SavePath() override;
  std::optional<std::string> ModelPath() override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace ventora
