// Dialog templates: the controls of each dialog with their places in dialog units, as the
// handheld's resource file holds them.
#pragma once

#include <cstddef>

namespace halvane {

// A Choice holds its options in its text, split at '|'; a NumberEdit takes digits and one
// decimal point; a SignedEdit takes any text but asks an on-screen keyboard for numbers. The
// text of a DigitsEdit or a NumberEdit names letters it also takes, one of them, in either
// case, before or after the number (a hemisphere: "EW"). A Label as tall as two lines wraps
// its text; a Heading is a label in bold.
enum class DialogControlKind {
  GroupBox,
  Label,
  Heading,
  Edit,
  DigitsEdit,
  NumberEdit,
  SignedEdit,
  Choice,
  CheckBox,
  DefaultButton,
  Button
};

struct DialogControl {
  int id;  // -1 for controls nobody reads
  DialogControlKind kind;
  // UTF-8; shown texts are marked for translation, a field's letters are not.
  const char* text;
  int x;
  int y;
  int width;
  int height;
};

struct DialogTemplate {
  int id;
  const char* title;  // UTF-8, marked for translation
  int width;
  int height;
  const DialogControl* controls;
  size_t controlCount;
};

// The template with this number; null when there is none.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace halvane
