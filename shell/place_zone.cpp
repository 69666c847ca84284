// The place's zone from the nearest city, and the window's memory of it.
#include "shell/place_zone.h"

#include "astro/angles.h"
#include "catalog/nearest_city.h"
#include "platform/zone_time.h"
#include "shell/main_window.h"

namespace halvane {

std::string PlaceZone(const std::vector<CityRecord>& cities, double longitude, double latitude) {
  const CityRecord* city =
      NearestCity(cities, EastLongitude(longitude), latitude, NEAR_CITY_KILOMETRES);
  if (city == nullptr || !IsKnownZone(city->zone)) return {};
  return city->zone;
}

const std::string& MainWindow::GetPlaceZone() {
  const double longitude = observer->GetLongitude();
  const double latitude = observer->GetLatitude();
  // The nearest-city search takes milliseconds: once a place, not once a frame.
  if (!zonePlace || zonePlace->first != longitude || zonePlace->second != latitude) {
    placeZone = PlaceZone(GetCities().cities, longitude, latitude);
    zonePlace = {longitude, latitude};
  }
  return placeZone;
}

}  // namespace halvane
