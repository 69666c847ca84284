// A chart in apparent places of the date: shipped stars drawn, and tapped, where ERFA's observed
// place (eraAtco13, the same standard atmosphere) puts them.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/observer.h"
#include "astro/sky_places.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "chart/chart.h"
#include "platform/recording_surface.h"
#include "tests/support/build_paths.h"
#include "tests/support/catalog_writer.h"
#include "tests/support/trace_lines.h"
#include "view/star_sprites.h"

namespace halvane {
namespace {

using test_support::Numbers;
using test_support::ScratchFolder;
using test_support::StartsWith;

// The trace does not look at the pixels: any bitmap of the sheet's size will do.
class BlankSheet : public Bitmap {
 public:
  int32_t Width() const override { return 121; }
  int32_t Height() const override { return 77; }
  uint32_t PixelAt(int32_t, int32_t) const override { return 0; }
};

constexpr double JD_UT = 2461120.375;  // 2026-03-20 21:00 UT
constexpr double LONGITUDE = -14.0;    // degrees, west positive
constexpr double LATITUDE = 50.0;
constexpr int32_t SIDE = 4000;  // at the narrowest zoom, 2.5" a pixel
constexpr double RAD_TO_ARCSEC = RAD_TO_DEG * 3600.0;
constexpr int16_t BRIGHT = 300;  // hundredths of a magnitude

struct Observed {
  StarRecord star;
  double azimuth;
  double altitude;
};

// The brightest shipped star in each band of observed altitude, low ones first.
std::vector<Observed> BrightestInBands(const std::string& starsPath) {
  const double bands[][2] = {{10.0, 20.0}, {20.0, 45.0}, {45.0, 85.0}};
  std::vector<Observed> chosen(3, Observed{StarRecord{0.0, 0.0, BRIGHT, 0}, 0.0, 0.0});
  WalkRecords(starsPath, STARS_TAG, STAR_RECORD_SIZE, [&](const uint8_t* bytes) {
    const StarRecord star = DecodeStar(bytes);
    if (star.magnitude >= BRIGHT) return;
    double aob, zob, hob, dob, rob, eo;
    eraAtco13(star.rightAscension, star.declination, 0.0, 0.0, 0.0, 0.0, JD_UT, 0.0, 0.0,
              -LONGITUDE * DEG_TO_RAD, LATITUDE * DEG_TO_RAD, 0.0, 0.0, 0.0, 1010.0, 10.0, 0.0,
              0.55, &aob, &zob, &hob, &dob, &rob, &eo);
    const double altitude = (HALF_PI - zob) * RAD_TO_DEG;
    for (size_t band = 0; band < chosen.size(); ++band) {
      if (bands[band][0] < altitude && altitude < bands[band][1] &&
          star.magnitude < chosen[band].star.magnitude) {
        chosen[band] = Observed{star, aob, HALF_PI - zob};
      }
    }
  });
  return chosen;
}

TEST(PreciseFrame, StarsAndTapsSitAtErfasObservedPlaces) {
  const std::string starsPath = test_support::SourcePath("data/Stars.dat");
  Observer observer;
  observer.SetLocation(LONGITUDE, LATITUDE);
  Chart view({0, 0, SIDE, SIDE}, std::make_unique<BlankSheet>());
  view.GetLayers().ApplyLayerFlags(LAYER_PRECISE_POSITIONS);
  view.GetLayers().starsPath = starsPath;
  ScratchFolder folder;
  view.GetLayers().labelsPath = folder.File("Labels.dat");
  for (int i = 0; i < 5; ++i) view.GetProjection().ZoomIn();
  const double arcsecondsPerPixel = view.GetProjection().GetFieldOfView() / SIDE * RAD_TO_ARCSEC;
  const Moment sky(SkyPlaces::OfDate(JD_UT, TerrestrialJulianDay(JD_UT), observer));

  for (const Observed& observed : BrightestInBands(starsPath)) {
    ASSERT_LT(observed.star.magnitude, BRIGHT) << "a bright star in every band";
    const StarRecord& star = observed.star;
    test_support::WriteCatalog(
        view.GetLayers().labelsPath, LABELS_TAG, LABEL_RECORD_SIZE, std::vector<StarRecord>{star},
        [](const StarRecord& s, uint8_t* bytes) {
          EncodeLabel(LabelRecord{s.rightAscension, s.declination, "Here"}, bytes);
        });
    // The view centred on ERFA's place: the star's sprite must be centred there.
    view.GetProjection().SetViewDirection(observed.azimuth, observed.altitude);
    RecordingSurface chart;
    RecordingSurface screen;
    view.DrawFrame(chart, screen, sky);
    double nearest = INFINITY;
    for (const std::string& line : chart.Lines()) {
      if (!StartsWith(line, "blit ")) continue;
      const std::vector<int64_t> n = Numbers(line);
      nearest = std::min(nearest, std::hypot(n[0] + STAR_SPRITE_HALF - SIDE / 2.0,
                                             n[1] + STAR_SPRITE_HALF - SIDE / 2.0));
    }
    std::printf("magnitude %.2f at altitude %.2f: %.1f\" from ERFA's place\n",
                star.magnitude / 100.0, observed.altitude * RAD_TO_DEG,
                nearest * arcsecondsPerPixel);
    // A pixel of truncation on top of the 5".
    EXPECT_LE(nearest, 5.0 / arcsecondsPerPixel + 1.0) << observed.altitude * RAD_TO_DEG;

    PickedLabel label;
    view.IdentifyObject(label, SIDE / 2, SIDE / 2, sky);
    EXPECT_EQ(std::u16string(label.name), u"Here");
    EXPECT_LE(std::hypot(label.x - SIDE / 2.0, label.y - SIDE / 2.0),
              5.0 / arcsecondsPerPixel + 1.0);
  }
}

}  // namespace
}  // namespace halvane
