#include "ui/main_window/edit_command.h"

#include "ui/editing/edit_chooser.h"
#include "ui/editing/facade_editor.h"
#include "ui/main_window/cp_main_form.h"

namespace ventora::ui {

void ConnectEditing(CPMainForm& form) {
  QObject::connect(&form, &CPMainForm::editRequested, &form, [&form] {
    auto* chooser = form.findChild<EditChooser*>("editWhat", Qt::FindDirectChildrenOnly);
    if (chooser == nullptr) {
      chooser =
          new EditChooser(form.Document(), form.Numbers(), form.Messages(), &form, &form.History());
      chooser->Editor().RememberSizeIn(form.SettingsFile());
      // Undo and Redo from the editing window too, where the main window waits.
      chooser->addActions({form.UndoAction(), form.RedoAction()});
    }
    chooser->OpenBelow(form);
  });
}

}  // namespace ventora::ui
