// Dialog 114, the configuration dialog: observatory position, observation time and the
// compass offset.
#include "platform/dialog_template.h"

#include <iterator>

namespace halvane {

namespace {

using K = DialogControlKind;

// Wide enough for "179", "59", a hemisphere and "-33.8705" in any font; each angle has its
// hemisphere beside it and a decimal entry under it.
constexpr DialogControl CONFIGURATION_CONTROLS[] = {
    {225, K::Heading, u"", 5, 2, 186, 10},
    {-1, K::GroupBox, u" Observatory position: ", 5, 14, 186, 126},
    {201, K::Label, u"Longitude:", 11, 27, 38, 8},
    {1004, K::DigitsEdit, u"EW", 52, 24, 24, 14},
    {202, K::Label, u"\u00B0", 77, 27, 5, 8},
    {1002, K::DigitsEdit, u"EW", 83, 24, 20, 14},
    {203, K::Label, u"'", 104, 27, 4, 8},
    {1003, K::DigitsEdit, u"EW", 109, 24, 20, 14},
    {204, K::Label, u"\"", 130, 27, 4, 8},
    {1016, K::Choice, u"E|W", 136, 24, 50, 14},
    {220, K::Label, u"or", 38, 42, 12, 8},
    {1018, K::NumberEdit, u"EW", 52, 39, 77, 14},
    {221, K::Label, u"\u00B0", 130, 42, 5, 8},
    {205, K::Label, u"Latitude:", 11, 59, 38, 8},
    {1001, K::DigitsEdit, u"NS", 52, 56, 24, 14},
    {206, K::Label, u"\u00B0", 77, 59, 5, 8},
    {1005, K::DigitsEdit, u"NS", 83, 56, 20, 14},
    {207, K::Label, u"'", 104, 59, 4, 8},
    {1006, K::DigitsEdit, u"NS", 109, 56, 20, 14},
    {208, K::Label, u"\"", 130, 59, 4, 8},
    {1017, K::Choice, u"N|S", 136, 56, 50, 14},
    {222, K::Label, u"or", 38, 74, 12, 8},
    {1019, K::NumberEdit, u"NS", 52, 71, 77, 14},
    {223, K::Label, u"\u00B0", 130, 74, 5, 8},
    {217, K::Label, u"City:", 11, 91, 38, 8},
    {1014, K::Edit, u"", 52, 88, 134, 14},
    {1020, K::Button, u"Use my location", 11, 104, 80, 14},
    {218, K::Label, u"", 11, 120, 175, 18},
    {-1, K::GroupBox, u" Observation time: ", 5, 143, 186, 68},
    {1007, K::CheckBox, u"Use system time", 11, 150, 100, 14},
    {209, K::Label, u"Date:", 11, 167, 24, 8},
    {210, K::Label, u"D", 38, 167, 7, 8},
    {1008, K::DigitsEdit, u"", 46, 164, 22, 14},
    {211, K::Label, u"M", 73, 167, 7, 8},
    {1009, K::DigitsEdit, u"", 81, 164, 22, 14},
    {212, K::Label, u"Y", 108, 167, 7, 8},
    {1010, K::DigitsEdit, u"", 116, 164, 30, 14},
    {213, K::Label, u"Time:", 11, 182, 24, 8},
    {214, K::Label, u"H", 38, 182, 7, 8},
    {1011, K::DigitsEdit, u"", 46, 179, 22, 14},
    {215, K::Label, u"M", 73, 182, 7, 8},
    {1012, K::DigitsEdit, u"", 81, 179, 22, 14},
    {216, K::Label, u"S", 108, 182, 7, 8},
    {1013, K::DigitsEdit, u"", 116, 179, 22, 14},
    {224, K::Label, u"", 142, 182, 44, 8},
    {219, K::Label, u"", 11, 197, 175, 10},
    {275, K::Label, u"Compass offset:", 11, 218, 62, 8},
    {1075, K::SignedEdit, u"", 76, 215, 40, 14},
    {276, K::Label, u"\u00B0", 118, 218, 10, 8},
    {1, K::DefaultButton, u"OK", 40, 234, 55, 14},
    {2, K::Button, u"Cancel", 101, 234, 55, 14},
};

constexpr DialogTemplate TEMPLATES[] = {
    {114, u"Settings", 196, 254, CONFIGURATION_CONTROLS, std::size(CONFIGURATION_CONTROLS)},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& t : TEMPLATES) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace halvane
