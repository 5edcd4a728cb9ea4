#pragma once
// Set-up shared by the facade editor tests: a 20 x 12 x 10 m building and
// the editor open and active on facade 1, hidden again afterwards.

#include <cstdint>

#include "editing_fixture.h"
#include "ui/editing/facade_editor.h"

namespace ventora::ui::testing {

class FacadeEditorFixture : public EditingTest {
 protected:
  void SetUp() override {
    doc.job.BdX = 20;
    doc.job.BdY = 12;
    doc.job.Bdz = 10;
    Open(1);
  }
  void TearDown() override { editor->hide(); }

  // Tests that drive the grid directly extend this to take hold of it.
  virtual void Open(int facade) {
    doc.CurFacade = static_cast<std::int16_t>(facade);
    editor = &chooser->Editor();
    editor->Activate();
    ShowActive(editor);
  }

  QString Cell(int r, int c) const { return editor->CellText(r, c); }

  FacadeEditor* editor = nullptr;
};

}  // namespace ventora::ui::testing
