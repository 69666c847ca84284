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
    {-1, K::GroupBox, u" Observatory position: ", 5, 2, 186, 118},
    {201, K::Label, u"Longitude:", 11, 15, 38, 8},
    {1004, K::DigitsEdit, u"", 52, 12, 24, 14},
    {202, K::Label, u"\u00B0", 77, 15, 5, 8},
    {1002, K::DigitsEdit, u"", 83, 12, 20, 14},
    {203, K::Label, u"'", 104, 15, 4, 8},
    {1003, K::DigitsEdit, u"", 109, 12, 20, 14},
    {204, K::Label, u"\"", 130, 15, 4, 8},
    {1016, K::Choice, u"E|W", 136, 12, 50, 14},
    {220, K::Label, u"or", 38, 30, 12, 8},
    {1018, K::NumberEdit, u"", 52, 27, 77, 14},
    {221, K::Label, u"\u00B0", 130, 30, 5, 8},
    {205, K::Label, u"Latitude:", 11, 47, 38, 8},
    {1001, K::DigitsEdit, u"", 52, 44, 24, 14},
    {206, K::Label, u"\u00B0", 77, 47, 5, 8},
    {1005, K::DigitsEdit, u"", 83, 44, 20, 14},
    {207, K::Label, u"'", 104, 47, 4, 8},
    {1006, K::DigitsEdit, u"", 109, 44, 20, 14},
    {208, K::Label, u"\"", 130, 47, 4, 8},
    {1017, K::Choice, u"N|S", 136, 44, 50, 14},
    {222, K::Label, u"or", 38, 62, 12, 8},
    {1019, K::NumberEdit, u"", 52, 59, 77, 14},
    {223, K::Label, u"\u00B0", 130, 62, 5, 8},
    {217, K::Label, u"City:", 11, 79, 38, 8},
    {1014, K::Edit, u"", 52, 76, 134, 14},
    {1020, K::Button, u"Use my location", 11, 92, 80, 14},
    {218, K::Label, u"", 11, 108, 175, 10},
    {-1, K::GroupBox, u" Observation time: ", 5, 123, 186, 68},
    {1007, K::CheckBox, u"Use system time", 11, 130, 100, 14},
    {209, K::Label, u"Date:", 11, 147, 24, 8},
    {210, K::Label, u"D", 38, 147, 7, 8},
    {1008, K::DigitsEdit, u"", 46, 144, 22, 14},
    {211, K::Label, u"M", 73, 147, 7, 8},
    {1009, K::DigitsEdit, u"", 81, 144, 22, 14},
    {212, K::Label, u"Y", 108, 147, 7, 8},
    {1010, K::DigitsEdit, u"", 116, 144, 30, 14},
    {213, K::Label, u"Time:", 11, 162, 24, 8},
    {214, K::Label, u"H", 38, 162, 7, 8},
    {1011, K::DigitsEdit, u"", 46, 159, 22, 14},
    {215, K::Label, u"M", 73, 162, 7, 8},
    {1012, K::DigitsEdit, u"", 81, 159, 22, 14},
    {216, K::Label, u"S", 108, 162, 7, 8},
    {1013, K::DigitsEdit, u"", 116, 159, 22, 14},
    {224, K::Label, u"", 142, 162, 44, 8},
    {219, K::Label, u"", 11, 177, 175, 10},
    {275, K::Label, u"Compass offset:", 11, 198, 55, 8},
    {1075, K::SignedEdit, u"", 70, 195, 40, 14},
    {276, K::Label, u"\u00B0", 112, 198, 10, 8},
    {1, K::DefaultButton, u"OK", 40, 214, 55, 14},
    {2, K::Button, u"Cancel", 101, 214, 55, 14},
};

constexpr DialogTemplate TEMPLATES[] = {
    {114, u"Configuration", 196, 234, CONFIGURATION_CONTROLS, std::size(CONFIGURATION_CONTROLS)},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& t : TEMPLATES) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace halvane
