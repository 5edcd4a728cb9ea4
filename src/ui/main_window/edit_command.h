#pragma once
// The main window's Edit command: the editing chooser, created at the first
// Edit and kept, opens below the main window with the picture window beside
// it, modally; the command resumes when the chooser is closed.

namespace ventora {
class CPMainForm;
}

namespace ventora::ui {

void ConnectEditing(CPMainForm& form);

}  // namespace ventora::ui
