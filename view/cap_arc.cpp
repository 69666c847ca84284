// The arc is p(t) = a cos t + u sin t for t in [0, length], with a and u orthonormal in the
// great circle's plane; its points in the cap are those where c . p(t) >= cos R, an interval
// of t found in closed form.
#include "view/cap_arc.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "view/projection.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

constexpr double TOLERANCE = 0.25;        // pixels between a chord and the arc's image
constexpr double FIRST_STEP = 0.05;       // radians of arc per chord before any test
constexpr int MAX_DEPTH = 24;             // halvings of a first chord
constexpr double DEGENERATE = 1e-12;      // sine of the angle between the ends
constexpr double MAX_FIRST_CHORDS = 1e4;  // a cap is never longer than this many first steps

// A point of the arc with its unrounded pixel and the pixel the chart draws.
struct Spot {
  double t;
  double x;
  double y;
  Point pixel;
};

class ArcTracer {
 public:
  ArcTracer(const Projection& view, const Direction& a, const Direction& u)
      : view(view), a(a), u(u) {}

  // Appends the pixels of the arc from t0 to t1 to points.
  void Trace(double t0, double t1, std::vector<Point>& points) {
    const double chords = std::min(MAX_FIRST_CHORDS, std::ceil((t1 - t0) / FIRST_STEP));
    const int count = std::max(1, static_cast<int>(chords));
    Spot from = At(t0);
    points.push_back(from.pixel);
    for (int i = 1; i <= count; ++i) {
      const Spot to = At(t0 + (t1 - t0) * i / count);
      Refine(from, to, 0, points);
      from = to;
    }
  }

 private:
  Spot At(double t) const {
    const double c = std::cos(t);
    const double s = std::sin(t);
    const Direction p{a.x * c + u.x * s, a.y * c + u.y * s, a.z * c + u.z * s};
    Spot spot{t, 0.0, 0.0, Point{}};
    spot.pixel = view.HorizontalToScreen(p, spot.x, spot.y);
    return spot;
  }

  // Splits the chord from s0 to s1 while the arc's middle strays from it; appends the
  // pixels after s0, up to and including s1.
  void Refine(const Spot& s0, const Spot& s1, int depth, std::vector<Point>& points) {
    const Spot middle = At(0.5 * (s0.t + s1.t));
    if (depth < MAX_DEPTH && DistanceToChord(middle, s0, s1) > TOLERANCE) {
      Refine(s0, middle, depth + 1, points);
      Refine(middle, s1, depth + 1, points);
      return;
    }
    const Point& last = points.back();
    if (last.x != s1.pixel.x || last.y != s1.pixel.y) points.push_back(s1.pixel);
  }

  static double DistanceToChord(const Spot& p, const Spot& s0, const Spot& s1) {
    const double dx = s1.x - s0.x;
    const double dy = s1.y - s0.y;
    const double squared = dx * dx + dy * dy;
    double along = 0.0;
    if (squared > 0.0)
      along = std::clamp(((p.x - s0.x) * dx + (p.y - s0.y) * dy) / squared, 0.0, 1.0);
    const double distance = std::hypot(p.x - s0.x - along * dx, p.y - s0.y - along * dy);
    return std::isnan(distance) ? 0.0 : distance;
  }

  const Projection& view;
  Direction a;
  Direction u;
};

}  // namespace

void DrawArcInCap(const Projection& view, const VisibleCap& cap, const Direction& a,
                  const Direction& b, Surface& surface) {
  const double cosLength = Dot(a, b);
  const Direction across{b.x - cosLength * a.x, b.y - cosLength * a.y, b.z - cosLength * a.z};
  const double sinLength = std::sqrt(Dot(across, across));
  if (!(sinLength > DEGENERATE)) return;
  const Direction u{across.x / sinLength, across.y / sinLength, across.z / sinLength};
  const double length = std::atan2(sinLength, cosLength);

  // c . p(t) = k cos(t - phase).
  const Direction& c = cap.centre;
  const double ca = Dot(c, a);
  const double cu = Dot(c, u);
  const double k = std::hypot(ca, cu);
  if (!(k >= cap.cosRadius)) return;  // also a NaN cap
  const double halfWidth = k > 0.0 ? std::acos(std::clamp(cap.cosRadius / k, -1.0, 1.0)) : PI;
  // Lifted by two turns first: the charts' last bits depend on this rounding.
  double start = WrapToTurn(std::atan2(cu, ca) - halfWidth + 2.0 * TWO_PI);
  if (halfWidth >= PI) start = 0.0;  // the whole circle: one piece

  ArcTracer tracer(view, a, u);
  std::vector<Point> points;
  // The interval [start, start + 2 halfWidth] taken once as it is and once a turn earlier;
  // each meets [0, length] in at most one piece.
  for (const double from : {start, start - TWO_PI}) {
    const double t0 = std::max(0.0, from);
    const double t1 = std::min(length, from + 2.0 * halfWidth);
    if (!(t0 < t1)) continue;
    points.clear();
    tracer.Trace(t0, t1, points);
    surface.Polyline(points.data(), static_cast<int32_t>(points.size()));
  }
}

}  // namespace halvane
