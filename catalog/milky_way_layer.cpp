// The Milky Way layer: the five outline levels of MilkyWay.dat filled in steps of a faint cool
// grey, each level over the one before. The chart's projection holds the whole sky but the
// point opposite the view; rings are cut at a circle far beyond the chart's corners, and each
// stretch beyond it is replaced by an arc of that circle that turns as far around the centre
// as the stretch did, so every pixel of the chart keeps its side of every ring. An even-odd
// fill of that plane counts the opposite point as outside; where a level encloses it, a
// circle along the cut turns the level's inside back out.
#include "catalog/milky_way_layer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "catalog/sky_records.h"
#include "view/layer_set.h"
#include "view/projection.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

constexpr std::array<Color, MILKY_WAY_LEVELS> LEVEL_COLORS = {
    MakeColor(0x10, 0x12, 0x18), MakeColor(0x16, 0x19, 0x21), MakeColor(0x1C, 0x20, 0x2A),
    MakeColor(0x22, 0x27, 0x33), MakeColor(0x28, 0x2E, 0x3C)};
constexpr double ARC_STEP = 0.2;  // radians of turn between two points of a cut arc
// Cosine of the distance from the view's centre beyond which rings are not thinned: 8 degrees
// from the point opposite.
constexpr double NEAR_OPPOSITE = -0.99;
// Vertices closer than this (radians) to the one kept before are dropped when loading.
constexpr double KEPT_SPACING = 0.004;

using Vector = MilkyWayLayer::Vector;

Vector UnitVector(double longitude, double latitude) {
  return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude),
          std::sin(latitude)};
}

double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vector Cross(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vector Normalized(const Vector& v) {
  const double length = std::sqrt(Dot(v, v));
  return {v[0] / length, v[1] / length, v[2] / length};
}

// The band's pole is the axis its vertices lie closest to a plane across: the eigenvector of
// the least eigenvalue of their scatter, found by power iteration on the scatter's complement.
void FindPole(MilkyWayLayer& layer) {
  std::array<Vector, 3> scatter{};
  for (const MilkyWayLayer::Ring& ring : layer.rings) {
    for (size_t k = ring.begin; k < ring.end; ++k) {
      const Vector& v = layer.directions[k];
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) scatter[i][j] += v[i] * v[j];
      }
    }
  }
  const double trace = scatter[0][0] + scatter[1][1] + scatter[2][2];
  Vector pole = Normalized({1.0, 1.0, 1.0});
  for (int step = 0; step < 100 && trace > 0.0; ++step) {
    Vector next{};
    for (int i = 0; i < 3; ++i) next[i] = trace * pole[i] - Dot(scatter[i], pole);
    pole = Normalized(next);
  }
  layer.pole = pole;
  const Vector helper = std::fabs(pole[2]) < 0.9 ? Vector{0.0, 0.0, 1.0} : Vector{1.0, 0.0, 0.0};
  layer.axisX = Normalized(Cross(helper, pole));
  layer.axisY = Cross(pole, layer.axisX);
}

// A direction's place in the plane about the band's pole.
std::array<double, 2> AroundPole(const MilkyWayLayer& layer, const Vector& v) {
  const double x = Dot(v, layer.axisX);
  const double y = Dot(v, layer.axisY);
  const double across = std::hypot(x, y);
  if (across == 0.0) return {0.0, 0.0};
  const double distance = std::atan2(across, Dot(v, layer.pole));
  return {distance * x / across, distance * y / across};
}

// Whether the rings of one level enclose direction q, by the even-odd rule in the plane about
// the band's pole, which itself lies outside every level: the ray from q's place straight away
// from the pole's crosses the level's edges an odd number of times. Only edges whose ends lie
// on either side of the great circle through the pole and q can cross it, which a sign on the
// sphere tells; only those few need their places in the plane.
bool LevelEncloses(const MilkyWayLayer& layer, uint8_t level, const Vector& q) {
  const Vector across = Cross(layer.pole, q);
  if (Dot(across, across) == 0.0) return false;  // q is a pole of the band
  const std::array<double, 2> p = AroundPole(layer, q);
  const double reach = std::sqrt(p[0] * p[0] + p[1] * p[1]);
  if (reach == 0.0) return false;
  const double ux = p[0] / reach;
  const double uy = p[1] / reach;
  bool inside = false;
  for (const MilkyWayLayer::Ring& ring : layer.rings) {
    if (ring.level != level) continue;
    const Vector* vertices = layer.directions.data() + ring.begin;
    const size_t n = ring.end - ring.begin;
    bool lastSide = Dot(across, vertices[n - 1]) > 0.0;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
      const bool side = Dot(across, vertices[i]) > 0.0;
      if (side != lastSide) {
        const std::array<double, 2> a = AroundPole(layer, vertices[j]);
        const std::array<double, 2> b = AroundPole(layer, vertices[i]);
        // Where the edge meets the line through the pole's place and p, along that line.
        const double offA = ux * a[1] - uy * a[0];
        const double offB = ux * b[1] - uy * b[0];
        const double t = offA / (offA - offB);
        const double along = (a[0] + t * (b[0] - a[0])) * ux + (a[1] + t * (b[1] - a[1])) * uy;
        if (along > reach) inside = !inside;
      }
      lastSide = side;
    }
  }
  return inside;
}

struct Polygon {
  std::vector<Point> points;
  std::vector<int32_t> counts;
};

// A direction in the view's frame: x right, y up, z towards the view's centre.
using ViewPoint = Vector;

// Cuts one ring at the circle of radius cut (radians from the view centre) and adds what is
// left, as pixels, to polygon.
class RingCutter {
 public:
  RingCutter(const Projection& projection, double cut)
      : projection(projection), cut(cut), cosCut(std::cos(cut)) {}

  // A ring along the whole cut, flipping the side of every pixel within it.
  void AddWholeCut(Polygon& polygon) const {
    const size_t start = polygon.points.size();
    for (double t = 0.0; t < TWO_PI; t += ARC_STEP) EmitOnCut(t, polygon);
    polygon.counts.push_back(static_cast<int32_t>(polygon.points.size() - start));
  }

  void Add(const std::vector<ViewPoint>& view, Polygon& polygon) const {
    const size_t start = polygon.points.size();
    const size_t n = view.size();
    // Start at a vertex inside the cut, so that every stretch beyond it is whole.
    size_t first = 0;
    while (first < n && Outside(view[first])) ++first;
    if (first == n) {
      // A ring wholly beyond the cut that goes round the centre encloses the whole chart.
      double totalTurn = 0.0;
      for (size_t i = 0; i < n; ++i) totalTurn += Turn(view[i], view[(i + 1) % n]);
      if (std::fabs(totalTurn) > PI) AddWholeCut(polygon);
      return;
    }
    double turned = 0.0;  // around the centre since the ring went beyond the cut
    double exitAngle = 0.0;
    bool outside = false;
    for (size_t j = 1; j <= n; ++j) {
      const ViewPoint& a = view[(first + j - 1) % n];
      const ViewPoint& b = view[(first + j) % n];
      const bool bOutside = Outside(b);
      if (!outside && bOutside) {
        const double step = Turn(a, b);
        const double fraction = Fraction(a, b);
        exitAngle = std::atan2(a[1], a[0]) + step * fraction;
        turned = step * (1.0 - fraction);
        EmitOnCut(exitAngle, polygon);
      } else if (outside && !bOutside) {
        turned += Turn(a, b) * Fraction(a, b);
        for (double t = ARC_STEP; t < std::fabs(turned); t += ARC_STEP) {
          EmitOnCut(exitAngle + std::copysign(t, turned), polygon);
        }
        EmitOnCut(exitAngle + turned, polygon);
      } else if (outside) {
        turned += Turn(a, b);
      }
      if (!bOutside) Emit(b, polygon);
      outside = bOutside;
    }
    const auto count = static_cast<int32_t>(polygon.points.size() - start);
    if (count >= 3) {
      polygon.counts.push_back(count);
    } else {
      polygon.points.resize(start);
    }
  }

 private:
  bool Outside(const ViewPoint& p) const { return p[2] < cosCut; }
  // Unit vectors: their squares cannot overflow, so the plain root serves.
  static double Across(const ViewPoint& p) { return std::sqrt(p[0] * p[0] + p[1] * p[1]); }
  static double Distance(const ViewPoint& p) { return std::atan2(Across(p), p[2]); }
  // The turn about the view's centre from a to b, the short way.
  static double Turn(const ViewPoint& a, const ViewPoint& b) {
    return std::atan2(a[0] * b[1] - a[1] * b[0], a[0] * b[0] + a[1] * b[1]);
  }
  // Where along a to b the distance from the centre reaches the cut, 0 to 1.
  double Fraction(const ViewPoint& a, const ViewPoint& b) const {
    const double da = Distance(a);
    const double db = Distance(b);
    return da == db ? 0.5 : std::clamp((cut - da) / (db - da), 0.0, 1.0);
  }
  void EmitOnCut(double angle, Polygon& polygon) const {
    EmitPlane(cut * std::cos(angle), cut * std::sin(angle), polygon);
  }
  // The chart's projection keeps the distance from the centre along the sphere.
  void Emit(const ViewPoint& p, Polygon& polygon) const {
    const double across = Across(p);
    const double scale = across > 0.0 ? std::atan2(across, p[2]) / across : 1.0;
    EmitPlane(p[0] * scale, p[1] * scale, polygon);
  }
  void EmitPlane(double x, double y, Polygon& polygon) const {
    Point pixel;
    projection.ViewToScreen(x, y, pixel.x, pixel.y);
    polygon.points.push_back(pixel);
  }

  const Projection& projection;
  double cut;
  double cosCut;
};

// The catalog direction shown at view-plane point (x, y).
Vector CatalogDirection(const Projection& projection, const SkyPlaces& sky, double x, double y) {
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.GetOrientation().ViewToHorizontal(x, y, azimuth, altitude);
  double rightAscension = 0.0;
  double declination = 0.0;
  projection.HorizontalToSky(sky, azimuth, altitude, rightAscension, declination);
  return UnitVector(rightAscension, declination);
}

// The view's axes in the catalog's frame, from the sky at the centre and a step right and up
// of it: the sky's turn of the catalog is a rotation but for refraction and aberration, which
// the Milky Way's outline is far too coarse to show.
std::array<Vector, 3> ViewAxes(const Projection& projection, const SkyPlaces& sky) {
  constexpr double STEP = 0.01;  // radians
  const Vector centre = CatalogDirection(projection, sky, 0.0, 0.0);
  const Vector right = CatalogDirection(projection, sky, STEP, 0.0);
  const Vector toRight{right[0] - centre[0], right[1] - centre[1], right[2] - centre[2]};
  const double along = Dot(toRight, centre);
  const Vector x = Normalized({toRight[0] - along * centre[0], toRight[1] - along * centre[1],
                               toRight[2] - along * centre[2]});
  Vector y = Cross(centre, x);
  const Vector up = CatalogDirection(projection, sky, 0.0, STEP);
  if (Dot(y, up) < Dot(y, centre)) y = {-y[0], -y[1], -y[2]};
  return {x, y, centre};
}

// True when a ring lies beyond the cut and neither it nor its inside reaches the point
// opposite the view: it then adds nothing to the chart, so its vertices need no work.
bool WhollyBeyondCut(const MilkyWayLayer::Ring& ring, const Vector& viewCentre, double cut) {
  if (cut + ring.radius >= PI) return false;
  const double towardsCentre = Dot(ring.centre, viewCentre);
  return towardsCentre < std::cos(cut + ring.radius) && -towardsCentre < std::cos(ring.radius);
}

// Whether a vertex lies closer than KEPT_SPACING to the one kept before, by the steps of its
// declination and of its right ascension along the parallel; the cheap bounds come first.
bool TooClose(const MilkyWayVertex& vertex, double lastRightAscension, double lastDeclination) {
  const double step = std::fabs(vertex.declination - lastDeclination);
  if (step >= KEPT_SPACING) return false;
  double turn = vertex.rightAscension - lastRightAscension;
  // Within half a turn the remainder is the difference itself.
  if (std::fabs(turn) > PI) turn = std::remainder(turn, TWO_PI);
  // The cosine is at most 1.
  if (step + std::fabs(turn) < KEPT_SPACING) return true;
  return step + std::fabs(turn) * std::cos(vertex.declination) < KEPT_SPACING;
}

bool LoadRings(const std::string& path, MilkyWayLayer& layer) {
  layer = {};
  // Untouched, the room reserved for every record costs no page; a hostile size gets no more
  // than any outline needs.
  constexpr int64_t MOST_RESERVED = int64_t{1} << 20;
  const int64_t records = StateOf(path).size / static_cast<int64_t>(MILKY_WAY_RECORD_SIZE);
  if (records > 0) layer.directions.reserve(static_cast<size_t>(std::min(records, MOST_RESERVED)));
  MilkyWayLayer::Ring* ring = nullptr;
  // A ring of fewer than three vertices encloses nothing and is dropped.
  const auto closeRing = [&] {
    if (ring == nullptr) return;
    ring->end = layer.directions.size();
    if (ring->end - ring->begin < 3) {
      layer.directions.resize(ring->begin);
      layer.rings.pop_back();
    }
    ring = nullptr;
  };
  uint16_t polygon = 0;
  uint8_t ringNumber = 0;
  double lastRightAscension = 0.0;
  double lastDeclination = 0.0;
  const WalkResult result =
      WalkRecords(path, MILKY_WAY_TAG, MILKY_WAY_RECORD_SIZE, [&](const uint8_t* bytes) {
        const MilkyWayVertex vertex = DecodeMilkyWayVertex(bytes);
        if (!IsUsablePosition(vertex.rightAscension, vertex.declination) ||
            std::fabs(vertex.declination) > HALF_PI || vertex.level < 1 ||
            vertex.level > MILKY_WAY_LEVELS) {
          return;
        }
        if (ring == nullptr || vertex.polygon != polygon || vertex.ring != ringNumber ||
            vertex.level != ring->level) {
          closeRing();
          ring = &layer.rings.emplace_back();
          ring->level = vertex.level;
          ring->begin = layer.directions.size();
          polygon = vertex.polygon;
          ringNumber = vertex.ring;
        } else if (TooClose(vertex, lastRightAscension, lastDeclination)) {
          return;
        }
        lastRightAscension = vertex.rightAscension;
        lastDeclination = vertex.declination;
        layer.directions.push_back(UnitVector(vertex.rightAscension, vertex.declination));
      });
  closeRing();
  FindPole(layer);
  for (MilkyWayLayer::Ring& r : layer.rings) {
    Vector sum{};
    for (size_t k = r.begin; k < r.end; ++k) {
      for (int i = 0; i < 3; ++i) sum[i] += layer.directions[k][i];
    }
    r.centre = Dot(sum, sum) > 0.0 ? Normalized(sum) : layer.pole;
    double cosRadius = 1.0;
    for (size_t k = r.begin; k < r.end; ++k) {
      cosRadius = std::min(cosRadius, Dot(layer.directions[k], r.centre));
    }
    // A little wider than the farthest vertex, for rounding.
    r.radius = std::min(PI, std::acos(std::clamp(cosRadius, -1.0, 1.0)) + 1e-6);
  }
  layer.loadedPath = path;
  layer.usable = result == WalkResult::Completed;
  return layer.usable;
}

}  // namespace

void PrepareMilkyWay(const LayerSet& layers, MilkyWayLayer& layer) {
  if (layers.showMilkyWay && layer.loadedPath != layers.milkyWayPath) {
    LoadRings(layers.milkyWayPath, layer);
  }
}

void DrawMilkyWay(const Projection& projection, const LayerSet& layers, MilkyWayLayer& layer,
                  Surface& surface, const SkyPlaces& sky) {
  if (layer.loadedPath != layers.milkyWayPath) LoadRings(layers.milkyWayPath, layer);
  if (!layer.usable) {
    RecordFile file(MILKY_WAY_RECORD_SIZE);
    OpenLayerFile(file, layers.milkyWayPath, MILKY_WAY_TAG, FILE_NOT_FOUND_TEXT, surface,
                  projection.GetViewRect());
    return;
  }
  // Beyond the chart's corners by more than the arcs' chords cut inside the circle, and short
  // of the point opposite the view.
  const double cut = std::min(PI - 0.3, VisibleCap::ForView(projection, 0.0).radius + 0.1);
  const RingCutter cutter(projection, cut);
  std::array<Polygon, MILKY_WAY_LEVELS> levels;
  double viewAzimuth = 0.0;
  double viewAltitude = 0.0;
  projection.GetViewDirection(viewAzimuth, viewAltitude);
  double oppositeRightAscension = 0.0;
  double oppositeDeclination = 0.0;
  projection.HorizontalToSky(sky, viewAzimuth + PI, -viewAltitude, oppositeRightAscension,
                             oppositeDeclination);
  const Vector opposite = UnitVector(oppositeRightAscension, oppositeDeclination);
  for (uint8_t level = 1; level <= MILKY_WAY_LEVELS; ++level) {
    if (LevelEncloses(layer, level, opposite)) cutter.AddWholeCut(levels[level - 1]);
  }
  const std::array<Vector, 3> axes = ViewAxes(projection, sky);
  // Vertices closer than two pixels to the one kept before add nothing the soft outline needs.
  const double cosSpacing = std::cos(2.0 / std::max(projection.GetXScale(), 1e-9));
  std::vector<ViewPoint> view;
  for (const MilkyWayLayer::Ring& ring : layer.rings) {
    if (WhollyBeyondCut(ring, axes[2], cut)) continue;
    view.clear();
    const Vector* kept = nullptr;
    for (size_t k = ring.begin; k < ring.end; ++k) {
      const Vector& direction = layer.directions[k];
      const ViewPoint p{Dot(axes[0], direction), Dot(axes[1], direction), Dot(axes[2], direction)};
      // Thinned rings must keep their side of the point opposite the view.
      if (kept != nullptr && p[2] > NEAR_OPPOSITE && Dot(direction, *kept) > cosSpacing) continue;
      if (p[0] == 0.0 && p[1] == 0.0 && p[2] < 0.0) continue;  // exactly opposite: no direction
      kept = &direction;
      view.push_back(p);
    }
    cutter.Add(view, levels[ring.level - 1]);
  }
  for (size_t level = 0; level < levels.size(); ++level) {
    const Polygon& polygon = levels[level];
    if (polygon.counts.empty()) continue;
    surface.FillPolygon(polygon.points.data(), polygon.counts.data(),
                        static_cast<int32_t>(polygon.counts.size()), LEVEL_COLORS[level]);
  }
}

}  // namespace halvane
