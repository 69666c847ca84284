// The configuration dialog's procedure: the observatory position in degrees, minutes and
// seconds or decimal degrees with its hemispheres, the position the device finds, the
// observation time (the clock, or a fixed date and time of the place's zone) and the compass
// offset of "Point at the sky".
#include "shell/main_window.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "astro/angles.h"
#include "catalog/nearest_city.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/position_source.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
#include "platform/zone_time.h"
#include "shell/config_dialog.h"
#include "shell/place_name.h"
#include "shell/place_zone.h"
#include "shell/position_place.h"

namespace halvane {

namespace {

// The fields of one angle; positiveSide is the choice whose angles are stored positive, and
// letters the hemispheres' initials in the choice's order, which the fields also take.
struct AngleFields {
  int degrees;
  int minutes;
  int seconds;
  int side;
  int decimal;
  int positiveSide;
  std::string_view letters;
};

constexpr AngleFields LONGITUDE_FIELDS = {LONGITUDE_DEGREES,
                                          LONGITUDE_MINUTES,
                                          LONGITUDE_SECONDS,
                                          LONGITUDE_SIDE,
                                          LONGITUDE_DECIMAL,
                                          1,
                                          "EW"};
constexpr AngleFields LATITUDE_FIELDS = {
    LATITUDE_DEGREES, LATITUDE_MINUTES, LATITUDE_SECONDS, LATITUDE_SIDE, LATITUDE_DECIMAL, 0, "NS"};

// The local time the dialog showed when it opened; OK takes the fields it has no edit for
// (day of week, milliseconds) from here.
SYSTEMTIME& ShownTime() {
  static SYSTEMTIME shown;
  return shown;
}

// The zone of the place the fields hold, whose time the time fields show; empty: the device's.
std::string& ShownZone() {
  static std::string zone;
  return zone;
}

// The position asked for by "Use my location", while the dialog waits for it.
std::unique_ptr<PositionRequest>& LocationRequest() {
  static std::unique_ptr<PositionRequest> request;
  return request;
}

std::u16string Text(const std::string& utf8) { return Utf8ToUtf16(utf8); }

// Four decimals: about ten metres, finer than the seconds beside them.
std::u16string DecimalText(double magnitude) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", magnitude);
  std::string trimmed = text;
  while (trimmed.back() == '0') trimmed.pop_back();
  if (trimmed.back() == '.') trimmed.pop_back();
  return Text(trimmed);
}

void ShowDms(DialogHandle dialog, double magnitude, const AngleFields& f) {
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  DegreesToDms(magnitude, degrees, minutes, seconds);
  SetDialogInteger(dialog, f.degrees, degrees, false);
  SetDialogInteger(dialog, f.minutes, minutes, false);
  SetDialogInteger(dialog, f.seconds, seconds, false);
}

void ShowAngle(DialogHandle dialog, double angle, const AngleFields& f) {
  const bool positive = angle > 0.0 || (angle == 0.0 && f.positiveSide == 0);
  SetDialogChoice(dialog, f.side, positive ? f.positiveSide : 1 - f.positiveSide);
  ShowDms(dialog, std::fabs(angle), f);
  SetDialogText(dialog, f.decimal, DecimalText(std::fabs(angle)));
}

// A field of the angle without the hemisphere letter typed before or after the number
// ("151.2 E", "W 0.13") and its spaces; side becomes the letter's choice, or stays.
std::string FieldNumber(DialogHandle dialog, int id, const AngleFields& f, int& side) {
  std::string number;
  for (const char c : Utf16ToUtf8(GetDialogText(dialog, id))) {
    const size_t letter =
        f.letters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (letter != std::string_view::npos) {
      side = static_cast<int>(letter);
    } else if (c != ' ') {
      number += c;
    }
  }
  return number;
}

bool ReadWhole(DialogHandle dialog, int id, const AngleFields& f, int32_t& value) {
  int side = 0;
  const std::string number = FieldNumber(dialog, id, f, side);
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  return !number.empty() && error == std::errc() && stop == end && value >= 0;
}

// The magnitude the degrees, minutes and seconds give; false when one is no whole number.
bool ReadDms(DialogHandle dialog, const AngleFields& f, double& magnitude) {
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  if (!ReadWhole(dialog, f.degrees, f, degrees) || !ReadWhole(dialog, f.minutes, f, minutes) ||
      !ReadWhole(dialog, f.seconds, f, seconds)) {
    return false;
  }
  magnitude = DmsToDegrees(degrees, minutes, seconds);
  return true;
}

// The decimal field's magnitude; a comma counts as the decimal point.
bool ReadDecimal(DialogHandle dialog, const AngleFields& f, double& magnitude) {
  int side = 0;
  std::string text = FieldNumber(dialog, f.decimal, f, side);
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  if (text.empty() || text == ".") return false;
  char* end = nullptr;
  magnitude = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(magnitude);
}

// A hemisphere letter typed in one of the angle's fields chooses that hemisphere.
void FollowLetter(DialogHandle dialog, int edited) {
  for (const AngleFields& f : {LONGITUDE_FIELDS, LATITUDE_FIELDS}) {
    if (edited != f.degrees && edited != f.minutes && edited != f.seconds && edited != f.decimal) {
      continue;
    }
    int side = -1;
    FieldNumber(dialog, edited, f, side);
    if (side >= 0) SetDialogChoice(dialog, f.side, side);
  }
}

// A hemisphere chosen in the box: the letters typed in the fields would now contradict it.
void DropLetters(DialogHandle dialog, int choice) {
  for (const AngleFields& f : {LONGITUDE_FIELDS, LATITUDE_FIELDS}) {
    if (choice != f.side) continue;
    for (const int id : {f.degrees, f.minutes, f.seconds, f.decimal}) {
      int side = -1;
      const std::string number = FieldNumber(dialog, id, f, side);
      if (side >= 0) SetDialogText(dialog, id, Text(number));
    }
  }
}

// Typing in one form of an angle rewrites the other; true when an angle was edited.
bool FollowEdit(DialogHandle dialog, int edited) {
  for (const AngleFields& f : {LONGITUDE_FIELDS, LATITUDE_FIELDS}) {
    double magnitude = 0.0;
    if (edited == f.decimal) {
      if (ReadDecimal(dialog, f, magnitude)) ShowDms(dialog, magnitude, f);
      return true;
    }
    if (edited == f.degrees || edited == f.minutes || edited == f.seconds) {
      if (ReadDms(dialog, f, magnitude)) SetDialogText(dialog, f.decimal, DecimalText(magnitude));
      return true;
    }
  }
  return false;
}

bool ReadAngle(DialogHandle dialog, const AngleFields& f, double& angle) {
  double magnitude = 0.0;
  if (!ReadDms(dialog, f, magnitude)) return false;
  angle = GetDialogChoice(dialog, f.side) == f.positiveSide ? magnitude : -magnitude;
  return true;
}

// Any longitude names a meridian: whole turns are dropped, into (-180, 180].
double ReduceLongitude(double longitude) {
  double reduced = NormalizeAngle(longitude, 360.0);
  if (reduced > 180.0) reduced -= 360.0;
  if (reduced <= -180.0) reduced += 360.0;
  return reduced;
}

// Says what is wrong beside the field and puts the cursor there; the dialog stays open.
bool Refuse(DialogHandle dialog, int messageId, int field, const std::u16string& message) {
  SetDialogText(dialog, messageId, message);
  FocusDialogControl(dialog, field);
  return false;
}

bool ReadCalendarField(DialogHandle dialog, int id, uint16_t& field) {
  int32_t value = 0;
  if (!GetDialogInteger(dialog, id, true, value) || value < 0 || value > UINT16_MAX) {
    return Refuse(dialog, TIME_MESSAGE, id, Words::Tr16("Enter a whole number here."));
  }
  field = static_cast<uint16_t>(value);
  return true;
}

// The fixed time of the fields, read in zone, as UTC; false, with a message at the field, for
// unreadable input or a date or time that does not exist there.
bool ReadObservationTime(DialogHandle dialog, const std::string& zone, SYSTEMTIME& time) {
  time = ShownTime();
  if (!ReadCalendarField(dialog, DAY, time.day) || !ReadCalendarField(dialog, MONTH, time.month) ||
      !ReadCalendarField(dialog, YEAR, time.year) || !ReadCalendarField(dialog, HOUR, time.hour) ||
      !ReadCalendarField(dialog, MINUTE, time.minute) ||
      !ReadCalendarField(dialog, SECOND, time.second)) {
    return false;
  }
  if (time.hour > 23) {
    return Refuse(dialog, TIME_MESSAGE, HOUR, Words::Tr16("Hours run from 0 to 23."));
  }
  if (time.minute > 59) {
    return Refuse(dialog, TIME_MESSAGE, MINUTE, Words::Tr16("Minutes run from 0 to 59."));
  }
  if (time.second > 59) {
    return Refuse(dialog, TIME_MESSAGE, SECOND, Words::Tr16("Seconds run from 0 to 59."));
  }
  if (time.month < 1 || time.month > 12) {
    return Refuse(dialog, TIME_MESSAGE, MONTH, Words::Tr16("Months run from 1 to 12."));
  }
  if (time.year < 1601 || time.year > 30827) {
    return Refuse(dialog, TIME_MESSAGE, YEAR, Words::Tr16("Years run from 1601 to 30827."));
  }
  const SYSTEMTIME local = time;
  const std::string date = std::to_string(local.day) + "." + std::to_string(local.month) + "." +
                           std::to_string(local.year);
  switch (ZoneToUniversal(zone, time)) {
    case WallTimeResult::Converted: return true;
    case WallTimeResult::Unreal:
      //: %1 is a date that the calendar lacks, as 31.2.2025
      return Refuse(dialog, TIME_MESSAGE, DAY,
                    Text(FillArgs(Words::Tr("There is no %1."), {date})));
    case WallTimeResult::Skipped: {
      char clock[16];
      std::snprintf(clock, sizeof clock, "%u:%02u", unsigned{local.hour}, unsigned{local.minute});
      //: a time that a change to summer time skips: %1 the time, %2 the date
      return Refuse(dialog, TIME_MESSAGE, HOUR,
                    Text(FillArgs(Words::Tr("The clocks skip %1 on %2."), {clock, date})));
    }
  }
  return false;
}

// The fields' date and time: the clock's or the stored fixed time, in the shown zone.
void ShowObservationTime(DialogHandle dialog, MainWindow& window) {
  SYSTEMTIME universal = window.GetConfig().observationTime;
  // A damaged record's milliseconds would make every date the fields hold unreal.
  if (universal.milliseconds >= 1000) universal.milliseconds = 0;
  if (IsDialogButtonChecked(dialog, USE_SYSTEM_TIME)) {
    universal = window.GetClock().UniversalNow();
  }
  SYSTEMTIME shown = universal;
  UniversalToZone(ShownZone(), shown);
  ShownTime() = shown;
  SetDialogInteger(dialog, DAY, shown.day, false);
  SetDialogInteger(dialog, MONTH, shown.month, false);
  SetDialogInteger(dialog, YEAR, shown.year, false);
  SetDialogInteger(dialog, HOUR, shown.hour, false);
  SetDialogInteger(dialog, MINUTE, shown.minute, false);
  SetDialogInteger(dialog, SECOND, shown.second, false);
  SetDialogText(dialog, TIME_ZONE, Text(ZoneAbbreviation(ShownZone(), universal)));
}

// A new place in the fields may lie in another zone: its name follows, and so does the clock's
// time while the clock is used; a typed time is read in the new zone.
void FollowPlace(DialogHandle dialog, MainWindow& window) {
  double longitude = 0.0;
  double latitude = 0.0;
  if (!ReadAngle(dialog, LONGITUDE_FIELDS, longitude) ||
      !ReadAngle(dialog, LATITUDE_FIELDS, latitude)) {
    return;
  }
  const std::string zone =
      PlaceZone(window.GetCities().cities, ReduceLongitude(longitude), latitude);
  if (zone == ShownZone()) return;
  ShownZone() = zone;
  if (IsDialogButtonChecked(dialog, USE_SYSTEM_TIME)) {
    ShowObservationTime(dialog, window);
    return;
  }
  SYSTEMTIME universal = ShownTime();
  if (ZoneToUniversal(zone, universal) != WallTimeResult::Converted) return;
  SetDialogText(dialog, TIME_ZONE, Text(ZoneAbbreviation(zone, universal)));
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
  if (text.find_first_not_of(' ') == std::string::npos) {
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

void ShowCity(DialogHandle dialog, MainWindow& window, const CityRecord& city) {
  SetDialogText(dialog, CITY, Text(CityLabel(city)));
  // Cities count longitude east, the observer west.
  ShowAngle(dialog, -city.longitudeSeconds / double{SECONDS_PER_DEGREE}, LONGITUDE_FIELDS);
  ShowAngle(dialog, city.latitudeSeconds / double{SECONDS_PER_DEGREE}, LATITUDE_FIELDS);
  FollowPlace(dialog, window);
}

// A city name typed and not chosen from the list: the one city it names is taken; several
// are offered in the list when offer is set; none is said at the field. False while the typed
// name stands for no one city, so that OK waits; the place's fields then stay as they are.
bool TakeTypedCity(DialogHandle dialog, MainWindow& window, bool offer) {
  if (!IsDialogTextTyped(dialog, CITY)) return true;
  std::string typed = Utf16ToUtf8(GetDialogText(dialog, CITY));
  typed.erase(0, typed.find_first_not_of(' '));
  typed.erase(typed.find_last_not_of(' ') + 1);
  if (typed.empty()) return true;  // no city: the coordinates stand
  const std::vector<const CityRecord*> cities =
      LookUpCities(window.GetCities(), typed, CITY_COMPLETIONS);
  if (cities.size() == 1) {
    ShowCity(dialog, window, *cities.front());
    SetDialogText(dialog, PLACE_MESSAGE, u"");
    return true;
  }
  if (cities.empty()) {
    SetDialogText(dialog, PLACE_MESSAGE,
                  Text(FillArgs(Words::Tr("No city called “%1”."), {typed})));
    if (offer) FocusDialogControl(dialog, CITY);
    return false;
  }
  SetDialogText(dialog, PLACE_MESSAGE,
                Text(FillArgs(Words::Tr("Several cities are called “%1”: pick one."), {typed})));
  if (offer) {
    std::vector<std::u16string> labels;
    labels.reserve(cities.size());
    for (const CityRecord* city : cities) labels.push_back(Text(CityLabel(*city)));
    OfferDialogCompletions(dialog, CITY, labels);
  }
  return false;
}

// A place without a city is named by its coordinates and the nearest city, if one is near.
void ShowPlaceName(DialogHandle dialog, MainWindow& window) {
  const double longitude = window.GetObserver().GetLongitude();
  const double latitude = window.GetObserver().GetLatitude();
  //: %1 is the place's coordinates
  std::string name = FillArgs(Words::Tr("Now: %1"), {PlaceText(longitude, latitude)});
  // Cities count longitude east, the observer west.
  if (const CityRecord* city =
          NearestCity(window.GetCities().cities, -longitude, latitude, NEAR_CITY_KILOMETRES)) {
    //: %1 is a city
    name += FillArgs(Words::Tr(", near %1"), {CityLabel(*city)});
  }
  SetDialogText(dialog, PLACE_MESSAGE, Text(name));
}

void UseMyLocation(DialogHandle dialog, MainWindow& window) {
  SetDialogText(dialog, PLACE_MESSAGE, Words::Tr16("Finding your location…"));
  const bool exact = window.GetExtension().exactPosition;
  LocationRequest() = std::make_unique<PositionRequest>(
      window.GetExtension().positionSource, POSITION_TIMEOUT_MS,
      [dialog, exact, &window](const PositionReading& reading) {
        if (!reading.found) {
          //: %1 says why the location service gave none
          SetDialogText(dialog, PLACE_MESSAGE,
                        Text(FillArgs(Words::Tr("No location: %1."), {reading.reason})));
          return;
        }
        double longitude = 0.0;
        double latitude = 0.0;
        PlaceOfPosition(reading, exact, longitude, latitude);
        ShowAngle(dialog, longitude, LONGITUDE_FIELDS);
        ShowAngle(dialog, latitude, LATITUDE_FIELDS);
        SetDialogText(dialog, CITY, u"");
        SetDialogText(dialog, PLACE_MESSAGE, Words::Tr16("Your location is filled in."));
        FollowPlace(dialog, window);
      });
}

void Initialise(DialogHandle dialog, MainWindow& window) {
  ShowDialogMaximised(dialog);
  SetDialogText(dialog, HEADING,
                window.AsksForPlace()
                    ? Words::Tr16("Where are you? Pick a city or use your location")
                    : Words::Tr16("The place and time of the chart"));
  ShowAngle(dialog, window.GetObserver().GetLongitude(), LONGITUDE_FIELDS);
  ShowAngle(dialog, window.GetObserver().GetLatitude(), LATITUDE_FIELDS);
  CheckDialogButton(dialog, USE_SYSTEM_TIME, window.GetConfig().useSystemTime != 0);
  ShownZone() = window.GetPlaceZone();
  ShowObservationTime(dialog, window);

  SetDialogText(dialog, CITY, Utf8ToUtf16(window.GetExtension().cityName));
  if (window.GetExtension().cityName.empty()) ShowPlaceName(dialog, window);
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
  SetDialogText(dialog, PLACE_MESSAGE, u"");
  SetDialogText(dialog, TIME_MESSAGE, u"");
  if (!TakeTypedCity(dialog, window, true)) return false;
  double longitude = 0.0;
  double latitude = 0.0;
  if (!ReadAngle(dialog, LONGITUDE_FIELDS, longitude)) {
    return Refuse(dialog, PLACE_MESSAGE, LONGITUDE_DEGREES,
                  Words::Tr16("Enter the longitude's degrees, minutes and seconds."));
  }
  if (!ReadAngle(dialog, LATITUDE_FIELDS, latitude)) {
    return Refuse(dialog, PLACE_MESSAGE, LATITUDE_DEGREES,
                  Words::Tr16("Enter the latitude's degrees, minutes and seconds."));
  }
  if (std::fabs(latitude) > 90.0) {
    return Refuse(dialog, PLACE_MESSAGE, LATITUDE_DEGREES,
                  Words::Tr16("Latitudes run from 0 to 90°."));
  }
  longitude = ReduceLongitude(longitude);
  const bool useSystemTime = IsDialogButtonChecked(dialog, USE_SYSTEM_TIME);
  SYSTEMTIME fixedTime;
  const std::string zone = PlaceZone(window.GetCities().cities, longitude, latitude);
  if (!useSystemTime && !ReadObservationTime(dialog, zone, fixedTime)) return false;
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
  if (message == MESSAGE_DESTROY) {
    LocationRequest().reset();
    return true;
  }
  if (message != MESSAGE_COMMAND) return false;
  const auto control = static_cast<int>(wParam & 0xFFFF);
  switch (wParam >> 16) {
    case NOTIFY_COMPLETION_CHOSEN:
      if (const CityRecord* city =
              FindCity(window->GetCities(), Utf16ToUtf8(GetDialogText(dialog, CITY)))) {
        ShowCity(dialog, *window, *city);
      }
      return true;
    case NOTIFY_EDIT_LEFT:
      if (control == CITY) TakeTypedCity(dialog, *window, false);
      return true;
    case NOTIFY_CHOICE_CHANGED:
      DropLetters(dialog, control);
      FollowPlace(dialog, *window);
      return true;
    case NOTIFY_EDIT_CHANGED:
      FollowLetter(dialog, control);
      if (FollowEdit(dialog, control)) FollowPlace(dialog, *window);
      return true;
    default: break;
  }
  switch (control) {
    case DIALOG_OK: return Accept(dialog, *window);
    case DIALOG_CANCEL: EndDialog(dialog, DIALOG_CANCEL); return true;
    case USE_MY_LOCATION: UseMyLocation(dialog, *window); return true;
    default: return false;
  }
}

}  // namespace halvane
