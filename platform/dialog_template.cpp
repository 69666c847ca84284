// Dialog 114, the configuration dialog: observatory position, observation time and the
// compass offset.
#include "platform/dialog_template.h"

#include <iterator>

namespace halvane {

namespace {

using K = DialogControlKind;

constexpr DialogControl CONFIGURATION_CONTROLS[] = {
    {-1, K::GroupBox, u" Observatory position: ", 5, 2, 139, 60},
    {201, K::Label, u"Longitude:", 15, 15, 35, 8},
    {1004, K::Edit, u"", 55, 12, 20, 14},
    {202, K::Label, u"\u00B0", 77, 15, 10, 8},
    {1002, K::DigitsEdit, u"", 87, 12, 15, 14},
    {203, K::Label, u"'", 105, 15, 10, 8},
    {1003, K::DigitsEdit, u"", 115, 12, 15, 14},
    {204, K::Label, u"\"", 133, 15, 10, 8},
    {205, K::Label, u"Latitude:", 15, 30, 30, 8},
    {1001, K::Edit, u"", 55, 27, 20, 14},
    {206, K::Label, u"\u00B0", 77, 30, 10, 8},
    {1005, K::DigitsEdit, u"", 87, 27, 15, 14},
    {207, K::Label, u"'", 105, 30, 10, 8},
    {1006, K::DigitsEdit, u"", 115, 27, 15, 14},
    {208, K::Label, u"\"", 133, 30, 10, 8},
    {217, K::Label, u"City:", 15, 45, 30, 8},
    {1014, K::Edit, u"", 55, 42, 75, 14},
    {-1, K::GroupBox, u" Observation time: ", 5, 65, 139, 54},
    {1007, K::CheckBox, u"Use system time", 11, 75, 68, 10},
    {209, K::Label, u"Date:", 16, 87, 19, 8},
    {210, K::Label, u"D", 43, 87, 7, 8},
    {1008, K::DigitsEdit, u"", 51, 85, 19, 14},
    {211, K::Label, u"M", 76, 87, 7, 8},
    {1009, K::DigitsEdit, u"", 84, 85, 19, 14},
    {212, K::Label, u"Y", 108, 87, 7, 8},
    {1010, K::DigitsEdit, u"", 115, 85, 22, 14},
    {213, K::Label, u"Time:", 16, 102, 18, 8},
    {214, K::Label, u"H", 43, 102, 7, 8},
    {1011, K::DigitsEdit, u"", 51, 100, 19, 14},
    {215, K::Label, u"M", 76, 102, 7, 8},
    {1012, K::DigitsEdit, u"", 84, 100, 19, 14},
    {216, K::Label, u"S", 108, 102, 7, 8},
    {1013, K::DigitsEdit, u"", 115, 100, 22, 14},
    {275, K::Label, u"Compass offset:", 11, 126, 55, 8},
    {1075, K::Edit, u"", 70, 123, 30, 14},
    {276, K::Label, u"\u00B0", 102, 126, 10, 8},
    {1, K::DefaultButton, u"OK", 25, 142, 50, 14},
    {2, K::Button, u"Cancel", 80, 142, 50, 14},
};

constexpr DialogTemplate TEMPLATES[] = {
    {114, u"Configuration", 152, 164, CONFIGURATION_CONTROLS, std::size(CONFIGURATION_CONTROLS)},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& t : TEMPLATES) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace halvane
