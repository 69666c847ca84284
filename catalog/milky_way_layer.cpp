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
#include <memory>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/direction.h"
#include "catalog/catalog_store.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "catalog/sky_records.h"
#include "view/frame_context.h"
#include "view/view_orientation.h"
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

Direction Cross(const Direction& a, const Direction& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Direction Normalized(const Direction& v) {
  const double length = std::sqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// The band's pole is the axis its vertices lie closest to a plane across: the eigenvector of
// the least eigenvalue of their scatter, found by power iteration on the scatter's complement.
void FindPole(MilkyWayLayer& layer) {
  std::array<Direction, 3> scatter{Direction{0.0, 0.0, 0.0}, Direction{0.0, 0.0, 0.0},
                                   Direction{0.0, 0.0, 0.0}};
  for (const MilkyWayLayer::Ring& ring : layer.rings) {
    for (size_t k = ring.begin; k < ring.end; ++k) {
      const Direction& v = layer.directions[k];
      const std::array<double, 3> components{v.x, v.y, v.z};
      for (int i = 0; i < 3; ++i) {
        scatter[i].x += components[i] * v.x;
        scatter[i].y += components[i] * v.y;
        scatter[i].z += components[i] * v.z;
      }
    }
  }
  const double trace = scatter[0].x + scatter[1].y + scatter[2].z;
  Direction pole = Normalized({1.0, 1.0, 1.0});
  for (int step = 0; step < 100 && trace > 0.0; ++step) {
    pole =
        Normalized({trace * pole.x - Dot(scatter[0], pole), trace * pole.y - Dot(scatter[1], pole),
                    trace * pole.z - Dot(scatter[2], pole)});
  }
  layer.pole = pole;
  const Direction helper =
      std::fabs(pole.z) < 0.9 ? Direction{0.0, 0.0, 1.0} : Direction{1.0, 0.0, 0.0};
  layer.axisX = Normalized(Cross(helper, pole));
  layer.axisY = Cross(pole, layer.axisX);
}

// A direction's place in the plane about the band's pole.
std::array<double, 2> AroundPole(const MilkyWayLayer& layer, const Direction& v) {
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
bool LevelEncloses(const MilkyWayLayer& layer, uint8_t level, const Direction& q) {
  const Direction across = Cross(layer.pole, q);
  if (Dot(across, across) == 0.0) return false;  // q is a pole of the band
  const std::array<double, 2> p = AroundPole(layer, q);
  const double reach = std::sqrt(p[0] * p[0] + p[1] * p[1]);
  if (reach == 0.0) return false;
  const double ux = p[0] / reach;
  const double uy = p[1] / reach;
  bool inside = false;
  for (const MilkyWayLayer::Ring& ring : layer.rings) {
    if (ring.level != level) continue;
    const Direction* vertices = layer.directions.data() + ring.begin;
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
using ViewPoint = Direction;

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
        exitAngle = std::atan2(a.y, a.x) + step * fraction;
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
  bool Outside(const ViewPoint& p) const { return p.z < cosCut; }
  // Unit vectors: their squares cannot overflow, so the plain root serves.
  static double Across(const ViewPoint& p) { return std::sqrt(p.x * p.x + p.y * p.y); }
  static double Distance(const ViewPoint& p) { return std::atan2(Across(p), p.z); }
  // The turn about the view's centre from a to b, the short way.
  static double Turn(const ViewPoint& a, const ViewPoint& b) {
    return std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y);
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
    const double scale = EquidistantScale(across, p.z);
    EmitPlane(p.x * scale, p.y * scale, polygon);
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
Direction CatalogDirection(const Projection& projection, const SkyPlaces& sky, double x, double y) {
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.GetOrientation().ViewToHorizontal(x, y, azimuth, altitude);
  double rightAscension = 0.0;
  double declination = 0.0;
  projection.HorizontalToSky(sky, azimuth, altitude, rightAscension, declination);
  return DirectionOf(rightAscension, declination);
}

// The view's axes in the catalog's frame, from the sky at the centre and a step right and up
// of it: the sky's turn of the catalog is a rotation but for refraction and aberration, which
// the Milky Way's outline is far too coarse to show.
Rotation ViewAxes(const Projection& projection, const SkyPlaces& sky) {
  constexpr double STEP = 0.01;  // radians
  const Direction centre = CatalogDirection(projection, sky, 0.0, 0.0);
  const Direction right = CatalogDirection(projection, sky, STEP, 0.0);
  const Direction toRight{right.x - centre.x, right.y - centre.y, right.z - centre.z};
  const double along = Dot(toRight, centre);
  const Direction x = Normalized(
      {toRight.x - along * centre.x, toRight.y - along * centre.y, toRight.z - along * centre.z});
  Direction y = Cross(centre, x);
  const Direction up = CatalogDirection(projection, sky, 0.0, STEP);
  if (Dot(y, up) < Dot(y, centre)) y = {-y.x, -y.y, -y.z};
  return {x, y, centre};
}

// True when a ring lies beyond the cut and neither it nor its inside reaches the point
// opposite the view: it then adds nothing to the chart, so its vertices need no work.
bool WhollyBeyondCut(const MilkyWayLayer::Ring& ring, const Direction& viewCentre, double cut) {
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
  if (std::fabs(turn) > PI) turn = WrapToHalfTurn(turn);
  // The cosine is at most 1.
  if (step + std::fabs(turn) < KEPT_SPACING) return true;
  return step + std::fabs(turn) * std::cos(vertex.declination) < KEPT_SPACING;
}

void LoadRings(const std::string& path, MilkyWayLayer& layer) {
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
        layer.directions.push_back(DirectionOf(vertex.rightAscension, vertex.declination));
      });
  closeRing();
  FindPole(layer);
  for (MilkyWayLayer::Ring& r : layer.rings) {
    Direction sum{0.0, 0.0, 0.0};
    for (size_t k = r.begin; k < r.end; ++k) {
      const Direction& d = layer.directions[k];
      sum = {sum.x + d.x, sum.y + d.y, sum.z + d.z};
    }
    r.centre = Dot(sum, sum) > 0.0 ? Normalized(sum) : layer.pole;
    double cosRadius = 1.0;
    for (size_t k = r.begin; k < r.end; ++k) {
      cosRadius = std::min(cosRadius, Dot(layer.directions[k], r.centre));
    }
    // A little wider than the farthest vertex, for rounding.
    r.radius = std::min(PI, std::acos(std::clamp(cosRadius, -1.0, 1.0)) + 1e-6);
  }
  layer.usable = result == WalkResult::Completed;
}

std::shared_ptr<const MilkyWayLayer> KeptRings(const LayerSet& layers, CatalogStore& catalogs) {
  return catalogs.Made<MilkyWayLayer>(layers.milkyWayPath, [](const std::string& path) {
    MilkyWayLayer layer;
    LoadRings(path, layer);
    return layer;
  });
}

}  // namespace

void PrepareMilkyWay(const LayerSet& layers, CatalogStore& catalogs) {
  if (layers.showMilkyWay) KeptRings(layers, catalogs);
}

void DrawMilkyWay(const FrameContext& frame, Surface& surface) {
  const LayerSet& layers = frame.layers;
  // The daylight sky hides the Milky Way.
  if (!layers.showMilkyWay || !frame.light.dark) return;
  const Projection& projection = frame.projection;
  const SkyPlaces& sky = frame.Sky();
  const auto kept = KeptRings(layers, *frame.catalogs);
  const MilkyWayLayer& layer = *kept;
  if (!layer.usable) {
    RecordFile file(MILKY_WAY_RECORD_SIZE);
    UsableLayerFile(frame.catalogs->Open(file, layers.milkyWayPath, MILKY_WAY_TAG),
                    FILE_NOT_FOUND_TEXT, surface, projection.GetViewRect());
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
  const Direction opposite = DirectionOf(oppositeRightAscension, oppositeDeclination);
  for (uint8_t level = 1; level <= MILKY_WAY_LEVELS; ++level) {
    if (LevelEncloses(layer, level, opposite)) cutter.AddWholeCut(levels[level - 1]);
  }
  // Each vertex in the view's frame.
  const Rotation toView = ViewAxes(projection, sky);
  // Vertices closer than two pixels to the one kept before add nothing the soft outline needs.
  const double cosSpacing = std::cos(2.0 / std::max(projection.GetXScale(), 1e-9));
  std::vector<ViewPoint> view;
  for (const MilkyWayLayer::Ring& ring : layer.rings) {
    if (WhollyBeyondCut(ring, toView.z, cut)) continue;
    view.clear();
    const Direction* kept = nullptr;
    for (size_t k = ring.begin; k < ring.end; ++k) {
      const Direction& direction = layer.directions[k];
      const ViewPoint p = toView.Apply(direction);
      // Thinned rings must keep their side of the point opposite the view.
      if (kept != nullptr && p.z > NEAR_OPPOSITE && Dot(direction, *kept) > cosSpacing) continue;
      if (p.x == 0.0 && p.y == 0.0 && p.z < 0.0) continue;  // exactly opposite: no direction
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
