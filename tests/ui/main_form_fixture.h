#pragma once
// A main window wired to fakes (boxes recorded, file dialogs scripted, the
// desktop recorded) in a scratch folder that is the current directory.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
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

  ScratchFolder scratch;
  NumberText numbers{kPointDecimal};
  RecordingMessages messages;
  ScriptedFileDialogs dialogs;
  RecordingOpener opener;
  std::unique_ptr<CPMainForm> form;
  int programEnded = 0;
};

}  // namespace ventora::testing
