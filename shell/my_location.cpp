// "Use my location": the place from the position source, and the place named in the title.
#include "shell/main_window.h"

#include "astro/angles.h"
#include "catalog/nearest_city.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
#include "shell/place_name.h"
#include "shell/position_place.h"

namespace halvane {

void MainWindow::UseMyLocation() {
  if (positionRequest != nullptr) return;  // the first request is still waiting
  locationMessage = Words::Tr16("Finding your location…");
  RequestRepaint();
  positionRequest = std::make_unique<PositionRequest>(
      extension.positionSource, POSITION_TIMEOUT_MS, [this](const PositionReading& reading) {
        positionRequest.reset();
        if (!reading.found) {
          //: %1 says why the location service gave none
          locationMessage = Utf8ToUtf16(FillArgs(Words::Tr("No location: %1"), {reading.reason}));
          RequestRepaint();
          return;
        }
        double longitude = 0.0;
        double latitude = 0.0;
        PlaceOfPosition(reading, extension.exactPosition, longitude, latitude);
        locationMessage.clear();
        extension.cityName.clear();
        SetTimeFromClock();
        observer->SetLocation(longitude, latitude);
        placeGiven = true;
        placeNote.clear();
        ShowPlaceInTitle();
        UpdateMomentAndRender();
      });
}

void MainWindow::KeepBuiltInPlace() {
  const double longitude = observer->GetLongitude();
  const double latitude = observer->GetLatitude();
  const CityRecord* city =
      NearestCity(GetCities().cities, EastLongitude(longitude), latitude, NEAR_CITY_KILOMETRES);
  const std::string name = city != nullptr ? city->name : PlaceText(longitude, latitude);
  //: %1 is the built-in place, a city or coordinates
  placeNote = Utf8ToUtf16(FillArgs(Words::Tr("Place: %1 (change in Settings)"), {name}));
  RequestRepaint();
}

void MainWindow::ShowPlaceInTitle() {
  if (observer == nullptr) return;
  SetAppWindowTitle(hwnd, PlaceTitle(WINDOW_TITLE, observer->GetLongitude(),
                                     observer->GetLatitude(), extension.cityName));
}

}  // namespace halvane
