// The configuration dialog: the settings form shown on the dialog's controls. What the user
// changes goes to the form, what the form then holds comes back to the controls that differ.
#include "shell/config_dialog.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/language.h"
#include "platform/position_source.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
#include "shell/main_window.h"
#include "shell/settings_form.h"

namespace halvane {

namespace {

// The control of each SettingsField, in its order.
constexpr int FIELD_CONTROLS[SETTINGS_FIELD_COUNT] = {LONGITUDE_DEGREES,
                                                      LONGITUDE_MINUTES,
                                                      LONGITUDE_SECONDS,
                                                      LONGITUDE_DECIMAL,
                                                      LATITUDE_DEGREES,
                                                      LATITUDE_MINUTES,
                                                      LATITUDE_SECONDS,
                                                      LATITUDE_DECIMAL,
                                                      DAY,
                                                      MONTH,
                                                      YEAR,
                                                      HOUR,
                                                      MINUTE,
                                                      SECOND,
                                                      CITY,
                                                      COMPASS_OFFSET};
constexpr SettingsAngle ANGLES[] = {SettingsAngle::Longitude, SettingsAngle::Latitude};
constexpr int SIDE_CONTROLS[] = {LONGITUDE_SIDE, LATITUDE_SIDE};

int ControlOf(SettingsField field) { return FIELD_CONTROLS[static_cast<size_t>(field)]; }

SettingsValues CurrentSettings(MainWindow& window) {
  SettingsValues values;
  values.longitude = window.GetObserver().GetLongitude();
  values.latitude = window.GetObserver().GetLatitude();
  values.useClock = window.GetConfig().useSystemTime != 0;
  values.fixedTime = window.GetConfig().observationTime;
  values.compassOffset = window.GetExtension().compassOffset;
  values.cityName = window.GetExtension().cityName;
  return values;
}

// "System" first, then English, the source, then each translation by its own name.
void ShowLanguages(DialogHandle dialog, const std::string& language) {
  std::vector<std::u16string> options = {Words::Tr16("System"), u"English"};
  int chosen = language == "en" ? 1 : 0;
  for (const OfferedLanguage& offered : OfferedLanguages()) {
    if (language == offered.code) chosen = static_cast<int>(options.size());
    options.push_back(Utf8ToUtf16(offered.name));
  }
  SetDialogChoices(dialog, LANGUAGE, options);
  SetDialogChoice(dialog, LANGUAGE, chosen);
}

std::string ChosenLanguage(DialogHandle dialog) {
  const int chosen = GetDialogChoice(dialog, LANGUAGE);
  if (chosen == 1) return "en";
  const std::vector<OfferedLanguage>& offered = OfferedLanguages();
  if (chosen < 2 || chosen - 2 >= static_cast<int>(offered.size())) return {};
  return offered[static_cast<size_t>(chosen - 2)].code;
}

class ConfigDialog {
 public:
  explicit ConfigDialog(MainWindow& window)
      : window(window),
        form(window.GetCities(), window.GetClock(), CurrentSettings(window), window.GetPlaceZone(),
             window.AsksForPlace()) {}

  bool Run() {
    return RunDialog(DIALOG_CONFIGURATION, window.hwnd, &Procedure,
                     reinterpret_cast<intptr_t>(this)) == DIALOG_OK;
  }

 private:
  static bool Procedure(DialogHandle dialog, uint32_t message, uintptr_t wParam, intptr_t) {
    auto* self = reinterpret_cast<ConfigDialog*>(DialogCreationData(dialog));
    if (self == nullptr) return false;
    const bool handled = self->Handle(dialog, message, wParam);
    if (message != MESSAGE_DESTROY) self->Show(dialog);
    return handled;
  }

  bool Handle(DialogHandle dialog, uint32_t message, uintptr_t wParam) {
    if (message == MESSAGE_INIT_DIALOG) {
      ShowDialogMaximised(dialog);
      CheckDialogButton(dialog, USE_SYSTEM_TIME, form.UsesClock());
      ShowLanguages(dialog, window.GetExtension().language);
      SetDialogCompletion(dialog, CITY, [this](std::u16string_view text) {
        std::vector<std::u16string> labels;
        for (const std::string& label : form.CompleteCity(Utf16ToUtf8(text))) {
          labels.push_back(Utf8ToUtf16(label));
        }
        return labels;
      });
      return true;
    }
    if (message == MESSAGE_DESTROY) {
      locationRequest.reset();
      return true;
    }
    if (message != MESSAGE_COMMAND) return false;
    Read(dialog);
    const auto control = static_cast<int>(wParam & 0xFFFF);
    switch (wParam >> 16) {
      case NOTIFY_COMPLETION_CHOSEN: form.ChooseCity(form.Text(SettingsField::City)); return true;
      case NOTIFY_EDIT_LEFT:
        if (control == CITY) form.LeaveCity();
        return true;
      case NOTIFY_CHOICE_CHANGED:
      case NOTIFY_EDIT_CHANGED: return true;  // read above
      default: break;
    }
    switch (control) {
      case DIALOG_OK: return Accept(dialog);
      case DIALOG_CANCEL: EndDialog(dialog, DIALOG_CANCEL); return true;
      case USE_MY_LOCATION: UseMyLocation(dialog); return true;
      default: return false;
    }
  }

  // The user's changes since the controls were last shown or read, each as an edit.
  void Read(DialogHandle dialog) {
    form.SetUseClock(IsDialogButtonChecked(dialog, USE_SYSTEM_TIME));
    for (size_t i = 0; i < SETTINGS_FIELD_COUNT; ++i) {
      std::string text = Utf16ToUtf8(GetDialogText(dialog, FIELD_CONTROLS[i]));
      if (text == shownTexts[i]) continue;
      shownTexts[i] = text;
      form.Type(static_cast<SettingsField>(i), std::move(text));
    }
    for (size_t i = 0; i < std::size(ANGLES); ++i) {
      const int side = GetDialogChoice(dialog, SIDE_CONTROLS[i]);
      if (side == shownSides[i]) continue;
      shownSides[i] = side;
      form.ChooseSide(ANGLES[i], side);
    }
  }

  // Only the controls that differ are set: setting the one being typed in would move its cursor.
  void Show(DialogHandle dialog) {
    for (size_t i = 0; i < SETTINGS_FIELD_COUNT; ++i) {
      const std::string& text = form.Text(static_cast<SettingsField>(i));
      if (text == shownTexts[i]) continue;
      shownTexts[i] = text;
      SetDialogText(dialog, FIELD_CONTROLS[i], Utf8ToUtf16(text));
    }
    for (size_t i = 0; i < std::size(ANGLES); ++i) {
      const int side = form.Side(ANGLES[i]);
      if (side == shownSides[i]) continue;
      shownSides[i] = side;
      SetDialogChoice(dialog, SIDE_CONTROLS[i], side);
    }
    SetDialogText(dialog, HEADING, Utf8ToUtf16(form.Heading()));
    SetDialogText(dialog, PLACE_MESSAGE, Utf8ToUtf16(form.PlaceMessage()));
    SetDialogText(dialog, TIME_MESSAGE, Utf8ToUtf16(form.TimeMessage()));
    SetDialogText(dialog, TIME_ZONE, Utf8ToUtf16(form.ZoneName()));
  }

  bool Accept(DialogHandle dialog) {
    const SettingsCheck check = form.Accept();
    if (check.problem) {
      // The dialog stays open with the cursor where the fix goes, or the cities to pick from.
      Show(dialog);
      if (form.Offered().empty()) {
        FocusDialogControl(dialog, ControlOf(check.problem->field));
      } else {
        std::vector<std::u16string> labels;
        for (const std::string& label : form.Offered()) labels.push_back(Utf8ToUtf16(label));
        OfferDialogCompletions(dialog, CITY, labels);
      }
      return false;
    }
    const SettingsValues& chosen = check.values;
    window.GetExtension().compassOffset = chosen.compassOffset;
    window.GetExtension().cityName = chosen.cityName;
    window.GetExtension().language = ChosenLanguage(dialog);
    window.ApplySettings(chosen.longitude, chosen.latitude, chosen.useClock, chosen.fixedTime);
    EndDialog(dialog, DIALOG_OK);
    return true;
  }

  void UseMyLocation(DialogHandle dialog) {
    form.StartFindingLocation();
    const bool exact = window.GetExtension().exactPosition;
    locationRequest =
        std::make_unique<PositionRequest>(window.GetExtension().positionSource, POSITION_TIMEOUT_MS,
                                          [this, dialog, exact](const PositionReading& reading) {
                                            form.TakeLocation(reading, exact);
                                            Show(dialog);
                                          });
  }

  MainWindow& window;
  SettingsForm form;
  // What the controls show, as last set or read; no side is -1 before the first showing.
  std::array<std::string, SETTINGS_FIELD_COUNT> shownTexts;
  std::array<int, 2> shownSides{-1, -1};
  // The position "Use my location" asked for, while the dialog waits for it.
  std::unique_ptr<PositionRequest> locationRequest;
};

}  // namespace

bool RunConfigDialog(MainWindow& window) { return ConfigDialog(window).Run(); }

}  // namespace halvane
