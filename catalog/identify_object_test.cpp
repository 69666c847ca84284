// Identification of a tapped object: acceptance radius, ties, the angle on the sphere, and
// damaged or missing names and records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "astro/angles.h"
#include "catalog/layer_test_support.h"

namespace halvane {
namespace {

using test_support::SkyPosition;

LabelRecord Label(double rightAscension, double declination, const char* name) {
  LabelRecord record{rightAscension, declination, {}};
  std::strncpy(record.name, name, LABEL_NAME_BYTES);
  return record;
}

class Identification : public ::testing::Test {
 protected:
  Identification() { chart.layers.labelsPath = folder.File("Labels.dat"); }

  void Write(const std::vector<LabelRecord>& labels) {
    test_support::WriteCatalog(chart.layers.labelsPath, LABELS_TAG, LABEL_RECORD_SIZE, labels,
                               EncodeLabel);
  }
  // Taps a pixel near, not at, the zenith (a degenerate point of the transforms) and returns
  // the label's name; label keeps whatever the tap leaves in it.
  std::u16string Tap(double theta) {
    IdentifyObject(chart.view, chart.layers, label, TAP.x, TAP.y, SkyPlaces(chart.observer, theta));
    return std::u16string(label.name, std::find(label.name, label.name + LABEL_NAME_UNITS, u'\0'));
  }
  // Where that tap lands on the sky, right ascension in [0, 2 pi).
  SkyPosition Tapped(double theta) const {
    double x = 0.0;
    double y = 0.0;
    chart.view.ScreenToView(TAP.x, TAP.y, x, y);
    SkyPosition p = chart.At(x, y, theta);
    p.rightAscension = NormalizeAngle(p.rightAscension, TWO_PI);
    return p;
  }

  static constexpr Point TAP{100, 120};
  test_support::ScratchFolder folder;
  test_support::Chart chart;
  PickedLabel label;
  const SkyPosition at = Tapped(1.0);
  const double radius = 0.1 * HALF_PI;  // a tenth of the 90-degree field
};

TEST_F(Identification, FindsTheNearestObjectAndLabelsItsOwnPixel) {
  const SkyPosition object = chart.At(0.2, -0.1, 1.0);
  Write({Label(0.3, 0.3, "Elsewhere"), Label(object.rightAscension, object.declination, "Vega")});
  const Point pixel = chart.Pixel(0.2, -0.1);
  IdentifyObject(chart.view, chart.layers, label, pixel.x + 3, pixel.y - 2,
                 SkyPlaces(chart.observer, 1.0));
  EXPECT_EQ(std::u16string(label.name), u"Vega");
  EXPECT_EQ(label.object, (ObjectRef{ObjectSource::Label, 1})) << "its record, not its name";
  EXPECT_LE(std::abs(label.x - pixel.x) + std::abs(label.y - pixel.y), 1);
  // A target beside the labels is passed on as the object it was offered as.
  const ObjectRef moon{ObjectSource::Body, 1};
  const TapTarget target{object.rightAscension, object.declination, "Moon", moon, -12.0};
  IdentifyObject(chart.view, chart.layers, label, pixel.x, pixel.y, SkyPlaces(chart.observer, 1.0),
                 {&target, 1});
  EXPECT_EQ(std::u16string(label.name), u"Moon");
  EXPECT_EQ(label.object, moon);
}

TEST_F(Identification, AcceptsUpToATenthOfTheFieldAndTheFirstOfEquals) {
  Write({Label(at.rightAscension, at.declination + radius * (1 + 1e-6), "Beyond")});
  EXPECT_EQ(Tap(1.0), u"");
  Write({Label(at.rightAscension, at.declination - radius * (1 - 1e-9), "Edge")});
  EXPECT_EQ(Tap(1.0), u"Edge");
  Write({Label(at.rightAscension + radius / 2, at.declination, "Alpha"),
         Label(at.rightAscension - radius / 2, at.declination, "Beta")});
  EXPECT_EQ(Tap(1.0), u"Alpha");
  // Zooming in shrinks the radius with the field.
  chart.view.ZoomIn();
  label = {};
  EXPECT_EQ(Tap(1.0), u"");
}

// Many labels clustered round the tap, some at the same declination: the winner is always the
// first nearest of a plain search, although most records are passed over by declination.
TEST_F(Identification, MatchesAPlainSearchForTheNearest) {
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::vector<LabelRecord> labels;
  for (int i = 0; i < 600; ++i) {
    const double declination = i % 7 == 0 ? at.declination : at.declination + 0.4 * unit(random);
    const double step = (i % 3 == 0 ? 0.02 : 0.3) * unit(random);
    LabelRecord record{at.rightAscension + step, std::clamp(declination, -HALF_PI, HALF_PI), {}};
    std::snprintf(record.name, sizeof record.name, "%d", i);
    labels.push_back(record);
  }
  Write(labels);
  const auto haversine = [&](const LabelRecord& r) {
    const double a = std::sin((r.rightAscension - at.rightAscension) * 0.5);
    const double d = std::sin((r.declination - at.declination) * 0.5);
    return d * d + std::cos(at.declination) * std::cos(r.declination) * a * a;
  };
  size_t nearest = 0;
  for (size_t i = 1; i < labels.size(); ++i) {
    if (haversine(labels[i]) < haversine(labels[nearest])) nearest = i;
  }
  const std::string name = std::to_string(nearest);
  EXPECT_EQ(Tap(1.0), std::u16string(name.begin(), name.end()));
}

// Once the raw radian distance: an object across 0h was a turn away, and near the pole a tap
// 3 pixels from an object could be hours of right ascension from it.
TEST_F(Identification, DistanceIsTheTrueAngleAndMissesLeaveThePreviousLabel) {
  label = PickedLabel{10, 20, {u'X'}, {}};
  EXPECT_EQ(Tap(1.0), u"X");  // no Labels.dat
  Write({Label(std::numeric_limits<double>::quiet_NaN(), at.declination, "Nan"),
         Label(at.rightAscension + radius * 1.5, at.declination, "Far")});
  EXPECT_EQ(Tap(1.0), u"X");
  EXPECT_EQ(label.x, 10);
  EXPECT_EQ(label.y, 20);
  // With the tap at right ascension 0.01, an object 0.02 away across 0.
  const double theta = 0.01 - Tapped(0.0).rightAscension;
  Write({Label(TWO_PI - 0.01, at.declination, "Across")});
  EXPECT_EQ(Tap(theta), u"Across");
  // Taps all round an object half a degree from the pole, 3 pixels away.
  const double pole = 0.5 * DEG_TO_RAD;
  const SkyPosition north = chart.At(0.0, -40 * DEG_TO_RAD + pole, 1.0);
  Write({Label(north.rightAscension, north.declination, "Polaris"),
         Label(north.rightAscension + PI, north.declination - 4 * pole, "Other")});
  const Point pixel = chart.Pixel(0.0, -40 * DEG_TO_RAD + pole);
  for (const auto& [dx, dy] : {std::pair{3, 0}, {-3, 0}, {0, 3}, {0, -3}, {2, 2}}) {
    label = {};
    IdentifyObject(chart.view, chart.layers, label, pixel.x + dx, pixel.y + dy,
                   SkyPlaces(chart.observer, 1.0));
    EXPECT_EQ(std::u16string(label.name), u"Polaris") << dx << "," << dy;
  }
}

TEST_F(Identification, NameIsConvertedAndAlwaysTerminated) {
  LabelRecord full = Label(at.rightAscension, at.declination, "");
  std::memcpy(full.name, "ABCDEFGHIJKLMNOPQRST", LABEL_NAME_BYTES);  // no zero byte
  Write({full});
  std::fill(std::begin(label.name), std::end(label.name), u'?');
  EXPECT_EQ(Tap(1.0), u"ABCDEFGHIJKLMNOPQRS");
  // A shorter name leaves nothing of the longer one behind it.
  Write({Label(at.rightAscension, at.declination, "Caf\xE9 \x80")});
  EXPECT_EQ(Tap(1.0), u"Caf\u00E9 \u20AC");
  EXPECT_EQ(std::u16string(label.name + 7, LABEL_NAME_UNITS - 7),
            std::u16string(LABEL_NAME_UNITS - 7, u'\0'));
}

}  // namespace
}  // namespace halvane
