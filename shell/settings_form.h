// The settings form: the place, the time and the compass offset as the settings dialog's
// fields hold them, typed text and all, with what follows from an edit (the other form of an
// angle, hemisphere letters, a city's place, the zone the time is shown in) and one check of
// everything before OK. Holds no window: the dialog shows it and hands it the user's edits.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "astro/calendar_time.h"
#include "catalog/city_catalog.h"
#include "platform/clock.h"
#include "platform/position_source.h"

namespace halvane {

// The form's text fields. An angle's fields follow each other: its degrees, minutes and
// seconds, and its decimal degrees.
enum class SettingsField {
  LongitudeDegrees,
  LongitudeMinutes,
  LongitudeSeconds,
  LongitudeDecimal,
  LatitudeDegrees,
  LatitudeMinutes,
  LatitudeSeconds,
  LatitudeDecimal,
  Day,
  Month,
  Year,
  Hour,
  Minute,
  Second,
  City,
  CompassOffset,
};
constexpr size_t SETTINGS_FIELD_COUNT = 16;

enum class SettingsAngle { Longitude, Latitude };

// The settings the form starts from, and those OK takes.
struct SettingsValues {
  double longitude = 0.0;  // degrees, positive west
  double latitude = 0.0;   // degrees, positive north
  bool useClock = true;
  CalendarTime fixedTime{};  // universal; counts only without the clock
  double compassOffset = 0.0;
  std::string cityName;
};

// What stops OK: the message, said at the place's or the time's group, and the field to fix.
struct SettingsProblem {
  SettingsField field;
  bool aboutTime;
  std::string message;
};

// Either the settings or what is wrong with the fields.
struct SettingsCheck {
  std::optional<SettingsProblem> problem;
  SettingsValues values;
};

class SettingsForm {
 public:
  // cities and clock outlive the form. placeZone: the zone of the values' place (empty: the
  // device's); asksForPlace: a first start, with no place given yet.
  SettingsForm(const CityCatalog& cities, const Clock& clock, const SettingsValues& start,
               std::string placeZone, bool asksForPlace);

  const std::string& Text(SettingsField field) const;
  // 0: the first hemisphere (east, north), 1: the second.
  int Side(SettingsAngle angle) const { return sides[static_cast<size_t>(angle)]; }
  bool UsesClock() const { return useClock; }
  const std::string& Heading() const { return heading; }
  const std::string& PlaceMessage() const { return placeMessage; }
  const std::string& TimeMessage() const { return timeMessage; }
  // How the zone of the time fields names itself at the shown time.
  const std::string& ZoneName() const { return zoneName; }

  // The user's edits.
  void Type(SettingsField field, std::string text);
  void ChooseSide(SettingsAngle angle, int side);
  void SetUseClock(bool on) { useClock = on; }
  // The city field was left: a typed name that means one city is taken.
  void LeaveCity();
  // A city picked from the offered list, by its label.
  void ChooseCity(const std::string& label);
  // The labels of the cities typed text may begin.
  std::vector<std::string> CompleteCity(const std::string& text) const;

  // "Use my location": while it is asked, then with its answer.
  void StartFindingLocation();
  void TakeLocation(const PositionReading& reading, bool exact);

  // What is wrong with the fields, or the settings they give. Changes nothing.
  SettingsCheck Check() const;
  // OK: a typed city name is taken first; what is wrong is said at its group. The cities a
  // name shared by several leaves for the user to pick from are in Offered().
  SettingsCheck Accept();
  const std::vector<std::string>& Offered() const { return offered; }

 private:
  std::string& Field(SettingsField field) { return texts[static_cast<size_t>(field)]; }
  void ShowAngle(SettingsAngle angle, double value);
  void ShowDms(SettingsAngle angle, double magnitude);
  bool ReadAngle(SettingsAngle angle, double& value) const;
  void FollowPlace();
  void ShowObservationTime();
  void ShowCity(const CityRecord& city);
  bool TakeTypedCity(bool offer);

  const CityCatalog& cities;
  const Clock& clock;
  std::array<std::string, SETTINGS_FIELD_COUNT> texts;
  std::array<int, 2> sides{};
  bool useClock;
  bool cityTyped = false;
  CalendarTime storedTime;
  // The local time the fields showed last; OK takes the day of week and milliseconds from it.
  CalendarTime shownTime{};
  std::string shownZone;
  std::string heading;
  std::string placeMessage;
  std::string timeMessage;
  std::string zoneName;
  std::vector<std::string> offered;
};

}  // namespace halvane
