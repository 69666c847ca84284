// Dialog 114, the configuration dialog: observatory position, observation time and the
// compass offset.
#include "platform/dialog_template.h"

#include <iterator>

#include "platform/translate.h"

namespace halvane {

namespace {

using K = DialogControlKind;

// Wide enough for "179", "59", a hemisphere and "-33.8705" in any font; each angle has its
// hemisphere beside it and a decimal entry under it.
constexpr DialogControl CONFIGURATION_CONTROLS[] = {
    {225, K::Heading, "", 5, 2, 186, 10},
    {-1, K::GroupBox, Words::Mark(" Observatory position: "), 5, 14, 186, 126},
    {201, K::Label, Words::Mark("Longitude:"), 11, 27, 38, 8},
    {1004, K::DigitsEdit, "EW", 52, 24, 24, 14},
    {202, K::Label, "°", 77, 27, 5, 8},
    {1002, K::DigitsEdit, "EW", 83, 24, 20, 14},
    {203, K::Label, "'", 104, 27, 4, 8},
    {1003, K::DigitsEdit, "EW", 109, 24, 20, 14},
    {204, K::Label, "\"", 130, 27, 4, 8},
    //: the hemispheres of longitude, east and west, as a choice of two
    {1016, K::Choice, Words::Mark("E|W"), 136, 24, 50, 14},
    {220, K::Label, Words::Mark("or"), 38, 42, 12, 8},
    {1018, K::NumberEdit, "EW", 52, 39, 77, 14},
    {221, K::Label, "°", 130, 42, 5, 8},
    {205, K::Label, Words::Mark("Latitude:"), 11, 59, 38, 8},
    {1001, K::DigitsEdit, "NS", 52, 56, 24, 14},
    {206, K::Label, "°", 77, 59, 5, 8},
    {1005, K::DigitsEdit, "NS", 83, 56, 20, 14},
    {207, K::Label, "'", 104, 59, 4, 8},
    {1006, K::DigitsEdit, "NS", 109, 56, 20, 14},
    {208, K::Label, "\"", 130, 59, 4, 8},
    //: the hemispheres of latitude, north and south, as a choice of two
    {1017, K::Choice, Words::Mark("N|S"), 136, 56, 50, 14},
    {222, K::Label, Words::Mark("or"), 38, 74, 12, 8},
    {1019, K::NumberEdit, "NS", 52, 71, 77, 14},
    {223, K::Label, "°", 130, 74, 5, 8},
    {217, K::Label, Words::Mark("City:"), 11, 91, 38, 8},
    {1014, K::Edit, "", 52, 88, 134, 14},
    {1020, K::Button, Words::Mark("Use my location"), 11, 104, 110, 14},
    {218, K::Label, "", 11, 120, 175, 18},
    {-1, K::GroupBox, Words::Mark(" Observation time: "), 5, 143, 186, 68},
    {1007, K::CheckBox, Words::Mark("Use system time"), 11, 150, 100, 14},
    {209, K::Label, Words::Mark("Date:"), 11, 167, 24, 8},
    //: D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)
    {210, K::Label, Words::Mark("D"), 38, 167, 7, 8},
    {1008, K::DigitsEdit, "", 46, 164, 22, 14},
    //: M: the month here, the minutes below
    {211, K::Label, Words::Mark("M"), 73, 167, 7, 8},
    {1009, K::DigitsEdit, "", 81, 164, 22, 14},
    {212, K::Label, Words::Mark("Y"), 108, 167, 7, 8},
    {1010, K::DigitsEdit, "", 116, 164, 30, 14},
    {213, K::Label, Words::Mark("Time:"), 11, 182, 24, 8},
    {214, K::Label, Words::Mark("H"), 38, 182, 7, 8},
    {1011, K::DigitsEdit, "", 46, 179, 22, 14},
    {215, K::Label, Words::Mark("M"), 73, 182, 7, 8},
    {1012, K::DigitsEdit, "", 81, 179, 22, 14},
    {216, K::Label, Words::Mark("S"), 108, 182, 7, 8},
    {1013, K::DigitsEdit, "", 116, 179, 22, 14},
    {224, K::Label, "", 142, 182, 44, 8},
    {219, K::Label, "", 11, 197, 175, 10},
    {275, K::Label, Words::Mark("Compass offset:"), 11, 218, 72, 8},
    {1075, K::SignedEdit, "", 86, 215, 40, 14},
    {276, K::Label, "°", 128, 218, 10, 8},
    {277, K::Label, Words::Mark("Language:"), 11, 235, 72, 8},
    {1076, K::Choice, Words::Mark("System"), 86, 232, 100, 14},
    {278, K::Label, Words::Mark("A new language takes effect at the next start."), 11, 248, 175,
     16},
    {1, K::DefaultButton, Words::Mark("OK"), 40, 268, 55, 14},
    {2, K::Button, Words::Mark("Cancel"), 101, 268, 55, 14},
};

constexpr DialogTemplate TEMPLATES[] = {
    {114, Words::Mark("Settings"), 196, 288, CONFIGURATION_CONTROLS,
     std::size(CONFIGURATION_CONTROLS)},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& t : TEMPLATES) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace halvane
