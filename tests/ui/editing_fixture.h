#pragma once
// Shared set-up for the editing window tests: a job document, number text in
// a chosen locale, recorded message boxes and the editing chooser without a
// main window; helpers to move the focus and to answer modal dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/job_document.h"
#include "core/number_text.h"
#include "recording_messages.h"
#include "ui/editing/edit_chooser.h"
#include "ui/pictures/help_slate.h"

namespace ventora::ui::testing {

class EditingTest : public ::testing::Test {
 protected:
  explicit EditingTest(NumberLocale locale = kPointDecimal) : numbers(locale) {
    numbers.DetectNumberFormat();
    chooser = std::make_unique<EditChooser>(doc, numbers, messages, nullptr);
  }

  template <typename T>
  static T* Find(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Shows a window without blocking and waits until it can take the focus.
  static void ShowActive(QWidget* w) {
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  }

  // Moves the focus from wherever it is to `to`, as Tab would.
  static void FocusTo(QWidget* to) {
    to->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  // Runs `act` on the next modal dialog as soon as its event loop runs.
  static void OnNextModal(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [act] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(modal, nullptr);
      act(modal);
    });
  }

  static void Click(QWidget* parent, const char* name) { Find<QPushButton>(parent, name)->click(); }

  std::string LastText() const { return messages.shown.empty() ? "" : messages.shown.back().text; }

  JobDocument doc;
  NumberText numbers;
  ventora::testing::RecordingMessages messages;
  std::unique_ptr<EditChooser> chooser;
};

}  // namespace ventora::ui::testing
