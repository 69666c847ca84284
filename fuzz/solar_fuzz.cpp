// Fuzzes the solar system on the chart over moments from the year -4000 to 8000 and any place
// and view: every available body must have finite fields, every drawn pixel a sane place, and
// a tap must not fail. The input is read as up to seven 64-bit words: the moment, longitude,
// latitude, view azimuth, view altitude, zoom steps and rotation steps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "astro/delta_t.h"
#include "astro/moment.h"
#include "astro/observer.h"
#include "astro/sidereal_time.h"
#include "astro/solar_system.h"
#include "chart/chart.h"
#include "fuzz/fuzz_chart.h"
#include "view/pixel_math.h"

namespace halvane {
namespace {

// Any point a layer hands the surface stays within the clamped pixel range.
constexpr double FAR_PIXEL = 2.0 * PIXEL_LIMIT;

bool Sane(int32_t value) { return std::fabs(static_cast<double>(value)) <= FAR_PIXEL; }

class CheckingSurface : public Surface {
 public:
  void FillRect(const Rect&, StockBrush) override {}
  void SelectPen(Color) override {}
  void SetTextColor(Color) override {}
  void SetTransparentBackground() override {}
  void Polyline(const Point* points, int32_t count) override {
    for (int32_t i = 0; i < count; ++i) FuzzCheck(Sane(points[i].x) && Sane(points[i].y));
  }
  void DrawText(std::u16string_view, const Rect& rect, uint32_t) override {
    FuzzCheck(Sane(rect.left) && Sane(rect.top) && Sane(rect.right) && Sane(rect.bottom));
  }
  void Blit(int32_t x, int32_t y, int32_t, int32_t, const Bitmap&, int32_t, int32_t,
            RasterOp) override {
    FuzzCheck(Sane(x) && Sane(y));
  }
  void Ellipse(Point centre, int32_t, int32_t, int32_t, bool) override {
    FuzzCheck(Sane(centre.x) && Sane(centre.y));
  }
  void FillPolygon(const Point*, const int32_t*, int32_t, Color) override {}
};

// The index-th word of the input as a fraction in [0, 1]; 0.5 past its end.
double Fraction(const uint8_t* data, size_t size, size_t index) {
  if ((index + 1) * 8 > size) return 0.5;
  uint64_t word = 0;
  std::memcpy(&word, data + index * 8, 8);
  return static_cast<double>(word) / static_cast<double>(UINT64_MAX);
}

bool Finite(const BodyPlace& p) {
  return std::isfinite(p.rightAscension) && std::isfinite(p.declination) &&
         std::isfinite(p.distance) && std::isfinite(p.diameter) && std::isfinite(p.magnitude) &&
         std::isfinite(p.illuminatedFraction) && std::isfinite(p.brightLimbAngle);
}

}  // namespace
}  // namespace halvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const double first = JulianDay(-4000, 1, 1, 0.0);
  const double last = JulianDay(8000, 12, 31, 24.0);
  const double jdUt = first + (last - first) * Fraction(data, size, 0);
  const double longitude = -360.0 + 720.0 * Fraction(data, size, 1);
  const double latitude = -90.0 + 180.0 * Fraction(data, size, 2);

  for (const BodyPlace& place :
       ComputeSolarSystem(jdUt, TerrestrialJulianDay(jdUt), longitude, latitude)) {
    FuzzCheck(!place.available || Finite(place));
  }

  Observer observer;
  observer.SetLocation(longitude, latitude);
  Chart view(Rect{0, 0, 240, 294}, nullptr);
  view.GetProjection().SetViewDirection(TWO_PI * Fraction(data, size, 3),
                                        -HALF_PI + PI * Fraction(data, size, 4));
  const int zoom = static_cast<int>(7.0 * Fraction(data, size, 5));
  for (int i = 0; i < zoom; ++i) view.GetProjection().ZoomIn();
  const int turns = static_cast<int>(24.0 * Fraction(data, size, 6));
  for (int i = 0; i < turns; ++i) view.GetProjection().RotateClockwise();

  // The chart's moments come from calendar records, years 1 to 9999.
  const double dayFraction = Fraction(data, size, 0);
  const CalendarTime when{
      static_cast<uint16_t>(1 + 9998 * Fraction(data, size, 1)),
      static_cast<uint16_t>(1 + static_cast<int>(12 * dayFraction) % 12),
      0,
      static_cast<uint16_t>(1 + static_cast<int>(2800 * dayFraction) % 28),
      static_cast<uint16_t>(static_cast<int>(24 * Fraction(data, size, 2)) % 24),
      static_cast<uint16_t>(static_cast<int>(60 * Fraction(data, size, 3)) % 60),
      0,
      0};
  const Moment moment(when, Observer(longitude, latitude), Fraction(data, size, 4) < 0.5);
  CheckingSurface surface;
  view.DrawFrame(surface, surface, moment);
  PickedLabel label;
  view.IdentifyObject(label, 120, 147, moment);
  return 0;
}
