// Dialogs on a narrow screen: the controls lie on a page that scrolls, fields and buttons are
// a finger wide, and the control being typed into stays in view above an on-screen keyboard.
// On a wide screen the dialog is the page, of the template's fixed size, as it always was.
#pragma once

#include <QSize>

class QDialog;
class QWidget;

namespace halvane {

// The widget the dialog's controls go on: the dialog itself on a wide screen, else a page in a
// scroll area that fills the dialog.
QWidget& MakeDialogPage(QDialog& dialog);

// Once the controls stand where the template puts them: sizes the page (and, on a wide screen,
// fixes the dialog) to size; on a narrow screen widens the fields and buttons narrower than a
// finger, moving what stands right of them in their row.
void FinishDialogPage(QDialog& dialog, QWidget& page, QSize size);

}  // namespace halvane
