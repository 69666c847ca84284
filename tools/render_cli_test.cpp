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
#include "astro/sidereal_time.h"
#include "catalog/layer_test_support.h"
#include "shell/config_file.h"

namespace halvane {
namespace {

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

RunResult RunRender(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(HALVANE_BINARY_DIR "/halvane-render"), arguments);
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
        QStringList{"--city", "Xqzville"}, QStringList{"-q"}}) {
    const RunResult run = RunRender(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.err.rfind("halvane-render: ", 0), 0u) << run.err;
    EXPECT_EQ(Count(run.err, "\n"), 1) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
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
  const RunResult configured = RunRender({"--data", data, "--trace", "-"});
  EXPECT_EQ(Count(configured.out, "\"File not found\""), 2);  // deep sky, stars; no lines
  EXPECT_EQ(Count(configured.out, "\"File 'ConBon.dat' not found\""), 1);
}

TEST(RenderProgram, SameArgumentsGiveTheSameChartWithTheTappedLabel) {
  // An object at the zenith of longitude 0, latitude 50, with a segment from it; the tap lands
  // a pixel off the zenith, where the transforms give a well-defined hour angle.
  test_support::ScratchFolder folder;
  const double lst = SiderealTimeAt(SYSTEMTIME{2025, 3, 4, 20, 21, 30, 0, 0}, 0.0);
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
                        "--trace",     "-",
                        "--out",       png};
  const RunResult first = RunRender(arguments);
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, RunRender(arguments).out);
  EXPECT_EQ(Count(first.out, "pen 404080\npolyline 2 150 100 "), 1);
  EXPECT_EQ(
      Count(first.out, "textcolor 7FFF7F\ntransparent\ntext 150 100 300 200 256 \"Testar\"\n"), 1);
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
  ASSERT_TRUE(SaveConfig(folder.File("Config.dat"), config));
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
  EXPECT_EQ(Count(old.out, "\"Sun\"\n"), 1);
}

TEST(RenderProgram, FindsAnyNameAndCityAndDrawsNightAndCaption) {
  const QString data = QStringLiteral(HALVANE_BINARY_DIR);
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
  // The deep sky is on unless the list leaves it out; then the chart is as before it.
  const QStringList m31 = base + QStringList{"--goto", "M31", "--zoom", "3"};
  EXPECT_GT(Count(RunRender(m31).out, "ellipse "), 2);
  const std::string without =
      RunRender(m31 + QStringList{"--layers", "horizontal,lines,solar"}).out;
  EXPECT_EQ(Count(without, "ellipse "), 0);
  EXPECT_EQ(Count(without, "File not found"), 0);
  setenv("TZ", "UTC0", 1);  // the caption's local time, for the child
  const RunResult tokyo = RunRender(base + QStringList{"--city", "tokyo", "--caption"});
  ASSERT_EQ(tokyo.exitCode, 0) << tokyo.err;
  EXPECT_NE(tokyo.out, zenith);
  EXPECT_EQ(Count(tokyo.out, "\"2024-01-15 21:30\""), 1);

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

}  // namespace
}  // namespace halvane
