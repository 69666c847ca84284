// The cap pre-test never rejects a position that the cap test itself would accept.
#include "catalog/cap_prefilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "view/projection.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

TEST(CapPrefilter, RejectsOnlyWhatTheCapTestRejects) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double directions[][2] = {{0.0, HALF_PI},
                                  {0.0, 30 * DEG_TO_RAD},
                                  {PI, 30 * DEG_TO_RAD},
                                  {HALF_PI, 0.4},
                                  {-HALF_PI, 0.5},
                                  {0.0, 1.8},
                                  {0.0, 1.0},
                                  {2.0, -0.3}};
  for (const double latitude : {50.0, 0.0, -35.0, 89.0}) {
    for (const auto& direction : directions) {
      for (const double radius : {0.05, 1.17, 2.4}) {
        Observer observer;
        observer.SetLocation(-20.0, latitude);
        ViewOrientation orientation;
        orientation.SetViewDirection(direction[0], direction[1]);
        orientation.RotateClockwise();
        double azimuth0 = 0.0;
        double altitude0 = 0.0;
        orientation.GetViewDirection(azimuth0, altitude0);
        const VisibleCap cap = VisibleCap::Around(azimuth0, altitude0, radius);
        const CapPrefilter prefilter(observer, cap);
        int rejected = 0;
        for (int i = 0; i < 4000; ++i) {
          // Every fourth point on the meridian or at a pole, where the transform is special.
          double hour = TWO_PI * unit(random) - PI;
          double declination = std::asin(2.0 * unit(random) - 1.0);
          if (i % 4 == 1) hour = (i % 8 == 1) ? 0.0 : PI;
          if (i % 16 == 3) declination = HALF_PI;
          if (!prefilter.CertainlyOutside(hour, declination)) continue;
          ++rejected;
          double azimuth = 0.0;
          double altitude = 0.0;
          observer.EquatorialToHorizontal(hour, declination, azimuth, altitude);
          ASSERT_FALSE(cap.Contains(DirectionOf(azimuth, altitude)))
              << "latitude " << latitude << " view " << direction[0] << "," << direction[1]
              << " radius " << radius << " point " << hour << "," << declination;
        }
        // The usual views of the chart do get the saving.
        if (latitude == 50.0 && radius == 1.17 && direction[1] < HALF_PI + 0.1) {
          EXPECT_GT(rejected, 500) << direction[0] << "," << direction[1];
        }
      }
    }
  }
}

// Arcs of every length, some through the pole or the zenith: none that is rejected has a
// point in the cap, and the usual view still rejects most of the arcs far from it.
TEST(CapPrefilter, RejectsOnlyArcsThatMissTheCap) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const double latitude : {50.0, 0.0, -35.0, 89.0}) {
    for (const double radius : {0.05, 0.6, 1.23}) {
      Observer observer;
      observer.SetLocation(-20.0, latitude);
      const VisibleCap cap = VisibleCap::Around(TWO_PI * unit(random), 1.2 * unit(random), radius);
      const CapPrefilter prefilter(observer, cap);
      int rejected = 0;
      for (int i = 0; i < 1500; ++i) {
        const double hour1 = TWO_PI * unit(random);
        const double declination1 = i % 50 == 0 ? HALF_PI : std::asin(2.0 * unit(random) - 1.0);
        const double length = (i % 3 == 0 ? 3.0 : 0.3) * unit(random);
        const double hour2 = hour1 + length * (2.0 * unit(random) - 1.0);
        const double declination2 =
            std::clamp(declination1 + length * (2.0 * unit(random) - 1.0), -HALF_PI, HALF_PI);
        if (!prefilter.ArcCertainlyOutside(hour1, declination1, hour2, declination2)) continue;
        ++rejected;
        const double a[3] = {std::cos(declination1) * std::cos(hour1),
                             std::cos(declination1) * std::sin(hour1), std::sin(declination1)};
        const double b[3] = {std::cos(declination2) * std::cos(hour2),
                             std::cos(declination2) * std::sin(hour2), std::sin(declination2)};
        for (int k = 0; k <= 400; ++k) {
          const double t = k / 400.0;
          const double p[3] = {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]),
                               a[2] + t * (b[2] - a[2])};
          double azimuth = 0.0;
          double altitude = 0.0;
          observer.EquatorialToHorizontal(
              std::atan2(p[1], p[0]), std::atan2(p[2], std::hypot(p[0], p[1])), azimuth, altitude);
          ASSERT_FALSE(cap.Contains(DirectionOf(azimuth, altitude)))
              << "latitude " << latitude << " radius " << radius << " arc " << i << " at " << t;
        }
      }
      if (radius < 1.0) {
        EXPECT_GT(rejected, 700) << latitude << " " << radius;
      }
    }
  }
}

struct CatalogPosition {
  double rightAscension;
  double declination;
};

// Every position of the real catalogs (every sixth star) that the layers pass to the prefilter.
std::vector<CatalogPosition> CatalogPositions() {
  std::vector<CatalogPosition> positions;
  const auto read = [&](const char* path, size_t size, size_t stride, auto add) {
    RecordFile file(size);
    EXPECT_EQ(file.Open(path, ""), WalkResult::Completed) << path;
    size_t n = 0;
    while (const uint8_t* bytes = file.Next()) {
      if (n++ % stride == 0) add(bytes);
    }
  };
  read("Stars.dat", STAR_RECORD_SIZE, 6, [&](const uint8_t* b) {
    const StarRecord r = DecodeStar(b);
    positions.push_back({r.rightAscension, r.declination});
  });
  read("ConLin.dat", SEGMENT_RECORD_SIZE, 1, [&](const uint8_t* b) {
    const ConstellationSegment r = DecodeSegment(b);
    positions.push_back({r.rightAscension1, r.declination1});
    positions.push_back({r.rightAscension2, r.declination2});
  });
  read("ConBon.dat", VERTEX_RECORD_SIZE, 1, [&](const uint8_t* b) {
    const BoundaryVertex r = DecodeVertex(b);
    positions.push_back({r.rightAscension, r.declination});
  });
  return positions;
}

// The layers draw the same with the prefilter as without it exactly when it never rejects a
// catalog position that the cap keeps. At the geographic poles it once took the wrong hour
// angle for the centre: at -90 looking north 23 of 481 stars were drawn.
TEST(CapPrefilter, KeepsEveryCatalogPositionTheCapKeepsAtEveryLatitude) {
  const std::vector<CatalogPosition> positions = CatalogPositions();
  ASSERT_GT(positions.size(), 10000u);
  const ViewDirection views[] = {VIEW_NORTH, VIEW_EAST, VIEW_SOUTH, VIEW_WEST, VIEW_ZENITH};
  const double theta = 1.3;
  for (const double latitude : {90.0, -90.0, 89.99999, -89.99999, 89.9, -89.9, 60.0, -60.0, 0.0}) {
    for (const ViewDirection& aim : views) {
      for (int moves = 0; moves < 3; ++moves) {
        for (int zoom = 0; zoom < 6; ++zoom) {
          Observer observer;
          observer.SetLocation(-20.0, latitude);
          Projection view(Rect{0, 0, 240, 294});
          view.SetViewDirection(aim.azimuth, aim.altitude);
          for (int i = 0; i < zoom; ++i) view.ZoomIn();
          // Turned and carried over the zenith, or panned along the horizon.
          if (moves == 1) {
            view.RotateClockwise();
            for (int i = 0; i < 3; ++i) view.PanUp();
          }
          if (moves == 2) {
            view.PanLeft();
            view.PanLeft();
          }
          const CatalogCulling culling(view, SkyPlaces(observer, 0.0));
          for (const CatalogPosition& p : positions) {
            const double raMinusLst = p.rightAscension - theta;
            double azimuth = 0.0;
            double altitude = 0.0;
            observer.EquatorialToHorizontal(raMinusLst, p.declination, azimuth, altitude);
            if (!culling.cap.Contains(DirectionOf(azimuth, altitude))) continue;
            ASSERT_FALSE(culling.prefilter.CertainlyOutside(raMinusLst, p.declination))
                << "latitude " << latitude << " view " << aim.azimuth << "," << aim.altitude
                << " moves " << moves << " zoom " << zoom << " at " << p.rightAscension << ","
                << p.declination;
          }
        }
      }
    }
  }
}

// The plain sky's tests in the catalog's own frame: a point is placed where the angle-by-angle
// transform puts it and kept exactly when the cap holds it, and no arc that reaches the cap is
// dropped, at zooms from the whole sky to the narrowest and over the zenith.
TEST(CatalogCulling, PlainSkyKeepsEveryPointAndArcTheCapHolds) {
  std::mt19937_64 random(16);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const auto randomPoint = [&] {
    return CatalogPointOf(TWO_PI * unit(random), std::asin(2.0 * unit(random) - 1.0));
  };
  for (const double latitude : {50.0, -89.9, 0.0}) {
    for (int zoom = -1; zoom <= 5; zoom += 2) {
      Observer observer;
      observer.SetLocation(-20.0, latitude);
      Projection view(Rect{0, 0, 240, 294});
      view.SetViewDirection(1.0, zoom < 1 ? 2.0 : 0.4);  // past the zenith at wide fields
      for (int i = 0; i < zoom; ++i) view.ZoomIn();
      for (int i = 0; i > zoom; --i) view.ZoomOut();
      const SkyPlaces sky(observer, 2.5);
      const CatalogCulling culling(view, sky);
      ASSERT_TRUE(culling.turn.has_value());
      // Half the points anywhere, half about the cap, where the tests decide.
      double centreRightAscension = 0.0;
      double centreDeclination = 0.0;
      AnglesOf(culling.catalogCentre, centreRightAscension, centreDeclination);
      const auto nearPoint = [&] {
        const double spread = 2.5 * culling.cap.radius;
        return CatalogPointOf(
            centreRightAscension +
                spread * (2.0 * unit(random) - 1.0) / std::max(0.05, std::cos(centreDeclination)),
            std::clamp(centreDeclination + spread * (2.0 * unit(random) - 1.0), -HALF_PI, HALF_PI));
      };
      for (int n = 0; n < 4000; ++n) {
        const CatalogPoint a = n % 2 == 0 ? randomPoint() : nearPoint();
        double azimuth = 0.0;
        double altitude = 0.0;
        sky.ToHorizontal(a.rightAscension, a.declination, azimuth, altitude);
        const Direction exact = DirectionOf(azimuth, altitude);
        Direction placed;
        Direction fromAngles;
        const bool placedFromAngles =
            culling.PlaceInCap(view, sky, a.rightAscension, a.declination, fromAngles);
        if (culling.PlaceInCap(view, sky, a, placed)) {
          EXPECT_NEAR(Dot(placed, exact), 1.0, 1e-12);
          EXPECT_TRUE(placedFromAngles) << "zoom " << zoom << " latitude " << latitude;
        } else {
          EXPECT_LT(Dot(exact, culling.cap.centre), culling.cap.cosRadius + 1e-12);
        }
        // A short arc near a, its points sampled along the great circle.
        CatalogPoint b = randomPoint();
        const double t = 0.02 + 0.3 * unit(random);
        b = CatalogPointOf(
            a.rightAscension + t * std::remainder(b.rightAscension - a.rightAscension, TWO_PI),
            a.declination + t * (b.declination - a.declination));
        if (culling.ArcMayMeetCap(sky, a, b)) continue;
        for (int k = 0; k <= 64; ++k) {
          const double f = k / 64.0;
          const Direction mix{a.direction.x * (1 - f) + b.direction.x * f,
                              a.direction.y * (1 - f) + b.direction.y * f,
                              a.direction.z * (1 - f) + b.direction.z * f};
          const Direction horizontal = culling.turn->Apply(mix);
          ASSERT_LT(Dot(horizontal, culling.cap.centre),
                    culling.cap.cosRadius * std::sqrt(Dot(mix, mix)))
              << "zoom " << zoom << " latitude " << latitude << " arc " << n;
        }
      }
    }
  }
}

}  // namespace
}  // namespace halvane
