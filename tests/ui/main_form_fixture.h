#pragma once
// A main window wired to fakes (boxes recorded, file dialogs scripted, the
// desktop recorded) in a scratch folder that is the current directory.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/number_text.h"
#include "recording_messages.h"
#include "ui/main_window/cp_main_form.h"
#include "ui_fakes.h"

namespace ventora::testing {

// The example jobs' folder: VENTORA_EXAMPLES when set, else the source tree's.
std::string ExamplesFolder();
// A small job that passes every check: the low house example.
Job SmallJob();

// Plays steps on modal dialogs as a user would: each step waits until the
// dialog it names is the active modal window, then acts on it.
struct ModalStep {
  const char* dialog;  // objectName
  std::function<void(QDialog*)> act;
};
void PlayModalSteps(std::deque<ModalStep> steps);

// The child `name` of a dialog or window.
template <typename T = QWidget>
T* In(QWidget* parent, const char* name) {
  T* w = parent->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}
// A key on `w`, given the focus first as Tab would.
void Key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods = {});

// ventora-run with `args` (quoted as a shell needs); its exit status and
// what it wrote to standard output and error.
struct CliRun {
  int status = -1;
  std::string out, err;
};
CliRun RunVentora(const std::string& args);

class MainFormTest : public ::testing::Test {
 protected:
  // The window with `run` behind its Run button (the real command if empty).
  void MakeForm(RunCommand run = {});

  QPushButton* Button(const char* objectName) const;
  // Clicks a button the way a user does.
  void Click(const char* objectName);

  // Ticks or clears the output format box with a click on its indicator.
  void ToggleOutExcel();

  // Writes `job` as scratch/<name>.in and returns its path.
  std::string WriteJob(const std::string& name, const Job& job) const;
  // Open/New with the dialog answering `path`.
  void OpenThroughDialog(const std::string& path);
  // A new window on a copy of the example `file` in the scratch folder's
  // folder `sub`; the copy's path.
  std::string OpenExample(const std::string& file, const std::string& sub = ".");
  // A new window with editing connected on `job` as scratch/<name>.in, then
  // Edit with `steps`, the editing window closed with Esc after them.
  void EditJob(std::deque<ModalStep> steps, const Job& job, const std::string& name = "house");
  // What the main window's status line says.
  std::string StatusText() const;

  ScratchFolder scratch;
  NumberText numbers{kPointDecimal};
  RecordingMessages messages;
  ScriptedFileDialogs dialogs;
  RecordingOpener opener;
  std::unique_ptr<CPMainForm> form;
  int programEnded = 0;
};

}  // namespace ventora::testing
