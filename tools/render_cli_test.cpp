// halvane-render as a program: exit codes, messages, the trace and the picture.
#include <QImage>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/geomagnetic_field.h"
#include "astro/sidereal_time.h"
#include "catalog/layer_test_support.h"
#include "shell/config_file.h"
#include "tests/support/build_paths.h"
#include "tests/support/iio_tree.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

RunResult RunRender(const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromStdString(test_support::BuildPath("halvane-render")), arguments);
  RunResult run;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(RenderProgram, WrongArgumentsEndWithOneLineAndCodeTwo) {
  for (const QStringList& arguments :
       {QStringList{"--zoom", "x"}, QStringList{"--size", "8x8"}, QStringList{"--goto", "Nowhere"},
        QStringList{"--city", "Xqzville"}, QStringList{"--info", "Xqzzy"}, QStringList{"-q"}}) {
    const RunResult run = RunRender(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.err.rfind("halvane-render: ", 0), 0u) << run.err;
    EXPECT_EQ(Count(run.err, "\n"), 1) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  // A known name without a place then is not reported as an unknown one.
  for (const QString option : {"--goto", "--info"}) {
    const RunResult pluto = RunRender({option, "Pluto", "--time", "2500-01-01T00:00Z"});
    EXPECT_NE(pluto.err.find("no place at that time for 'Pluto'"), std::string::npos) << pluto.err;
  }
  // What is echoed reaches the terminal escaped and cut.
  const QString hostile = QStringLiteral("\x1b[2J\x07") + QString(100000, 'x');
  for (const QStringList& arguments :
       {QStringList{"--zoom", hostile}, QStringList{hostile}, QStringList{"--goto", hostile},
        QStringList{"--out", QStringLiteral("/nonexistent/\x1b[2J.png")}}) {
    const RunResult run = RunRender(arguments);
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << arguments[0].toStdString();
    EXPECT_NE(run.err.find("\\x1b[2J"), std::string::npos) << run.err;
    EXPECT_LT(run.err.size(), 400u);
    EXPECT_EQ(Count(run.err, "\n"), 1) << run.err;
  }
}

TEST(RenderProgram, HereDrawsTheSkyOfTheNmeaFix) {
  // Sydney, 33 deg 52.23' S 151 deg 12.63' E: the chart is the one of its place rounded to
  // 0.01 degree, west longitude negative.
  test_support::ScratchFolder folder;
  const std::string fix =
      "garbage\r\n$GPGGA,093000,3352.230,S,15112.630,E,1,08,0.9,10.0,M,20.0,M,,*62\r\n"
      "$GPRMC,093000,A,3352.230,S,15112.630,E,000.0,000.0,091226,,*01\r\n";
  test_support::WriteBytes(folder.File("fix.nmea"), std::vector<uint8_t>(fix.begin(), fix.end()));
  const QString source = QString::fromStdString("nmea:" + folder.File("fix.nmea"));
  const QStringList common{"--time", "2026-12-09T12:00Z", "--layers", "horizontal", "--trace", "-"};
  const RunResult here = RunRender(QStringList{"--here", "--position-source", source} + common);
  ASSERT_EQ(here.exitCode, 0) << here.err;
  const RunResult typed =
      RunRender(QStringList{"--longitude", "-151.21", "--latitude", "-33.87"} + common);
  EXPECT_EQ(here.out, typed.out);
  EXPECT_NE(here.out, RunRender(common).out);

  const RunResult none = RunRender({"--here", "--position-source", "nmea:/dev/no-such-gps"});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_EQ(none.err,
            "halvane-render: --position-source: no such serial device: "
            "/dev/no-such-gps\n");
}

TEST(RenderProgram, ReadsConfigFileAndDrawsTheChartsOwnMessages) {
  test_support::ScratchFolder folder;
  const QString data = QString::fromStdString(folder.path.string());
  const RunResult missing =
      RunRender({"--data", data, "--layers", "lines,boundaries", "--trace", "-"});
  ASSERT_EQ(missing.exitCode, 0) << missing.err;
  EXPECT_EQ(missing.out.rfind("fill 0 0 240 294 black\n", 0), 0u);
  EXPECT_EQ(Count(missing.out, "text 0 0 240 294 5 \"File not found\""), 2);  // lines, stars
  EXPECT_EQ(Count(missing.out, "\"File 'ConBon.dat' not found\""), 1);

  ConfigRecord config;
  config.layerFlags = LAYER_CONSTELLATION_BOUNDARIES;
  ASSERT_TRUE(SaveConfig(folder.File("Config.dat"), config));
  // By day, so that the Milky Way, which the day sky hides, asks for no file of its own.
  const RunResult configured =
      RunRender({"--data", data, "--time", "2026-12-09T12:00Z", "--trace", "-"});
  EXPECT_EQ(Count(configured.out, "\"File not found\""), 2);  // deep sky, stars; no lines
  EXPECT_EQ(Count(configured.out, "\"File 'ConBon.dat' not found\""), 1);
}

TEST(RenderProgram, SameArgumentsGiveTheSameChartWithTheTappedLabel) {
  // An object at the zenith of longitude 0, latitude 50, with a segment from it; the tap lands
  // a pixel off the zenith, where the transforms give a well-defined hour angle.
  test_support::ScratchFolder folder;
  const double lst = SiderealTimeAt(CalendarTime{2025, 3, 4, 20, 21, 30, 0, 0}, 0.0);
  const double dec = 50 * DEG_TO_RAD;
  test_support::WriteCatalog(folder.File("Labels.dat"), LABELS_TAG, LABEL_RECORD_SIZE,
                             std::vector<LabelRecord>{{lst, dec, "Testar"}}, EncodeLabel);
  test_support::WriteCatalog(folder.File("ConLin.dat"), LINES_TAG, SEGMENT_RECORD_SIZE,
                             std::vector<ConstellationSegment>{{lst, dec, lst + 0.2, dec - 0.2}},
                             EncodeSegment);
  const QString png = QString::fromStdString(folder.File("chart.png"));
  QStringList arguments{"--data",      QString::fromStdString(folder.path.string()),
                        "--longitude", "0",
                        "--latitude",  "50",
                        "--time",      "2025-03-20T21:30Z",
                        "--size",      "300x200",
                        "--tap",       "151,101",
                        "--layers",    "horizontal,lines,solar",
                        "--trace",     "-",
                        "--out",       png};
  const RunResult first = RunRender(arguments);
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, RunRender(arguments).out);
  EXPECT_EQ(Count(first.out, "pen 404080\npolyline 2 150 100 "), 1);
  // Beside the tapped star, clear of its sprite, with the box of its glyphs.
  EXPECT_EQ(Count(first.out, "textcolor 7FFF7F\ntext 155 94 300 200 256 \"Testar\"\nlabel 155 94 "),
            1);
  EXPECT_EQ(QImage(png).size(), QSize(300, 200));

  arguments[arguments.indexOf("151,101")] = "10,10";  // far from the object: no label
  EXPECT_EQ(Count(RunRender(arguments).out, "Testar"), 0);

  // At 2.8 degrees the apparent place of the date lies far off the catalog's, whether
  // --precise or bit 5 of Config.dat's flags asks for it.
  arguments << "--zoom"
            << "5";
  const RunResult plain = RunRender(arguments);
  EXPECT_EQ(Count(plain.out, "polyline 2 150 100 "), 1);
  const RunResult precise = RunRender(arguments + QStringList{"--precise"});
  ASSERT_EQ(precise.exitCode, 0) << precise.err;
  EXPECT_EQ(Count(precise.out, "polyline 2 150 100 "), 0);
  ConfigRecord config;
  config.layerFlags = LAYER_HORIZONTAL_GRID | LAYER_CONSTELLATION_LINES | LAYER_PRECISE_POSITIONS;
  ConfigExtension extension;
  extension.viewLayerFlags = LAYER_CONSTELLATION_NAMES_HIDDEN | LAYER_STAR_NAMES_HIDDEN |
                             LAYER_GROUND_HIDDEN | LAYER_DAYLIGHT_HIDDEN | LAYER_ECLIPTIC_HIDDEN |
                             LAYER_DEEP_SKY_HIDDEN | LAYER_MILKY_WAY_HIDDEN;
  ASSERT_TRUE(SaveConfig(folder.File("Config.dat"), config, extension));
  const qsizetype layers = arguments.indexOf("--layers");
  arguments.remove(layers, 2);
  EXPECT_EQ(RunRender(arguments).out, precise.out);
}

TEST(RenderProgram, BodiesPrintsOneLinePerBodyInOrderAndTheTraceNamesThem) {
  test_support::ScratchFolder folder;
  const QString data = QString::fromStdString(folder.path.string());
  const QStringList place{"--data", data, "--longitude", "0", "--latitude", "50", "--bodies"};
  const RunResult run = RunRender(place + QStringList{"--time", "2025-03-20T21:30Z"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::regex line(
      R"(([A-Z][a-z]+) \d{1,2}\.\d{6} -?\d{1,2}\.\d{5} -?\d{1,2}\.\d{4} \d{1,3}\.\d{4} )"
      R"(-?\d{1,2}\.\d{2} \d+\.\d \d\.\d{3})");
  std::istringstream lines(run.out);
  std::string text;
  std::string names;
  while (std::getline(lines, text)) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(text, match, line)) << text;
    names += match[1].str() + ' ';
  }
  EXPECT_EQ(names, "Sun Moon Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto ");

  // Before 1885 Pluto is left out; the trace draws each body and writes its name.
  const RunResult old =
      RunRender(place + QStringList{"--time", "1850-06-01T12:00Z", "--zoom", "-1", "--trace", "-"});
  ASSERT_EQ(old.exitCode, 0) << old.err;
  EXPECT_EQ(Count(old.out, "\"Pluto\""), 0);
  EXPECT_EQ(Count(old.out, "Neptune "), 1);
  EXPECT_EQ(Count(old.out, "pen FFE060\npolyline 2 "), 1);  // the Sun's first span
  EXPECT_EQ(Count(old.out, "256 \"Sun\"\nlabel "), 1);
}

// The keys in order, each value in its form: local ISO times with the offset, 4 decimals.
TEST(RenderProgram, InfoAndTonightPrintKeyValueLines) {
  setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  const QStringList base{"--data",      QString::fromStdString(test_support::BuildPath("")),
                         "--time",      "2026-03-11T18:00Z",
                         "--longitude", "-14.4",
                         "--latitude",  "50.1"};
  const auto keysOf = [](const std::string& out) {
    std::istringstream lines(out);
    std::string keys, text;
    while (std::getline(lines, text)) keys += text.substr(0, text.find(':')) + ' ';
    return keys;
  };
  const RunResult venus = RunRender(base + QStringList{"--info", "venus"});
  ASSERT_EQ(venus.exitCode, 0) << venus.err;
  EXPECT_EQ(keysOf(venus.out),
            "name kind magnitude constellation ra_j2000 dec_j2000 ra_date dec_date altitude "
            "azimuth rise transit set visibility distance illuminated phase ");
  EXPECT_NE(venus.out.find("name: Venus\nkind: planet\nmagnitude: -3.9"), std::string::npos);
  EXPECT_NE(venus.out.find("constellation: Pisces\nra_j2000: 0.4112\n"), std::string::npos);
  EXPECT_NE(venus.out.find("set: 2026-03-11T19:21:5"), std::string::npos) << venus.out;
  EXPECT_TRUE(std::regex_search(venus.out, std::regex(R"(distance: \d\.\d{4} AU\n)")));
  const RunResult polaris = RunRender(base + QStringList{"--info", "Polaris"});
  EXPECT_NE(polaris.out.find("rise: none\n"), std::string::npos) << polaris.out;
  EXPECT_NE(polaris.out.find("visibility: circumpolar\n"), std::string::npos) << polaris.out;
  EXPECT_NE(polaris.out.find("constellation: Ursa Minor\n"), std::string::npos);
  // A deep-sky object: the source's kind and size, and its other designations.
  const RunResult m42 = RunRender(base + QStringList{"--info", "M42"});
  EXPECT_NE(m42.out.find("name: M42 Orion Nebula\nkind: star-forming nebula\nmagnitude: 4.00\n"
                         "size: 90x60\nnames: NGC 1976\nconstellation: Orion\n"),
            std::string::npos)
      << m42.out;
  const RunResult moon = RunRender(base + QStringList{"--info", "Moon"});
  EXPECT_TRUE(std::regex_search(moon.out, std::regex(R"(distance: \d{6} km\n)"))) << moon.out;

  const RunResult tonight = RunRender(base + QStringList{"--tonight"});
  ASSERT_EQ(tonight.exitCode, 0) << tonight.err;
  EXPECT_EQ(keysOf(tonight.out),
            "sunset civil_dusk nautical_dusk astronomical_dusk astronomical_dawn nautical_dawn "
            "civil_dawn sunrise moonrise moonset moon_phase mercury venus mars jupiter saturn "
            "uranus neptune ");
  EXPECT_NE(tonight.out.find("sunset: 2026-03-11T18:00:"), std::string::npos) << tonight.out;
  EXPECT_NE(tonight.out.find("sunrise: 2026-03-12T06:2"), std::string::npos);
  EXPECT_TRUE(std::regex_search(
      tonight.out, std::regex(R"(jupiter: rise 2026-03-1\dT\d\d:\d\d:\d\d\+01:00, transit )"
                              R"(.*, up in the dark\n)")));
  // Tokyo's night in Tokyo's time, whatever the device's zone: 03:00 there is still the 11th's.
  const RunResult tokyo =
      RunRender({"--data", QString::fromStdString(test_support::BuildPath("")), "--time",
                 "2026-03-11T18:00Z", "--city", "tokyo", "--tonight"});
  EXPECT_TRUE(std::regex_search(tokyo.out, std::regex(R"(sunset: 2026-03-11T17:\d\d:\d\d\+09:00)")))
      << tokyo.out;
  unsetenv("TZ");
}

TEST(RenderProgram, FindsAnyNameAndCityAndDrawsNightAndCaption) {
  const QString data = QString::fromStdString(test_support::BuildPath(""));
  const QStringList base{"--data", data, "--time", "2024-01-15T21:30Z", "--trace", "-"};
  // Jupiter is found by its beginning, Betelgeuse without its accents' care, M31 by number:
  // each turns the view, so each chart differs from the zenith's.
  const std::string zenith = RunRender(base).out;
  for (const QString name :
       {"jup", "BETEL", "m31", "alpha Ori", "HIP 2071", "Omega Centauri", "Big Dipper", "UMa"}) {
    const RunResult run = RunRender(base + QStringList{"--goto", name});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out, zenith) << name.toStdString();
  }
  // In a language, --goto takes its names as Find does, and still the international ones.
  const QStringList german = base + QStringList{"--language", "de", "--goto"};
  const RunResult bear = RunRender(german + QStringList{"Großer Bär"});
  ASSERT_EQ(bear.exitCode, 0) << bear.err;
  EXPECT_EQ(bear.out, RunRender(german + QStringList{"Ursa Major"}).out);
  EXPECT_EQ(RunRender(german + QStringList{"Andromeda-Galaxie"}).out,
            RunRender(german + QStringList{"M31"}).out);
  // The panel's title names a body as the language does.
  const QStringList russian{"--data", data, "--language", "ru", "--info"};
  EXPECT_EQ(RunRender(russian + QStringList{"Jupiter"}).out.rfind("Юпитер\n", 0), 0u);
  EXPECT_EQ(RunRender(russian + QStringList{"Moon"}).out.rfind("Луна\n", 0), 0u);
  // The deep sky is on unless the list leaves it out; then the chart is as before it.
  const QStringList m31 = base + QStringList{"--goto", "M31", "--zoom", "3"};
  EXPECT_GT(Count(RunRender(m31).out, "ellipse "), 2);
  const std::string without =
      RunRender(m31 + QStringList{"--layers", "horizontal,lines,solar"}).out;
  EXPECT_EQ(Count(without, "ellipse "), 0);
  EXPECT_EQ(Count(without, "File not found"), 0);
  // A tap names the deep-sky object, Greek letter and all (one zoom in, where the stars' limit
  // reaches its magnitude 5.3).
  const RunResult omega = RunRender(base + QStringList{"--goto", "Omega Centauri", "--zoom", "1",
                                                       "--layers", "deep-sky", "--tap", "120,147"});
  EXPECT_GE(Count(omega.out, "256 \"NGC 5139 \u03C9 Cen Cluster\""), 1) << omega.out;
  setenv("TZ", "UTC0", 1);  // a device on UTC: the place's own zone must win
  const RunResult tokyo = RunRender(base + QStringList{"--city", "tokyo", "--caption"});
  ASSERT_EQ(tokyo.exitCode, 0) << tokyo.err;
  EXPECT_NE(tokyo.out, zenith);
  EXPECT_EQ(Count(tokyo.out, "\"2024-01-16 06:30 JST\""), 1);
  // A position takes its nearest city's zone; out at sea, the device's, unnamed.
  const RunResult paris =
      RunRender(base + QStringList{"--longitude", "-2.35", "--latitude", "48.86", "--caption"});
  EXPECT_EQ(Count(paris.out, "\"2024-01-15 22:30 CET\""), 1);
  const RunResult sea =
      RunRender(base + QStringList{"--longitude", "30", "--latitude", "-40", "--caption"});
  EXPECT_EQ(Count(sea.out, "\"2024-01-15 21:30\""), 1);

  test_support::ScratchFolder folder;
  const QString png = QString::fromStdString(folder.File("night.png"));
  ASSERT_EQ(RunRender({"--data", data, "--night", "--out", png}).exitCode, 0);
  const QImage night(png);
  int red = 0;
  for (int y = 0; y < night.height(); ++y) {
    for (int x = 0; x < night.width(); ++x) {
      const QRgb p = night.pixel(x, y);
      ASSERT_EQ(qGreen(p) | qBlue(p), 0) << x << "," << y;
      red += qRed(p) != 0 ? 1 : 0;
    }
  }
  EXPECT_GT(red, 100);
}

// A device pointing east, 30 degrees up, draws the chart aimed there: the compass's reading
// corrected by the declination of the place and date.
TEST(RenderProgram, SensorsAimTheChartWhereTheDevicePoints) {
  test_support::ScratchFolder folder;
  const std::string tree = folder.File("iio");
  setenv("HALVANE_IIO_DEVICES", tree.c_str(), 1);
  const QStringList arguments{"--sensors",         "--latitude", "48",
                              "--longitude",       "-11",        "--time",
                              "2026-06-01T22:00Z", "--trace",    "-"};
  // Munich, 2026.41: the model's declination there.
  const double declination = MagneticDeclination(48.0, 11.0, 0.0, DecimalYear(2461193.4166667));
  ASSERT_GT(declination, 3.0);
  const std::regex aimLine(R"(aim azimuth (\S+) altitude (\S+) roll (\S+)\n)");
  for (const double magneticNorthAt : {declination, 0.0}) {
    test_support::SyntheticDevice device;
    device.azimuth = 90.0;
    device.altitude = 30.0;
    device.declination = magneticNorthAt;
    test_support::WriteIioTree(tree, device);
    const RunResult run = RunRender(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::smatch aim;
    ASSERT_TRUE(std::regex_search(run.out, aim, aimLine)) << run.out;
    // A compass that reads true north is off by the declination.
    EXPECT_NEAR(std::stod(aim[1]), 90.0 + declination - magneticNorthAt, 1.0);
    EXPECT_NEAR(std::stod(aim[2]), 30.0, 1.0);
    EXPECT_NEAR(std::stod(aim[3]), 0.0, 1.0);
  }
  test_support::SyntheticDevice noCompass;
  noCompass.magnetometer = false;
  test_support::WriteIioTree(tree, noCompass);
  const RunResult refused = RunRender(arguments);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "halvane-render: --sensors: No magnetometer was found in " + tree + ".\n");
  unsetenv("HALVANE_IIO_DEVICES");
}

}  // namespace
}  // namespace halvane
