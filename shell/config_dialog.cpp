// The configuration dialog's procedure: the observatory position in degrees, minutes and
// seconds, the observation time (the clock, or a fixed local date and time) and the compass
// offset of "Point at the sky".
#include "shell/main_window.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "astro/angles.h"
#include "catalog/utf8_text.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "shell/config_dialog.h"

namespace halvane {

namespace {

// The local time the dialog showed when it opened; OK takes the fields it has no edit for
// (day of week, milliseconds) from here.
SYSTEMTIME& ShownTime() {
  static SYSTEMTIME shown;
  return shown;
}

void ShowAngle(DialogHandle dialog, double angle, int degreesId, int minutesId, int secondsId) {
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  DegreesToDms(angle, degrees, minutes, seconds);
  // An integer zero has no sign: west or south of zero under one degree shows as "-0".
  if (degrees == 0 && angle < 0.0 && (minutes != 0 || seconds != 0)) {
    SetDialogText(dialog, degreesId, u"-0");
  } else {
    SetDialogInteger(dialog, degreesId, degrees, true);
  }
  SetDialogInteger(dialog, minutesId, minutes, false);
  SetDialogInteger(dialog, secondsId, seconds, false);
}

bool ReadAngle(DialogHandle dialog, int degreesId, int minutesId, int secondsId, double& angle) {
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  if (!GetDialogInteger(dialog, degreesId, true, degrees) ||
      !GetDialogInteger(dialog, minutesId, false, minutes) ||
      !GetDialogInteger(dialog, secondsId, false, seconds)) {
    return false;
  }
  angle = DmsToDegrees(degrees, minutes, seconds);
  if (degrees == 0 && GetDialogText(dialog, degreesId).find(u'-') != std::u16string::npos) {
    angle = -angle;
  }
  return true;
}

// Any longitude names a meridian: whole turns are dropped, into (-180, 180].
double ReduceLongitude(double longitude) {
  double reduced = NormalizeAngle(longitude, 360.0);
  if (reduced > 180.0) reduced -= 360.0;
  if (reduced <= -180.0) reduced += 360.0;
  return reduced;
}

// A calendar field: a whole number that fits the record's 16 bits.
bool ReadCalendarField(DialogHandle dialog, int id, uint16_t& field) {
  int32_t value = 0;
  if (!GetDialogInteger(dialog, id, true, value) || value < 0 || value > UINT16_MAX) return false;
  field = static_cast<uint16_t>(value);
  return true;
}

// The fixed time of the fields, as UTC; false for unreadable input or a date or time that
// does not exist.
bool ReadObservationTime(DialogHandle dialog, SYSTEMTIME& time) {
  time = ShownTime();
  if (!ReadCalendarField(dialog, DAY, time.day) || !ReadCalendarField(dialog, MONTH, time.month) ||
      !ReadCalendarField(dialog, YEAR, time.year) || !ReadCalendarField(dialog, HOUR, time.hour) ||
      !ReadCalendarField(dialog, MINUTE, time.minute) ||
      !ReadCalendarField(dialog, SECOND, time.second)) {
    return false;
  }
  return LocalToUniversal(time);
}

void ShowCompassOffset(DialogHandle dialog, double offset) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", offset);
  SetDialogText(dialog, COMPASS_OFFSET, Utf8ToUtf16(text));
}

// Degrees, as a decimal number with a point; empty reads as 0. False for anything else or for
// more than half a turn.
bool ReadCompassOffset(DialogHandle dialog, double& offset) {
  const std::string text = Utf16ToUtf8(GetDialogText(dialog, COMPASS_OFFSET));
  if (text.find_first_not_of(" ") == std::string::npos) {
    offset = 0.0;
    return true;
  }
  char* end = nullptr;
  offset = std::strtod(text.c_str(), &end);
  while (*end == ' ') ++end;
  return end != text.c_str() && *end == '\0' && std::isfinite(offset) &&
         std::fabs(offset) <= COMPASS_OFFSET_MAX;
}

// Cities offered for the text typed so far.
constexpr size_t CITY_COMPLETIONS = 12;

void ShowCity(DialogHandle dialog, MainWindow& window) {
  const CityRecord* city = FindCity(window.GetCities(), Utf16ToUtf8(GetDialogText(dialog, CITY)));
  if (city == nullptr) return;
  // Cities count longitude east, the observer west.
  ShowAngle(dialog, -city->longitudeSeconds / double{SECONDS_PER_DEGREE}, LONGITUDE_DEGREES,
            LONGITUDE_MINUTES, LONGITUDE_SECONDS);
  ShowAngle(dialog, city->latitudeSeconds / double{SECONDS_PER_DEGREE}, LATITUDE_DEGREES,
            LATITUDE_MINUTES, LATITUDE_SECONDS);
}

void Initialise(DialogHandle dialog, MainWindow& window) {
  ShowDialogFullScreen(dialog);
  ShowAngle(dialog, window.GetObserver().GetLongitude(), LONGITUDE_DEGREES, LONGITUDE_MINUTES,
            LONGITUDE_SECONDS);
  ShowAngle(dialog, window.GetObserver().GetLatitude(), LATITUDE_DEGREES, LATITUDE_MINUTES,
            LATITUDE_SECONDS);
  CheckDialogButton(dialog, USE_SYSTEM_TIME, window.GetConfig().useSystemTime != 0);
  SYSTEMTIME shown = window.GetConfig().observationTime;
  // A damaged record's milliseconds would make every date the fields hold unreal.
  if (shown.milliseconds >= 1000) shown.milliseconds = 0;
  if (window.GetConfig().useSystemTime != 0) {
    shown = LocalNow();
  } else {
    UniversalToLocal(shown);
  }
  ShownTime() = shown;
  SetDialogInteger(dialog, DAY, shown.day, false);
  SetDialogInteger(dialog, MONTH, shown.month, false);
  SetDialogInteger(dialog, YEAR, shown.year, false);
  SetDialogInteger(dialog, HOUR, shown.hour, false);
  SetDialogInteger(dialog, MINUTE, shown.minute, false);
  SetDialogInteger(dialog, SECOND, shown.second, false);

  SetDialogText(dialog, CITY, Utf8ToUtf16(window.GetExtension().cityName));
  ShowCompassOffset(dialog, window.GetExtension().compassOffset);
  SetDialogCompletion(dialog, CITY, [&window](std::u16string_view text) {
    const CityCatalog& catalog = window.GetCities();
    std::vector<std::u16string> labels;
    for (const NameMatch& match : catalog.index.Complete(Utf16ToUtf8(text), CITY_COMPLETIONS)) {
      labels.push_back(
          Utf8ToUtf16(CityLabel(catalog.cities[catalog.index.Entries()[match.entry].index])));
    }
    return labels;
  });
}

bool Accept(DialogHandle dialog, MainWindow& window) {
  double longitude = 0.0;
  double latitude = 0.0;
  if (!ReadAngle(dialog, LONGITUDE_DEGREES, LONGITUDE_MINUTES, LONGITUDE_SECONDS, longitude) ||
      !ReadAngle(dialog, LATITUDE_DEGREES, LATITUDE_MINUTES, LATITUDE_SECONDS, latitude)) {
    return false;
  }
  if (std::fabs(latitude) > 90.0) return false;  // no such place: the dialog stays open
  longitude = ReduceLongitude(longitude);
  const bool useSystemTime = IsDialogButtonChecked(dialog, USE_SYSTEM_TIME);
  SYSTEMTIME fixedTime;
  if (!useSystemTime && !ReadObservationTime(dialog, fixedTime)) return false;
  double compassOffset = 0.0;
  if (!ReadCompassOffset(dialog, compassOffset)) return false;
  window.GetExtension().compassOffset = compassOffset;

  window.GetExtension().cityName =
      ShortenUtf8(Utf16ToUtf8(GetDialogText(dialog, CITY)), CONFIG_CITY_NAME_BYTES - 1);
  window.ApplySettings(longitude, latitude, useSystemTime, fixedTime);
  EndDialog(dialog, DIALOG_OK);
  return true;
}

}  // namespace

bool ConfigDialogProc(DialogHandle dialog, uint32_t message, uintptr_t wParam, intptr_t) {
  auto* window = reinterpret_cast<MainWindow*>(DialogCreationData(dialog));
  if (window == nullptr) return false;
  if (message == MESSAGE_INIT_DIALOG) {
    Initialise(dialog, *window);
    return true;
  }
  if (message != MESSAGE_COMMAND) return false;
  if ((wParam >> 16) == NOTIFY_COMPLETION_CHOSEN && (wParam & 0xFFFF) == CITY) {
    ShowCity(dialog, *window);
    return true;
  }
  switch (wParam & 0xFFFF) {
    case DIALOG_OK: return Accept(dialog, *window);
    case DIALOG_CANCEL: EndDialog(dialog, DIALOG_CANCEL); return true;
    default: return false;
  }
}

}  // namespace halvane
