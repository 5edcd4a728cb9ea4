#pragma once
// One click from every dialog to the user guide: a dialog's Help button and
// F1 open the guide at the dialog's section, F1 on a field at the field's
// parameter.

class QPushButton;
class QString;
class QWidget;

namespace ventora::help {

class HelpWindow;

// Shows the guide at `target` ("page.md" or "page.md#heading") and returns
// its window. The window belongs to the modal dialog in front, when there is
// one, so that the dialog does not block it; else to `from`'s window.
HelpWindow* OpenGuide(QWidget* from, const QString& target);

// The guide's window, when one was opened and still exists.
HelpWindow* GuideWindow();

// `button` opens the guide at `target`, and so does F1 in the button's
// window, unless the field with the focus has a section of its own.
QPushButton* ConnectHelp(QPushButton* button, const char* target);

// The guide's section for the field named `objectName`, or empty.
QString FieldSection(const QString& objectName);

}  // namespace ventora::help
