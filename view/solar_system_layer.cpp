// The solar-system layer, drawn with pens as horizontal spans: the surface has no ellipse.
#include "view/solar_system_layer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "astro/angles.h"
#include "platform/utf8_text.h"
#include "view/body_label.h"
#include "view/close_detail.h"
#include "view/frame_context.h"
#include "view/star_sprites.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

// Indexed by Body.
constexpr std::array<Color, BODY_COUNT> BODY_COLORS = {
    MakeColor(255, 224, 96),   // Sun
    MakeColor(232, 232, 216),  // Moon
    MakeColor(200, 184, 160),  // Mercury
    MakeColor(255, 248, 216),  // Venus
    MakeColor(255, 112, 72),   // Mars
    MakeColor(240, 208, 160),  // Jupiter
    MakeColor(232, 200, 120),  // Saturn
    MakeColor(144, 224, 232),  // Uranus
    MakeColor(112, 144, 255),  // Neptune
    MakeColor(184, 160, 144),  // Pluto
};
// The Moon's unlit part: dim, yet visible against the black sky.
constexpr Color MOON_DARK_COLOR = MakeColor(56, 56, 64);

constexpr double SMALLEST_RADIUS = 2.0;  // pixels: still a ring around a centre
constexpr double LARGEST_SPRITE_RADIUS = 6.0;
constexpr int32_t RIM_POINTS = 24;
// Arc (radians) towards the bright limb whose projection gives the limb's direction on the
// chart: long enough for a clear direction, short enough to stay straight.
constexpr double LIMB_PROBE = 0.01;

Color Dimmed(Color c) { return MakeColor(RedOf(c) / 2, GreenOf(c) / 2, BlueOf(c) / 2); }

// Sprite radius from the magnitude with the stars' zoom offset: the brightest column of the
// star sheet gives the largest ring, and every body keeps at least the smallest.
double SpriteRadius(double magnitude, int32_t zoomOffset) {
  const double shifted = magnitude * 100.0 + zoomOffset;
  const int32_t column = StarSpriteColumn(
      std::isfinite(shifted) ? static_cast<int32_t>(std::clamp(shifted, -1.0e6, 1.0e6))
                             : FAINTEST_SHIFTED_MAGNITUDE);
  const double step = (LARGEST_SPRITE_RADIUS - SMALLEST_RADIUS) / (STAR_SPRITE_COLUMNS - 1);
  return LARGEST_SPRITE_RADIUS - column * step;
}

// Where a point at right ascension and declination lands; false when it falls outside cap.
bool ToScreen(const Projection& projection, const VisibleCap& cap, double rightAscension,
              double declination, const SkyPlaces& sky, double& sx, double& sy) {
  const Direction horizontal = projection.SkyToHorizontal(sky, rightAscension, declination);
  if (!cap.Contains(horizontal)) return false;
  const Point pixel = projection.HorizontalToScreen(horizontal);
  sx = pixel.x;
  sy = pixel.y;
  return true;
}

bool AboveHorizon(const Projection& projection, const BodyPlace& place, const SkyPlaces& sky) {
  return projection.SkyToHorizontal(sky, place.rightAscension, place.declination).z >= 0.0;
}

// A disc as spans: the rows and columns of the chart that lie within radius of the centre.
// each(y, x0, x1) gets the inclusive columns of one row.
template <typename Row>
void ForEachSpan(const Rect& clip, double cx, double cy, double radius, Row each) {
  const int32_t top = static_cast<int32_t>(std::max<double>(clip.top, std::ceil(cy - radius)));
  const int32_t bottom =
      static_cast<int32_t>(std::min<double>(clip.bottom - 1, std::floor(cy + radius)));
  for (int32_t y = top; y <= bottom; ++y) {
    const double dy = y - cy;
    const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
    const double x0 = std::max<double>(clip.left, std::ceil(cx - half));
    const double x1 = std::min<double>(clip.right - 1, std::floor(cx + half));
    if (x0 <= x1) each(y, static_cast<int32_t>(x0), static_cast<int32_t>(x1));
  }
}

void Span(Surface& surface, int32_t y, int32_t x0, int32_t x1) {
  const Point points[2] = {{x0, y}, {x1 + 1, y}};  // a line leaves out its last pixel
  surface.Polyline(points, 2);
}

void DrawDisc(Surface& surface, const Rect& clip, double cx, double cy, double radius, Color fill,
              Color rim) {
  surface.SelectPen(fill);
  ForEachSpan(clip, cx, cy, radius,
              [&](int32_t y, int32_t x0, int32_t x1) { Span(surface, y, x0, x1); });
  if (rim == fill) return;
  Point points[RIM_POINTS + 1];
  for (int32_t i = 0; i <= RIM_POINTS; ++i) {
    const double angle = TWO_PI * i / RIM_POINTS;
    points[i] = {static_cast<int32_t>(std::lround(cx + radius * std::cos(angle))),
                 static_cast<int32_t>(std::lround(cy + radius * std::sin(angle)))};
  }
  surface.SelectPen(rim);
  surface.Polyline(points, RIM_POINTS + 1);
}

// The Moon's disc with its phase: a pixel is lit when it lies on the bright limb's side of the
// terminator, the half-ellipse u = (1 - 2 k) sqrt(1 - v^2) across the disc, u measured towards
// the bright limb (unit vector (ux, uy) on the chart) and v across it.
void DrawMoon(Surface& surface, const Rect& clip, double cx, double cy, double radius, double ux,
              double uy, double illuminatedFraction, Color lit) {
  const double terminator = 1.0 - 2.0 * std::clamp(illuminatedFraction, 0.0, 1.0);
  Color current = 0;
  bool penChosen = false;
  ForEachSpan(clip, cx, cy, radius, [&](int32_t y, int32_t x0, int32_t x1) {
    int32_t runStart = x0;
    bool runLit = false;
    for (int32_t x = x0; x <= x1 + 1; ++x) {
      bool isLit = false;
      if (x <= x1) {
        const double px = (x - cx) / radius;
        const double py = (y - cy) / radius;
        const double u = px * ux + py * uy;
        const double v = py * ux - px * uy;
        isLit = u >= terminator * std::sqrt(std::max(0.0, 1.0 - v * v));
      }
      if (x == x0) {
        runLit = isLit;
        continue;
      }
      if (x <= x1 && isLit == runLit) continue;
      const Color color = runLit ? lit : MOON_DARK_COLOR;
      if (!penChosen || color != current) {
        surface.SelectPen(color);
        current = color;
        penChosen = true;
      }
      Span(surface, y, runStart, x - 1);
      runStart = x;
      runLit = isLit;
    }
  });
}

// The bright limb's direction on the chart: from the centre towards the point LIMB_PROBE away
// at the limb's position angle. (1, 0) when that point does not project.
void BrightLimbDirection(const Projection& projection, const VisibleCap& cap,
                         const BodyPlace& place, const SkyPlaces& sky, double cx, double cy,
                         double& ux, double& uy) {
  ux = 1.0;
  uy = 0.0;
  const double sinDec = std::sin(place.declination);
  const double cosDec = std::cos(place.declination);
  const double angle = place.brightLimbAngle;
  const double sinProbeDec = std::clamp(
      sinDec * std::cos(LIMB_PROBE) + cosDec * std::sin(LIMB_PROBE) * std::cos(angle), -1.0, 1.0);
  const double probeRa =
      place.rightAscension + std::atan2(std::sin(angle) * std::sin(LIMB_PROBE) * cosDec,
                                        std::cos(LIMB_PROBE) - sinDec * sinProbeDec);
  double px = 0.0;
  double py = 0.0;
  if (!ToScreen(projection, cap, probeRa, std::asin(sinProbeDec), sky, px, py)) return;
  const double length = std::hypot(px - cx, py - cy);
  if (!(length > 0.0)) return;
  ux = (px - cx) / length;
  uy = (py - cy) / length;
}

// What the sky and the names ask of the bodies.
struct BodyFilter {
  // Planets fainter than this are lost in a bright sky (the Sun and the Moon never are).
  double faintestMagnitude;
  // Below the horizon the ground hides a body: its name is not asked for.
  bool aboveHorizonOnly;
  // Bodies fainter than this are drawn without a name (Pluto at wide fields).
  double namedMagnitude;
};

// A body fainter than the stars around it is named only where its field is narrow.
BodyFilter FilterOf(const FrameContext& frame) {
  const double field = frame.projection.GetFieldOfView();
  const double namedMagnitude = ShowsCloseDetail(field)
                                    ? std::numeric_limits<double>::infinity()
                                    : StarLayerLimit(frame.layers, field) / 100.0;
  return {frame.light.faintestMagnitude, frame.layers.showGround, namedMagnitude};
}

}  // namespace

void DrawSolarSystem(const FrameContext& frame, Surface& surface) {
  const LayerSet& layers = frame.layers;
  if (!layers.showSolarSystem) return;
  const Projection& projection = frame.projection;
  const SolarSystemPlaces& places = frame.moment.GetBodies();
  const SkyPlaces& sky = frame.Sky();
  const BodyFilter filter = FilterOf(frame);
  const Rect& clip = projection.GetViewRect();
  const double pixelsPerRadian = projection.GetXScale();
  // Wide enough for a whole Moon or ring whose centre lies just off the chart.
  const double marginPixels = LARGEST_SPRITE_RADIUS + 1.0;
  const double margin =
      pixelsPerRadian > 0.0 ? marginPixels / pixelsPerRadian + 0.01 : 0.01;  // 0.01: the Moon
  const VisibleCap cap = VisibleCap::ForView(projection, margin);
  const int32_t zoomOffset = StarZoomOffset(projection.GetFieldOfView());

  std::array<int, BODY_COUNT> order{};
  for (int i = 0; i < BODY_COUNT; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return places[a].distance > places[b].distance; });

  for (const int index : order) {
    const BodyPlace& place = places[index];
    if (!place.available) continue;
    const Body body = static_cast<Body>(index);
    const bool alwaysSeen = body == Body::SUN || body == Body::MOON;
    if (!alwaysSeen && place.magnitude > filter.faintestMagnitude) continue;
    double cx = 0.0;
    double cy = 0.0;
    if (!ToScreen(projection, cap, place.rightAscension, place.declination, sky, cx, cy)) {
      continue;
    }
    const double trueRadius = 0.5 * place.diameter * pixelsPerRadian;
    const double radius = std::max(SpriteRadius(place.magnitude, zoomOffset),
                                   std::isfinite(trueRadius) ? trueRadius : 0.0);
    if (cx + radius < clip.left - 1 || cx - radius > clip.right || cy + radius < clip.top - 1 ||
        cy - radius > clip.bottom) {
      continue;
    }
    const Color color = BODY_COLORS[index];
    switch (body) {
      case Body::SUN: DrawDisc(surface, clip, cx, cy, radius, color, color); break;
      case Body::MOON: {
        double ux = 1.0;
        double uy = 0.0;
        BrightLimbDirection(projection, cap, place, sky, cx, cy, ux, uy);
        DrawMoon(surface, clip, cx, cy, radius, ux, uy, place.illuminatedFraction, color);
        break;
      }
      default: DrawDisc(surface, clip, cx, cy, radius, Dimmed(color), color); break;
    }
    // The ground hides the rest of the disc; a body half set keeps no name.
    if (filter.aboveHorizonOnly && !AboveHorizon(projection, place, sky)) continue;
    if (!alwaysSeen && place.magnitude > filter.namedMagnitude) continue;
    frame.labels.push_back({cx, cy, radius, Utf8ToUtf16(BodyLabel(body)), LabelRank::Body,
                            place.magnitude, frame.pens.bodyName, false});
  }
}

}  // namespace halvane
