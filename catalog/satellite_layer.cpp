// The satellites' places at a moment and their symbols, tracks and names.
#include "catalog/satellite_layer.h"

#include <cmath>

#include "astro/angles.h"
#include "catalog/layer_memory.h"
#include "platform/utf8_text.h"
#include "view/frame_context.h"
#include "view/visible_cap.h"

namespace halvane {
namespace {

constexpr int TRACK_POINTS = 24;  // two minutes at five seconds
constexpr double SECONDS_PER_DAY = 86400.0;
constexpr Color SUNLIT_COLOR = MakeColor(0xF0, 0xF0, 0xFF);
constexpr Color PENUMBRA_COLOR = MakeColor(0xA0, 0xA0, 0xB8);
constexpr Color SHADOW_COLOR = MakeColor(0x58, 0x58, 0x68);
constexpr Color TRACK_COLOR = MakeColor(0xA0, 0xA0, 0xC0);
constexpr double DASH_SPACING = 6.0;
constexpr int32_t SATELLITE_RADIUS = 2;
constexpr int32_t STATION_RADIUS = 3;
// Room beyond the chart's edge for a symbol whose centre lies just off it.
constexpr double EDGE_PIXELS = 4.0;
// Satellites show against a sky no lighter than the Sun 6 degrees down gives.
constexpr double TWILIGHT_SUN = -6.0 * DEG_TO_RAD;

// The Sun's altitude at the moment, radians; +90 degrees without a Sun.
double SunAltitudeOf(const Moment& moment) {
  const BodyPlace& sun = moment.GetBodies()[static_cast<int>(Body::SUN)];
  if (!sun.available) return HALF_PI;
  double azimuth = 0.0;
  double altitude = 0.0;
  moment.GetSky().ToHorizontal(sun.rightAscension, sun.declination, azimuth, altitude);
  return altitude;
}

Color ColorOf(SatelliteLight light) {
  switch (light) {
    case SatelliteLight::Sunlit: return SUNLIT_COLOR;
    case SatelliteLight::Penumbra: return PENUMBRA_COLOR;
    case SatelliteLight::Umbra: return SHADOW_COLOR;
  }
  return SHADOW_COLOR;
}

// A diamond, filled.
void DrawSymbol(Surface& surface, Point p, int32_t r, Color color) {
  const Point corners[4] = {{p.x, p.y - r}, {p.x + r, p.y}, {p.x, p.y + r}, {p.x - r, p.y}};
  const int32_t count = 4;
  surface.FillPolygon(corners, &count, 1, color);
  surface.SelectPen(color);
  surface.Polyline(corners, 2);
  const Point across[2] = {{p.x - r, p.y}, {p.x + r + 1, p.y}};
  surface.Polyline(across, 2);
}

// Dashes of two pixels along the track, one every DASH_SPACING pixels from the symbol on.
void DrawTrack(Surface& surface, const std::vector<Point>& points) {
  surface.SelectPen(TRACK_COLOR);
  Point last = points.front();
  for (size_t i = 1; i < points.size(); ++i) {
    const Point& p = points[i];
    const double dx = p.x - last.x;
    const double dy = p.y - last.y;
    const double length = std::hypot(dx, dy);
    if (length < DASH_SPACING) continue;
    const Point dash[2] = {p,
                           {p.x + static_cast<int32_t>(std::lround(2.0 * dx / length)),
                            p.y + static_cast<int32_t>(std::lround(2.0 * dy / length))}};
    surface.Polyline(dash, 2);
    last = p;
  }
}

bool NearChart(const Rect& chart, double x, double y) {
  return x > chart.left - EDGE_PIXELS && x < chart.right + EDGE_PIXELS &&
         y > chart.top - EDGE_PIXELS && y < chart.bottom + EDGE_PIXELS;
}

}  // namespace

std::vector<SatellitePlace> ComputeSatellitePlaces(const SatelliteSet& set, double jdUt,
                                                   const GroundSite& site) {
  std::vector<SatellitePlace> places;
  const HorizonFrame frame(site);
  double sun[3];
  SunPosition(jdUt, sun);
  const std::vector<Satellite>& all = set.All();
  for (size_t i = 0; i < all.size(); ++i) {
    const Sgp4& model = all[i].model;
    TemeState state{};
    if (model.Propagate(model.MinutesSince(jdUt), state) != Sgp4Error::None) continue;
    const SatelliteLook look = frame.Look(state, jdUt);
    if (look.altitude <= 0.0) continue;
    SatellitePlace place;
    place.index = static_cast<int32_t>(i);
    place.horizontal = look.horizontal;
    place.light = LightOf(state.position, sun);
    place.track.reserve(TRACK_POINTS + 1);
    place.track.push_back(look.horizontal);
    for (int step = 1; step <= TRACK_POINTS; ++step) {
      const double jd = jdUt + step * SATELLITE_TRACK_STEP_S / SECONDS_PER_DAY;
      TemeState later{};
      if (model.Propagate(model.MinutesSince(jd), later) != Sgp4Error::None) break;
      place.track.push_back(frame.Look(later, jd).horizontal);
    }
    places.push_back(std::move(place));
  }
  return places;
}

void DrawSatellites(const FrameContext& frame, Surface& surface) {
  LayerMemory& layer = *frame.memory;
  layer.fastestPixelsPerSecond = 0.0;
  const SatelliteSet* set = frame.satellites;
  const Moment& moment = frame.moment;
  if (!frame.layers.showSatellites || set == nullptr || set->Empty() ||
      !std::isfinite(moment.GetJulianDayUt())) {
    return;
  }
  const double longitude = moment.GetObserver().GetLongitude();
  const double latitude = moment.GetObserver().GetLatitude();
  if (layer.placesSet != set || layer.placesJdUt != moment.GetJulianDayUt() ||
      layer.placesLongitude != longitude || layer.placesLatitude != latitude) {
    layer.satellitePlaces =
        ComputeSatellitePlaces(*set, moment.GetJulianDayUt(), {longitude, latitude, 0.0});
    layer.placesSet = set;
    layer.placesJdUt = moment.GetJulianDayUt();
    layer.placesLongitude = longitude;
    layer.placesLatitude = latitude;
  }
  const bool dark = !frame.layers.showDaylight || SunAltitudeOf(moment) <= TWILIGHT_SUN;
  const Projection& projection = frame.projection;
  const Rect& chart = projection.GetViewRect();
  const VisibleCap cap =
      VisibleCap::ForView(projection, EDGE_PIXELS / std::fmax(1.0, projection.GetXScale()));
  std::vector<Point> track;
  for (const SatellitePlace& place : layer.satellitePlaces) {
    if (!dark && place.index != frame.pinnedSatellite) continue;
    if (!cap.Contains(place.horizontal)) continue;
    double x = 0.0;
    double y = 0.0;
    const Point p = projection.HorizontalToScreen(place.horizontal, x, y);
    if (!NearChart(chart, x, y)) continue;
    track.clear();
    for (const Direction& d : place.track) track.push_back(projection.HorizontalToScreen(d));
    if (track.size() > 1) {
      const double speed = std::hypot(track[1].x - p.x, track[1].y - p.y) / SATELLITE_TRACK_STEP_S;
      layer.fastestPixelsPerSecond = std::fmax(layer.fastestPixelsPerSecond, speed);
    }
    DrawTrack(surface, track);
    const Satellite& satellite = set->All()[static_cast<size_t>(place.index)];
    const int32_t radius = satellite.station ? STATION_RADIUS : SATELLITE_RADIUS;
    DrawSymbol(surface, p, radius, ColorOf(place.light));
    const std::string name = satellite.ShownName();
    // Stations first, then the lit ones: the brighter first, as no magnitudes are known.
    const double rank = (satellite.station ? 0.0 : 1.0) +
                        (place.light == SatelliteLight::Umbra ? 2.0 : 0.0) + place.index * 1e-6;
    frame.labels.push_back({x, y, radius + 1.0, Utf8ToUtf16(name), LabelRank::Satellite, rank,
                            frame.pens.bodyName, false});
  }
}

}  // namespace halvane
