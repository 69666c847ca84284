// The solar system in real frames on an image: each body where the chart aims, named and
// tappable; the Sun and the Moon at their true size; the Moon lit on the Sun's side.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/observer.h"
#include "astro/sidereal_time.h"
#include "chart/chart.h"
#include "platform/image_surface.h"
#include "platform/recording_surface.h"
#include "tools/render_chart.h"

namespace halvane {
namespace {

constexpr double LONGITUDE = 0.0;
constexpr double LATITUDE = 50.0;
constexpr int NARROWEST = 5;  // zoom-in steps to a field of 2.8 degrees

// A 240 x 294 chart of the solar system alone at a moment, aimed at one body.
struct BodyFrame {
  BodyFrame(const CalendarTime& time, Body body, int zoomSteps)
      : chart(Rect{0, 0, 240, 294}, nullptr), image(240, 294), trace(&image) {
    observer.SetLocation(LONGITUDE, LATITUDE);
    moment = Moment(time, Observer(LONGITUDE, LATITUDE), false);
    siderealAngle = moment.GetSky().GetSiderealAngle();
    chart.GetLayers().ApplyLayerFlags(0);
    place = moment.GetBodies()[static_cast<int>(body)];
    double azimuth = 0.0;
    double altitude = 0.0;
    observer.EquatorialToHorizontal(place.rightAscension - siderealAngle, place.declination,
                                    azimuth, altitude);
    chart.GetProjection().SetViewDirection(azimuth, altitude);
    for (int i = 0; i < zoomSteps; ++i) chart.GetProjection().ZoomIn();
    DiscardSurface progress;
    chart.DrawFrame(trace, progress, moment);
    cx = chart.GetProjection().GetCenterX();
    cy = chart.GetProjection().GetCenterY();
  }

  bool Drawn(int32_t x, int32_t y) const { return image.PixelAt(x, y) != 0; }
  // The run of non-black pixels of the centre row through the centre: the body, not the name
  // written beside it once a program has fonts to write with.
  int32_t RowWidth() const {
    int32_t left = cx;
    int32_t right = cx;
    while (left > 0 && Drawn(left - 1, cy)) --left;
    while (right < 239 && Drawn(right + 1, cy)) ++right;
    return Drawn(cx, cy) ? right - left + 1 : 0;
  }

  Observer observer;
  Chart chart;
  ImageSurface image;
  RecordingSurface trace;
  BodyPlace place{};
  Moment moment;
  double siderealAngle = 0.0;
  int32_t cx = 0;
  int32_t cy = 0;
};

TEST(SolarSystemChart, EachBodyLiesWhereTheChartAimsWithItsNameAndAnswersATap) {
  const CalendarTime time{2025, 3, 4, 20, 21, 30, 0, 0};
  for (int index = 0; index < BODY_COUNT; ++index) {
    const Body body = static_cast<Body>(index);
    const BodyFrame frame(time, body, 3);
    const std::string name = BodyName(body);
    ASSERT_TRUE(frame.place.available) << name;
    EXPECT_TRUE(frame.Drawn(frame.cx, frame.cy)) << name;
    // Its name, in the label colour, beside it.
    int named = 0;
    for (const std::string& line : frame.trace.Lines()) {
      const bool text = line.rfind("label ", 0) == 0;  // the note of its placed name
      named += text && line.find("\"" + name + "\"") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(named, 1) << name;
    PickedLabel label;
    frame.chart.IdentifyObject(label, frame.cx, frame.cy, frame.moment);
    EXPECT_EQ(std::u16string(label.name), std::u16string(name.begin(), name.end()));
  }

  // Switched off: nothing drawn, nothing to tap.
  BodyFrame hidden(time, Body::JUPITER, 3);
  hidden.chart.GetLayers().showSolarSystem = false;
  hidden.image.FillRect({0, 0, 240, 294}, StockBrush::Black);
  DiscardSurface progress;
  hidden.chart.DrawFrame(hidden.image, progress, hidden.moment);
  EXPECT_FALSE(hidden.Drawn(hidden.cx, hidden.cy));
  PickedLabel label;
  hidden.chart.IdentifyObject(label, hidden.cx, hidden.cy, hidden.moment);
  EXPECT_EQ(label.name[0], u'\0');
}

TEST(SolarSystemChart, SunAndMoonAreDiscsOfTheirTrueSizeAtNarrowZooms) {
  const CalendarTime time{2025, 3, 4, 20, 21, 30, 0, 0};
  for (const Body body : {Body::SUN, Body::MOON}) {
    const BodyFrame frame(time, body, NARROWEST);
    const double across = frame.place.diameter * frame.chart.GetProjection().GetXScale();
    EXPECT_GT(across, 40.0);  // about 43 pixels on 240
    EXPECT_NEAR(frame.RowWidth(), across, 2.0) << BodyName(body);
  }
  // At 90 degrees both are sprites a few pixels across.
  const BodyFrame wide(time, Body::MOON, 0);
  EXPECT_GE(wide.RowWidth(), 5);
  EXPECT_LE(wide.RowWidth(), 14);
}

// First quarter (2025-03-06 16:32 UT) in the evening and last quarter (2025-03-22 11:29 UT) in
// the morning, from 50 degrees north: the lit half faces the Sun, which is to the west, on the
// right, in the evening and to the east, on the left, in the morning; the dark half stays dim.
TEST(SolarSystemChart, TheMoonIsLitOnTheSunsSideAtBothQuarters) {
  struct Quarter {
    CalendarTime time;
    int side;  // +1: lit on the right
  };
  const Quarter quarters[] = {{{2025, 3, 4, 6, 19, 0, 0, 0}, +1},
                              {{2025, 3, 6, 22, 5, 0, 0, 0}, -1}};
  for (const Quarter& quarter : quarters) {
    const BodyFrame frame(quarter.time, Body::MOON, NARROWEST);
    EXPECT_NEAR(frame.place.illuminatedFraction, 0.5, 0.08);
    double litX = 0.0;
    double litY = 0.0;
    int lit = 0;
    int dark = 0;
    for (int32_t y = 0; y < 294; ++y) {
      for (int32_t x = 0; x < 240; ++x) {
        const Color c = frame.image.PixelAt(x, y);
        if (c == 0) continue;
        if (GreenOf(c) > 128) {
          litX += x - frame.cx;
          litY += y - frame.cy;
          ++lit;
        } else {
          ++dark;
        }
      }
    }
    ASSERT_GT(lit, 0);
    EXPECT_NEAR(static_cast<double>(lit) / (lit + dark), 0.5, 0.1);
    EXPECT_GT(quarter.side * litX / lit, 5.0);

    // The Sun's direction on the chart, through the same projection centred on the Moon.
    const BodyPlace sun = frame.moment.GetBodies()[0];
    double azimuth = 0.0;
    double altitude = 0.0;
    frame.observer.EquatorialToHorizontal(sun.rightAscension - frame.siderealAngle, sun.declination,
                                          azimuth, altitude);
    double x = 0.0;
    double y = 0.0;
    frame.chart.GetProjection().GetOrientation().HorizontalToView(azimuth, altitude, x, y);
    const double towardsSun = (litX / lit) * x - (litY / lit) * y;  // chart y points down
    EXPECT_GT(towardsSun / std::hypot(litX / lit, litY / lit) / std::hypot(x, y), 0.95);
  }
}

}  // namespace
}  // namespace halvane
