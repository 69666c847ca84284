// The settings form's fields and what follows from each edit. Angles are shown as magnitudes
// with their hemisphere chosen beside them.
#include "shell/settings_form.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <utility>

#include "astro/angles.h"
#include "catalog/nearest_city.h"
#include "platform/translate.h"
#include "platform/zone_time.h"
#include "shell/config_file.h"
#include "shell/place_name.h"
#include "shell/place_zone.h"
#include "shell/position_place.h"

namespace halvane {

namespace {

// An angle's four fields, from its first; positiveSide is the hemisphere whose angles are
// stored positive, and letters the hemispheres' initials, which the fields also take.
struct AngleFields {
  SettingsField first;
  int positiveSide;
  std::string_view letters;

  SettingsField At(int offset) const {
    return static_cast<SettingsField>(static_cast<int>(first) + offset);
  }
  SettingsField Degrees() const { return At(0); }
  SettingsField Minutes() const { return At(1); }
  SettingsField Seconds() const { return At(2); }
  SettingsField Decimal() const { return At(3); }
  bool Holds(SettingsField field) const {
    return field >= first && static_cast<int>(field) <= static_cast<int>(first) + 3;
  }
};

constexpr AngleFields ANGLES[] = {{SettingsField::LongitudeDegrees, 1, "EW"},
                                  {SettingsField::LatitudeDegrees, 0, "NS"}};

const AngleFields& FieldsOf(SettingsAngle angle) { return ANGLES[static_cast<size_t>(angle)]; }

// Cities offered for the text typed so far.
constexpr size_t CITY_COMPLETIONS = 12;

// Four decimals: about ten metres, finer than the seconds beside them.
std::string DecimalText(double magnitude) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", magnitude);
  std::string trimmed = text;
  while (trimmed.back() == '0') trimmed.pop_back();
  if (trimmed.back() == '.') trimmed.pop_back();
  return trimmed;
}

// A field of the angle without the hemisphere letter typed before or after the number
// ("151.2 E", "W 0.13") and its spaces; side becomes the letter's hemisphere, or stays.
std::string FieldNumber(const std::string& text, const AngleFields& f, int& side) {
  std::string number;
  for (const char c : text) {
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

bool ReadWhole(const std::string& text, const AngleFields& f, int32_t& value) {
  int side = 0;
  const std::string number = FieldNumber(text, f, side);
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  return !number.empty() && error == std::errc() && stop == end && value >= 0;
}

// The decimal field's magnitude; a comma counts as the decimal point.
bool ReadDecimal(const std::string& text, const AngleFields& f, double& magnitude) {
  int side = 0;
  std::string number = FieldNumber(text, f, side);
  for (char& c : number) {
    if (c == ',') c = '.';
  }
  if (number.empty() || number == ".") return false;
  char* end = nullptr;
  magnitude = std::strtod(number.c_str(), &end);
  return end == number.c_str() + number.size() && std::isfinite(magnitude);
}

// A whole number with spaces around it and an optional sign, within 32 bits.
bool ReadInteger(const std::string& text, int64_t& value) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return false;
  const size_t end = text.find_last_not_of(" \t") + 1;
  size_t i = begin;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  if (i == end) return false;
  int64_t magnitude = 0;
  for (; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > int64_t{INT32_MAX} + 1) return false;
  }
  value = negative ? -magnitude : magnitude;
  return value >= INT32_MIN && value <= INT32_MAX;
}

// Any longitude names a meridian: whole turns are dropped, into (-180, 180].
double ReduceLongitude(double longitude) {
  double reduced = NormalizeAngle(longitude, 360.0);
  if (reduced > 180.0) reduced -= 360.0;
  if (reduced <= -180.0) reduced += 360.0;
  return reduced;
}

// Degrees, as a decimal number with a point; empty reads as 0. False for anything else or for
// more than half a turn.
bool ReadCompassOffset(const std::string& text, double& offset) {
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

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

SettingsProblem TimeProblem(SettingsField field, std::string message) {
  return {field, true, std::move(message)};
}

// The fixed time of the fields, read in zone, as UTC over shown's other parts; what is wrong
// with them otherwise.
std::optional<SettingsProblem> ReadObservationTime(
    const std::array<std::string, SETTINGS_FIELD_COUNT>& texts, const std::string& zone,
    CalendarTime& time) {
  const std::pair<SettingsField, uint16_t CalendarTime::*> parts[] = {
      {SettingsField::Day, &CalendarTime::day},
      {SettingsField::Month, &CalendarTime::month},
      {SettingsField::Year, &CalendarTime::year},
      {SettingsField::Hour, &CalendarTime::hour},
      {SettingsField::Minute, &CalendarTime::minute},
      {SettingsField::Second, &CalendarTime::second}};
  for (const auto& [field, part] : parts) {
    int64_t value = 0;
    if (!ReadInteger(texts[static_cast<size_t>(field)], value) || value < 0 || value > UINT16_MAX) {
      return TimeProblem(field, Words::Tr("Enter a whole number here."));
    }
    time.*part = static_cast<uint16_t>(value);
  }
  if (time.hour > 23) return TimeProblem(SettingsField::Hour, Words::Tr("Hours run from 0 to 23."));
  if (time.minute > 59)
    return TimeProblem(SettingsField::Minute, Words::Tr("Minutes run from 0 to 59."));
  if (time.second > 59)
    return TimeProblem(SettingsField::Second, Words::Tr("Seconds run from 0 to 59."));
  if (time.month < 1 || time.month > 12) {
    return TimeProblem(SettingsField::Month, Words::Tr("Months run from 1 to 12."));
  }
  if (time.year < 1601 || time.year > 30827) {
    return TimeProblem(SettingsField::Year, Words::Tr("Years run from 1601 to 30827."));
  }
  const CalendarTime local = time;
  const std::string date = std::to_string(local.day) + "." + std::to_string(local.month) + "." +
                           std::to_string(local.year);
  //: %1 is a date that the calendar lacks, as 31.2.2025
  std::string unreal = FillArgs(Words::Tr("There is no %1."), {date});
  switch (ZoneToUniversal(zone, time)) {
    case WallTimeResult::Converted: return std::nullopt;
    case WallTimeResult::Unreal: return TimeProblem(SettingsField::Day, std::move(unreal));
    case WallTimeResult::Skipped: {
      char clock[16];
      std::snprintf(clock, sizeof clock, "%u:%02u", unsigned{local.hour}, unsigned{local.minute});
      //: a time that a change to summer time skips: %1 the time, %2 the date
      return TimeProblem(SettingsField::Hour,
                         FillArgs(Words::Tr("The clocks skip %1 on %2."), {clock, date}));
    }
  }
  return TimeProblem(SettingsField::Day, std::move(unreal));
}

}  // namespace

SettingsForm::SettingsForm(const CityCatalog& cities, const Clock& clock,
                           const SettingsValues& start, std::string placeZone, bool asksForPlace)
    : cities(cities),
      clock(clock),
      useClock(start.useClock),
      storedTime(start.fixedTime),
      shownZone(std::move(placeZone)),
      heading(asksForPlace ? Words::Tr("Where are you? Pick a city or use your location")
                           : Words::Tr("The place and time of the chart")) {
  // A damaged record's milliseconds would make every date the fields hold unreal.
  if (storedTime.milliseconds >= 1000) storedTime.milliseconds = 0;
  ShowAngle(SettingsAngle::Longitude, start.longitude);
  ShowAngle(SettingsAngle::Latitude, start.latitude);
  ShowObservationTime();
  Field(SettingsField::City) = start.cityName;
  char offset[32];
  std::snprintf(offset, sizeof offset, "%g", start.compassOffset);
  Field(SettingsField::CompassOffset) = offset;
  if (!start.cityName.empty()) return;
  // A place without a city is named by its coordinates and the nearest city, if one is near.
  //: %1 is the place's coordinates
  placeMessage = FillArgs(Words::Tr("Now: %1"), {PlaceText(start.longitude, start.latitude)});
  if (const CityRecord* city = NearestCity(cities.cities, EastLongitude(start.longitude),
                                           start.latitude, NEAR_CITY_KILOMETRES)) {
    //: %1 is a city
    placeMessage += FillArgs(Words::Tr(", near %1"), {CityLabel(*city)});
  }
}

const std::string& SettingsForm::Text(SettingsField field) const {
  return texts[static_cast<size_t>(field)];
}

void SettingsForm::ShowDms(SettingsAngle angle, double magnitude) {
  const AngleFields& f = FieldsOf(angle);
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  DegreesToDms(magnitude, degrees, minutes, seconds);
  Field(f.Degrees()) = std::to_string(degrees);
  Field(f.Minutes()) = std::to_string(minutes);
  Field(f.Seconds()) = std::to_string(seconds);
}

void SettingsForm::ShowAngle(SettingsAngle angle, double value) {
  const AngleFields& f = FieldsOf(angle);
  const bool positive = value > 0.0 || (value == 0.0 && f.positiveSide == 0);
  sides[static_cast<size_t>(angle)] = positive ? f.positiveSide : 1 - f.positiveSide;
  ShowDms(angle, std::fabs(value));
  Field(f.Decimal()) = DecimalText(std::fabs(value));
}

// The degrees, minutes and seconds with the hemisphere; false when one is no whole number.
bool SettingsForm::ReadAngle(SettingsAngle angle, double& value) const {
  const AngleFields& f = FieldsOf(angle);
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  if (!ReadWhole(Text(f.Degrees()), f, degrees) || !ReadWhole(Text(f.Minutes()), f, minutes) ||
      !ReadWhole(Text(f.Seconds()), f, seconds)) {
    return false;
  }
  const double magnitude = DmsToDegrees(degrees, minutes, seconds);
  value = Side(angle) == f.positiveSide ? magnitude : -magnitude;
  return true;
}

void SettingsForm::Type(SettingsField field, std::string text) {
  Field(field) = std::move(text);
  if (field == SettingsField::City) cityTyped = true;
  for (const SettingsAngle angle : {SettingsAngle::Longitude, SettingsAngle::Latitude}) {
    const AngleFields& f = FieldsOf(angle);
    if (!f.Holds(field)) continue;
    // A hemisphere letter typed with the number chooses that hemisphere.
    FieldNumber(Text(field), f, sides[static_cast<size_t>(angle)]);
    // Typing in one form of the angle rewrites the other.
    double magnitude = 0.0;
    if (field == f.Decimal()) {
      if (ReadDecimal(Text(field), f, magnitude)) ShowDms(angle, magnitude);
    } else if (ReadAngle(angle, magnitude)) {
      Field(f.Decimal()) = DecimalText(std::fabs(magnitude));
    }
    FollowPlace();
  }
}

void SettingsForm::ChooseSide(SettingsAngle angle, int side) {
  sides[static_cast<size_t>(angle)] = side;
  // The letters typed in the fields would now contradict the choice.
  const AngleFields& f = FieldsOf(angle);
  for (const SettingsField field : {f.Degrees(), f.Minutes(), f.Seconds(), f.Decimal()}) {
    int typed = -1;
    const std::string number = FieldNumber(Text(field), f, typed);
    if (typed >= 0) Field(field) = number;
  }
  FollowPlace();
}

// The fields' date and time: the clock's or the stored fixed time, in the shown zone.
void SettingsForm::ShowObservationTime() {
  const CalendarTime universal = useClock ? clock.UniversalNow() : storedTime;
  CalendarTime shown = universal;
  UniversalToZone(shownZone, shown);
  shownTime = shown;
  Field(SettingsField::Day) = std::to_string(shown.day);
  Field(SettingsField::Month) = std::to_string(shown.month);
  Field(SettingsField::Year) = std::to_string(shown.year);
  Field(SettingsField::Hour) = std::to_string(shown.hour);
  Field(SettingsField::Minute) = std::to_string(shown.minute);
  Field(SettingsField::Second) = std::to_string(shown.second);
  zoneName = ZoneAbbreviation(shownZone, universal);
}

// A new place in the fields may lie in another zone: its name follows, and so does the clock's
// time while the clock is used; a typed time is read in the new zone.
void SettingsForm::FollowPlace() {
  double longitude = 0.0;
  double latitude = 0.0;
  if (!ReadAngle(SettingsAngle::Longitude, longitude) ||
      !ReadAngle(SettingsAngle::Latitude, latitude)) {
    return;
  }
  const std::string zone = PlaceZone(cities.cities, ReduceLongitude(longitude), latitude);
  if (zone == shownZone) return;
  shownZone = zone;
  if (useClock) {
    ShowObservationTime();
    return;
  }
  CalendarTime universal = shownTime;
  if (ZoneToUniversal(zone, universal) != WallTimeResult::Converted) return;
  zoneName = ZoneAbbreviation(zone, universal);
}

void SettingsForm::ShowCity(const CityRecord& city) {
  Field(SettingsField::City) = CityLabel(city);
  cityTyped = false;
  ShowAngle(SettingsAngle::Longitude,
            WestLongitude(city.longitudeSeconds / double{SECONDS_PER_DEGREE}));
  ShowAngle(SettingsAngle::Latitude, city.latitudeSeconds / double{SECONDS_PER_DEGREE});
  FollowPlace();
}

void SettingsForm::ChooseCity(const std::string& label) {
  Field(SettingsField::City) = label;
  cityTyped = false;
  if (const CityRecord* city = FindCity(cities, label)) ShowCity(*city);
}

std::vector<std::string> SettingsForm::CompleteCity(const std::string& text) const {
  std::vector<std::string> labels;
  for (const NameMatch& match : cities.index.Complete(text, CITY_COMPLETIONS)) {
    labels.push_back(CityLabel(cities.cities[cities.index.Entries()[match.entry].index]));
  }
  return labels;
}

void SettingsForm::LeaveCity() { TakeTypedCity(false); }

// A city name typed and not chosen from the list: the one city it names is taken; several
// are offered when offer is set; none is said at the field. False while the typed name stands
// for no one city, so that OK waits; the place's fields then stay as they are.
bool SettingsForm::TakeTypedCity(bool offer) {
  offered.clear();
  if (!cityTyped) return true;
  const std::string typed = Trimmed(Text(SettingsField::City));
  if (typed.empty()) return true;  // no city: the coordinates stand
  const std::vector<const CityRecord*> found = LookUpCities(cities, typed, CITY_COMPLETIONS);
  if (found.size() == 1) {
    ShowCity(*found.front());
    placeMessage.clear();
    return true;
  }
  if (found.empty()) {
    placeMessage = FillArgs(Words::Tr("No city called “%1”."), {typed});
    return false;
  }
  placeMessage = FillArgs(Words::Tr("Several cities are called “%1”: pick one."), {typed});
  if (offer) {
    for (const CityRecord* city : found) offered.push_back(CityLabel(*city));
  }
  return false;
}

void SettingsForm::StartFindingLocation() { placeMessage = Words::Tr("Finding your location…"); }

void SettingsForm::TakeLocation(const PositionReading& reading, bool exact) {
  if (!reading.found) {
    //: %1 says why the location service gave none
    placeMessage = FillArgs(Words::Tr("No location: %1."), {reading.reason});
    return;
  }
  double longitude = 0.0;
  double latitude = 0.0;
  PlaceOfPosition(reading, exact, longitude, latitude);
  ShowAngle(SettingsAngle::Longitude, longitude);
  ShowAngle(SettingsAngle::Latitude, latitude);
  Field(SettingsField::City).clear();
  cityTyped = false;
  placeMessage = Words::Tr("Your location is filled in.");
  FollowPlace();
}

SettingsCheck SettingsForm::Check() const {
  SettingsCheck check;
  SettingsValues& v = check.values;
  if (!ReadAngle(SettingsAngle::Longitude, v.longitude)) {
    check.problem = {SettingsField::LongitudeDegrees, false,
                     Words::Tr("Enter the longitude's degrees, minutes and seconds.")};
    return check;
  }
  if (!ReadAngle(SettingsAngle::Latitude, v.latitude)) {
    check.problem = {SettingsField::LatitudeDegrees, false,
                     Words::Tr("Enter the latitude's degrees, minutes and seconds.")};
    return check;
  }
  if (std::fabs(v.latitude) > 90.0) {
    check.problem = {SettingsField::LatitudeDegrees, false,
                     Words::Tr("Latitudes run from 0 to 90°.")};
    return check;
  }
  v.longitude = ReduceLongitude(v.longitude);
  v.useClock = useClock;
  if (!useClock) {
    v.fixedTime = shownTime;
    check.problem =
        ReadObservationTime(texts, PlaceZone(cities.cities, v.longitude, v.latitude), v.fixedTime);
    if (check.problem) return check;
  }
  if (!ReadCompassOffset(Text(SettingsField::CompassOffset), v.compassOffset)) {
    check.problem = {SettingsField::CompassOffset, true,
                     Words::Tr("The compass offset runs from -180 to 180°.")};
    return check;
  }
  v.cityName = ShortenUtf8(Text(SettingsField::City), CONFIG_CITY_NAME_BYTES - 1);
  return check;
}

SettingsCheck SettingsForm::Accept() {
  placeMessage.clear();
  timeMessage.clear();
  if (!TakeTypedCity(true)) {
    return {SettingsProblem{SettingsField::City, false, placeMessage}, {}};
  }
  SettingsCheck check = Check();
  if (check.problem)
    (check.problem->aboutTime ? timeMessage : placeMessage) = check.problem->message;
  return check;
}

}  // namespace halvane
