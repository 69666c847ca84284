// Modal dialogs laid out from a control table, run with a dialog procedure that gets the
// initialisation message and a command message for each push button.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/find_field.h"
#include "platform/window_system.h"

class QDialog;

namespace halvane {

constexpr uint32_t MESSAGE_INIT_DIALOG = 0x0110;
constexpr uint16_t DIALOG_OK = 1;
constexpr uint16_t DIALOG_CANCEL = 2;
// The configuration dialog's template number.
constexpr int DIALOG_CONFIGURATION = 114;

class DialogWindow;
using DialogHandle = DialogWindow*;
// Returns true when it handled the message.
using DialogProcedure = bool (*)(DialogHandle dialog, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam);

// Builds dialog templateId, sends it the initialisation message (with creationData as its
// lParam) and runs it modally over owner until EndDialog; returns the result given there, or
// -1 for an unknown template. OK (also Enter) and Cancel (also Escape and the close button)
// reach the procedure as command messages; a command it does not handle leaves the dialog
// open. Once the dialog has ended, however it ended, the procedure gets MESSAGE_DESTROY.
int RunDialog(int templateId, WindowHandle owner, DialogProcedure procedure,
              intptr_t creationData = 0);
// The creationData that RunDialog was given, for the procedure's later messages.
intptr_t DialogCreationData(DialogHandle dialog);
void EndDialog(DialogHandle dialog, int result);
// Shows the dialog maximised, filling the screen, when the screen is too small for it.
void ShowDialogMaximised(DialogHandle dialog);

// An edit field's text as it stands, and a text to show in an edit field or a label (empty
// when there is none).
std::u16string GetDialogText(DialogHandle dialog, int controlId);
void SetDialogText(DialogHandle dialog, int controlId, std::u16string_view text);
bool IsDialogButtonChecked(DialogHandle dialog, int controlId);
void CheckDialogButton(DialogHandle dialog, int controlId, bool checked);
// The chosen option of a choice, from 0; -1 when there is no such choice.
int GetDialogChoice(DialogHandle dialog, int controlId);
void SetDialogChoice(DialogHandle dialog, int controlId, int index);
// Replaces the options of a choice with these.
void SetDialogChoices(DialogHandle dialog, int controlId,
                      const std::vector<std::u16string>& options);
void FocusDialogControl(DialogHandle dialog, int controlId);

// The notification of the command message that an edit field sends whenever the user
// changes its text (not when the procedure sets it).
constexpr uint16_t NOTIFY_EDIT_CHANGED = 0x0300;

// The notification of the command message that an edit field sends when the user leaves it
// for another control of the dialog.
constexpr uint16_t NOTIFY_EDIT_LEFT = 0x0200;
// The notification of the command message that a choice sends when the user picks an option.
constexpr uint16_t NOTIFY_CHOICE_CHANGED = 0x0500;

// The notification of the command message that a chosen completion sends (see below).
constexpr uint16_t NOTIFY_COMPLETION_CHOSEN = 0x0400;
// Offers complete's list under an edit field as the user types; choosing one puts it in the
// field and sends the procedure a command message (NOTIFY_COMPLETION_CHOSEN, controlId).
void SetDialogCompletion(DialogHandle dialog, int controlId, CompletionSource complete);
// Opens that field's list with these items, as if they completed its text, and focuses it.
void OfferDialogCompletions(DialogHandle dialog, int controlId,
                            const std::vector<std::u16string>& items);

// For tests: the running dialog's Qt widget (its controls are named by their numbers).
QDialog* DialogWidget(DialogHandle dialog);

}  // namespace halvane
