// Catalog and settings files as users leave them: empty, cut short, with foreign headers,
// poisoned numbers, replaced by folders or fifos, or swapped between two frames. Every frame
// must complete, the damaged layer must say what the chart says for it, and the other layers
// must draw exactly what they draw from sound files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/identify_object.h"
#include "chart/chart.h"
#include "platform/bitmaps.h"
#include "platform/recording_surface.h"
#include "shell/config_file.h"
#include "tests/support/catalog_writer.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

constexpr double NAN_VALUE = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double HUGE_VALUE = 1e308;

// What one frame drew, told apart by the pen each layer draws with.
struct FrameOps {
  std::vector<std::string> texts;  // the layers' messages
  int gridLines = 0;
  int figureLines = 0;
  int boundaryLines = 0;
  int stars = 0;
};

FrameOps Analyze(const RecordingSurface& surface) {
  FrameOps ops;
  std::string pen;
  for (const std::string& line : surface.Lines()) {
    std::istringstream in(line);
    std::string op;
    in >> op;
    if (op == "pen") in >> pen;
    // Layer messages fill the chart rectangle, centred; grid labels are placed texts.
    if (line.starts_with("text 0 0 240 294 5 ")) ops.texts.push_back(line.substr(line.find('"')));
    if (op == "blit" && line.ends_with(" or")) ++ops.stars;
    if (op != "polyline") continue;
    if (pen == "404040") ++ops.gridLines;
    if (pen == "404080") ++ops.figureLines;
    if (pen == "406060") ++ops.boundaryLines;
  }
  return ops;
}

std::vector<uint8_t> Header(std::string_view tag) {
  std::vector<uint8_t> bytes(HEADER_SIZE);
  EncodeHeader(tag, bytes.data());
  return bytes;
}

using test_support::CatalogBytes;
using test_support::WriteBytes;

// A net over the whole sky, so that every layer has something in any view.
struct SoundCatalogs {
  SoundCatalogs() {
    uint16_t id = 0;
    for (double dec = -1.5; dec <= 1.5; dec += 0.25) {
      ++id;
      for (double ra = 0.0; ra < TWO_PI; ra += 0.3) {
        stars.push_back({ra, dec, 100, 50});
        segments.push_back({ra, dec, ra + 0.3, dec + 0.25});
        vertices.push_back({ra, dec, id});
      }
    }
  }
  std::vector<uint8_t> Stars() const {
    return CatalogBytes(STARS_TAG, STAR_RECORD_SIZE, stars, EncodeStar);
  }
  std::vector<uint8_t> Lines() const {
    return CatalogBytes(LINES_TAG, SEGMENT_RECORD_SIZE, segments, EncodeSegment);
  }
  std::vector<uint8_t> Boundaries() const {
    return CatalogBytes(BOUNDARIES_TAG, VERTEX_RECORD_SIZE, vertices, EncodeVertex);
  }

  std::vector<StarRecord> stars;
  std::vector<ConstellationSegment> segments;
  std::vector<BoundaryVertex> vertices;
};

// The observer's default place looking at the zenith, every layer on, sound catalogs in a
// folder of its own.
class HostileFiles : public ::testing::Test {
 protected:
  HostileFiles() : view(Rect{0, 0, 240, 294}, LoadBitmap(BitmapId::StarSprites)) {
    view.GetLayers().UseDataFolder(File(""));
    view.GetLayers().ApplyLayerFlags(LAYER_EQUATORIAL_GRID | LAYER_HORIZONTAL_GRID |
                                     LAYER_CONSTELLATION_LINES | LAYER_CONSTELLATION_BOUNDARIES);
    WriteSoundCatalogs();
  }
  std::string File(const std::string& name) const { return scratch.File(name); }
  void WriteSoundCatalogs() {
    WriteBytes(view.GetLayers().starsPath, catalogs.Stars());
    WriteBytes(view.GetLayers().linesPath, catalogs.Lines());
    WriteBytes(view.GetLayers().boundariesPath, catalogs.Boundaries());
  }
  FrameOps Frame(Surface* progress = nullptr) {
    RecordingSurface surface;
    RecordingSurface screen;
    view.DrawFrame(surface, progress != nullptr ? *progress : screen,
                   Moment(SkyPlaces(observer, 0.0)));
    return Analyze(surface);
  }

  test_support::ScratchFolder scratch;
  SoundCatalogs catalogs;
  Observer observer;
  Chart view;
};

struct Layer {
  std::string file;
  std::string_view tag;
  std::string notFound;
  int FrameOps::*drawn;
};

const std::vector<Layer>& CatalogLayers() {
  static const std::vector<Layer> layers = {
      {"Stars.dat", STARS_TAG, "\"File not found\"", &FrameOps::stars},
      {"ConLin.dat", LINES_TAG, "\"File not found\"", &FrameOps::figureLines},
      {"ConBon.dat", BOUNDARIES_TAG, "\"File 'ConBon.dat' not found\"", &FrameOps::boundaryLines},
  };
  return layers;
}

// Everything but the damaged layer drew what it draws from the sound files.
void ExpectOthersAsBefore(const FrameOps& frame, const FrameOps& sound, const Layer& damaged) {
  EXPECT_EQ(frame.gridLines, sound.gridLines);
  for (const Layer& other : CatalogLayers()) {
    if (other.file == damaged.file) continue;
    EXPECT_EQ(frame.*other.drawn, sound.*other.drawn) << other.file;
  }
}

TEST_F(HostileFiles, SoundCatalogsDrawEveryLayerWithoutText) {
  const FrameOps frame = Frame();
  EXPECT_TRUE(frame.texts.empty());
  EXPECT_GT(frame.gridLines, 0);
  EXPECT_GT(frame.figureLines, 0);
  EXPECT_GT(frame.boundaryLines, 0);
  EXPECT_GT(frame.stars, 0);
}

TEST_F(HostileFiles, RejectedHeadersSayUnsupportedVersionAndDrawNothingElse) {
  const FrameOps sound = Frame();
  for (const Layer& layer : CatalogLayers()) {
    const std::vector<uint8_t> good = Header(layer.tag);
    auto withBody = [&](std::vector<uint8_t> header) {
      // A whole sound body behind the bad header: none of it may be drawn.
      const std::vector<uint8_t> full = layer.tag == STARS_TAG   ? catalogs.Stars()
                                        : layer.tag == LINES_TAG ? catalogs.Lines()
                                                                 : catalogs.Boundaries();
      header.insert(header.end(), full.begin() + HEADER_SIZE, full.end());
      return header;
    };
    auto patched = [&](size_t offset, std::vector<uint8_t> bytes) {
      std::vector<uint8_t> header = good;
      std::copy(bytes.begin(), bytes.end(), header.begin() + static_cast<ptrdiff_t>(offset));
      return withBody(header);
    };
    const std::string otherTag(layer.tag == STARS_TAG ? LINES_TAG : STARS_TAG);
    const std::map<std::string, std::vector<uint8_t>> damages = {
        {"empty", {}},
        {"one byte", {'H'}},
        {"eleven bytes", std::vector<uint8_t>(good.begin(), good.begin() + 11)},
        {"wrong magic", patched(0, {'H', 'A', 'L', 'X'})},
        {"lower-case magic", patched(0, {'h', 'a', 'l', 'v'})},
        {"another catalog's tag",
         patched(4, std::vector<uint8_t>(otherTag.begin(), otherTag.end()))},
        {"version 2", patched(8, {2, 0})},
        {"version 0", patched(8, {0, 0})},
        {"version 256", patched(8, {0, 1})},
        {"reserved 1", patched(10, {1, 0})},
        {"reserved 0x8000", patched(10, {0, 0x80})},
    };
    for (const auto& [name, bytes] : damages) {
      SCOPED_TRACE(layer.file + ": " + name);
      WriteBytes(File(layer.file), bytes);
      const FrameOps frame = Frame();
      EXPECT_EQ(frame.texts, std::vector<std::string>{"\"Unsupported file version\""});
      EXPECT_EQ(frame.*layer.drawn, 0);
      ExpectOthersAsBefore(frame, sound, layer);
    }
    SCOPED_TRACE(layer.file + ": header only");
    WriteBytes(File(layer.file), good);
    const FrameOps frame = Frame();
    EXPECT_TRUE(frame.texts.empty());
    EXPECT_EQ(frame.*layer.drawn, 0);
    ExpectOthersAsBefore(frame, sound, layer);
    WriteSoundCatalogs();
  }
}

TEST_F(HostileFiles, WhatIsNoReadableFileSaysNotFound) {
  const FrameOps sound = Frame();
  for (const Layer& layer : CatalogLayers()) {
    const std::string path = File(layer.file);
    const std::map<std::string, std::function<void()>> damages = {
        {"missing", [&] { std::filesystem::remove(path); }},
        {"a folder",
         [&] {
           std::filesystem::remove(path);
           std::filesystem::create_directory(path);
         }},
        {"a fifo",
         [&] {
           std::filesystem::remove(path);
           ::mkfifo(path.c_str(), 0600);
         }},
        {"a dangling link",
         [&] {
           std::filesystem::remove(path);
           std::filesystem::create_symlink(File("gone"), path);
         }},
        {"a link to itself",
         [&] {
           std::filesystem::remove(path);
           std::filesystem::create_symlink(path, path);
         }},
        {"unreadable", [&] { ::chmod(path.c_str(), 0); }},
    };
    for (const auto& [name, damage] : damages) {
      // Root reads through permissions.
      if (name == "unreadable" && ::geteuid() == 0) continue;
      SCOPED_TRACE(layer.file + ": " + name);
      WriteSoundCatalogs();
      damage();
      const FrameOps frame = Frame();
      EXPECT_EQ(frame.texts, std::vector<std::string>{layer.notFound});
      EXPECT_EQ(frame.*layer.drawn, 0);
      ExpectOthersAsBefore(frame, sound, layer);
      std::filesystem::remove_all(path);
    }
    WriteSoundCatalogs();
  }
}

TEST_F(HostileFiles, EveryLayerFailingWritesEveryTextAndTheGridsStillDraw) {
  const FrameOps sound = Frame();
  std::filesystem::remove(view.GetLayers().starsPath);
  std::filesystem::remove(view.GetLayers().linesPath);
  WriteBytes(view.GetLayers().boundariesPath, {'H', 'A', 'L', 'V'});
  const FrameOps frame = Frame();
  EXPECT_EQ(frame.texts,
            (std::vector<std::string>{"\"File not found\"", "\"Unsupported file version\"",
                                      "\"File not found\""}));
  EXPECT_EQ(frame.gridLines, sound.gridLines);
  EXPECT_EQ(frame.stars + frame.figureLines + frame.boundaryLines, 0);
}

// Poisoned records are skipped one by one; the sound records around them still draw.
TEST_F(HostileFiles, PoisonedStarsAreSkippedAndFaintLimitsHold) {
  // A point near the middle of the chart at sidereal angle 0.
  double azimuth = 0.0;
  double altitude = 0.0;
  view.GetProjection().GetOrientation().ViewToHorizontal(0.01, 0.02, azimuth, altitude);
  double raMinusLst = 0.0;
  double zenithDec = 0.0;
  observer.HorizontalToEquatorial(azimuth, altitude, raMinusLst, zenithDec);
  const double ra = NormalizeAngle(raMinusLst + TWO_PI, TWO_PI);
  std::vector<StarRecord> stars = {
      {NAN_VALUE, zenithDec, 100, 0},
      {ra, NAN_VALUE, 100, 0},
      {INF, zenithDec, 100, 0},
      {ra, -INF, 100, 0},
      {HUGE_VALUE, HUGE_VALUE, 100, 0},
      {-HUGE_VALUE, -HUGE_VALUE, 100, 0},
      {ra, zenithDec, INT16_MAX, 0},          // faintest possible: never drawn
      {ra, zenithDec, INT16_MAX - 50, 9001},  // a 16-bit sum would wrap to the brightest
      {ra, zenithDec, INT16_MIN, INT16_MIN},  // brightest possible, bluest
      {ra, zenithDec, 100, INT16_MAX},        // no colour: white
  };
  std::vector<uint8_t> bytes = CatalogBytes(STARS_TAG, STAR_RECORD_SIZE, stars, EncodeStar);
  bytes.insert(bytes.end(), {1, 2, 3, 4, 5, 6, 7});  // a partial last record
  WriteBytes(view.GetLayers().starsPath, bytes);
  RecordingSurface surface;
  RecordingSurface screen;
  view.DrawFrame(surface, screen, Moment());
  EXPECT_EQ(view.GetStarCount(), static_cast<int32_t>(stars.size()));
  std::vector<std::string> blits;
  for (const std::string& line : surface.Lines()) {
    if (line.starts_with("blit ")) blits.push_back(line);
  }
  // The largest sprite (column 0) in the blue row, then a small white one.
  ASSERT_EQ(blits.size(), 2u);
  EXPECT_TRUE(blits[0].ends_with(" 0 0 or")) << blits[0];
  EXPECT_TRUE(blits[1].ends_with(" 33 22 or")) << blits[1];
}

TEST_F(HostileFiles, PoisonedSegmentsAndVerticesAreSkipped) {
  const FrameOps sound = Frame();
  // Every sound segment comes once more with each end poisoned in turn; poisoned vertices
  // follow in runs of their own, which must not join onto the sound ones.
  std::vector<ConstellationSegment> segments;
  for (const ConstellationSegment& s : catalogs.segments) {
    segments.push_back(s);
    for (double bad : {NAN_VALUE, INF, -INF}) {
      segments.push_back({bad, s.declination1, s.rightAscension2, s.declination2});
      segments.push_back({s.rightAscension1, s.declination1, s.rightAscension2, bad});
    }
  }
  std::vector<BoundaryVertex> vertices = catalogs.vertices;
  uint16_t id = 60000;
  for (double bad : {NAN_VALUE, INF, -INF}) {
    ++id;
    vertices.push_back({bad, 0.9, id});
    vertices.push_back({1.0, bad, id});
    vertices.push_back({bad, bad, id});
  }
  WriteBytes(view.GetLayers().linesPath,
             CatalogBytes(LINES_TAG, SEGMENT_RECORD_SIZE, segments, EncodeSegment));
  WriteBytes(view.GetLayers().boundariesPath,
             CatalogBytes(BOUNDARIES_TAG, VERTEX_RECORD_SIZE, vertices, EncodeVertex));
  const FrameOps frame = Frame();
  EXPECT_TRUE(frame.texts.empty());
  EXPECT_EQ(frame.figureLines, sound.figureLines);
  EXPECT_EQ(frame.boundaryLines, sound.boundaryLines);

  // Huge but finite coordinates are angles like any other: drawn or culled, never a fault.
  const std::vector<ConstellationSegment> huge = {{HUGE_VALUE, 0.9, 1.0, -HUGE_VALUE},
                                                  {-HUGE_VALUE, HUGE_VALUE, HUGE_VALUE, 0.9}};
  const std::vector<BoundaryVertex> hugeVertices = {
      {HUGE_VALUE, 0.9, 1}, {1.0, HUGE_VALUE, 1}, {-HUGE_VALUE, -HUGE_VALUE, 1}, {0.5, 0.9, 1}};
  WriteBytes(view.GetLayers().linesPath,
             CatalogBytes(LINES_TAG, SEGMENT_RECORD_SIZE, huge, EncodeSegment));
  WriteBytes(view.GetLayers().boundariesPath,
             CatalogBytes(BOUNDARIES_TAG, VERTEX_RECORD_SIZE, hugeVertices, EncodeVertex));
  EXPECT_TRUE(Frame().texts.empty());
}

TEST_F(HostileFiles, LabelsSurviveDamageAndNamesStayTerminated) {
  // The label record nearest the middle of the chart.
  double u = 0.0;
  double v = 0.0;
  view.GetProjection().ScreenToView(120, 147, u, v);
  double azimuth = 0.0;
  double altitude = 0.0;
  view.GetProjection().GetOrientation().ViewToHorizontal(u, v, azimuth, altitude);
  double hourAngle = 0.0;
  double dec = 0.0;
  observer.HorizontalToEquatorial(azimuth, altitude, hourAngle, dec);
  const double ra = NormalizeAngle(TWO_PI + hourAngle, TWO_PI);

  LabelRecord unterminated{ra, dec, {}};
  std::fill(std::begin(unterminated.name), std::end(unterminated.name), '\xE9');
  const std::vector<LabelRecord> labels = {{NAN_VALUE, dec, "poison"},
                                           {ra, INF, "poison"},
                                           {-INF, -INF, "poison"},
                                           unterminated,
                                           {ra, dec, "second"}};
  std::vector<uint8_t> bytes = CatalogBytes("????", LABEL_RECORD_SIZE, labels, EncodeLabel);
  bytes.push_back(0);  // a partial record
  WriteBytes(view.GetLayers().labelsPath, bytes);

  PickedLabel label;
  view.IdentifyObject(label, 120, 147, Moment());
  // Twenty accented letters: nineteen of them and the terminator.
  EXPECT_EQ(std::u16string(label.name), std::u16string(19, u'\u00E9'));
  EXPECT_EQ(label.name[19], u'\0');

  const PickedLabel before = label;
  for (auto damage : std::vector<std::function<void()>>{
           [&] { WriteBytes(view.GetLayers().labelsPath, {}); },
           [&] { WriteBytes(view.GetLayers().labelsPath, Header("LABL")); },
           [&] { std::filesystem::remove(view.GetLayers().labelsPath); },
           [&] { std::filesystem::create_directory(view.GetLayers().labelsPath); },
           [&] {
             std::filesystem::remove(view.GetLayers().labelsPath);
             ::mkfifo(view.GetLayers().labelsPath.c_str(), 0600);
           },
       }) {
    damage();
    view.IdentifyObject(label, 120, 147, Moment());
    EXPECT_EQ(std::memcmp(&label, &before, sizeof label), 0);
    std::filesystem::remove_all(view.GetLayers().labelsPath);
  }
}

// A progress surface that swaps the star catalog for something else at its first star-pass
// step, while the pass is still reading.
class SwappingSurface : public RecordingSurface {
 public:
  explicit SwappingSurface(std::function<void()> swap) : swap(std::move(swap)) {}
  void FillRect(const Rect& rect, StockBrush brush) override {
    RecordingSurface::FillRect(rect, brush);
    if (++fills == 6 && swap) swap();  // five steps come before the star pass
  }

 private:
  std::function<void()> swap;
  int fills = 0;
};

TEST_F(HostileFiles, CatalogsReplacedOrCutBetweenAndDuringFrames) {
  std::vector<StarRecord> many;
  for (size_t i = 0; i < 6000; ++i) many.push_back(catalogs.stars[i % catalogs.stars.size()]);
  const std::vector<uint8_t> big = CatalogBytes(STARS_TAG, STAR_RECORD_SIZE, many, EncodeStar);
  WriteBytes(view.GetLayers().starsPath, big);
  const FrameOps full = Frame();
  EXPECT_EQ(view.GetStarCount(), 6000);

  // Cut to ten and a half records between frames.
  std::filesystem::resize_file(view.GetLayers().starsPath,
                               HEADER_SIZE + 10 * STAR_RECORD_SIZE + 10);
  Frame();
  EXPECT_EQ(view.GetStarCount(), 10);

  // Replaced by a folder: the count of the last readable pass stays.
  std::filesystem::remove(view.GetLayers().starsPath);
  std::filesystem::create_directory(view.GetLayers().starsPath);
  EXPECT_EQ(Frame().texts, std::vector<std::string>{"\"File not found\""});
  EXPECT_EQ(view.GetStarCount(), 10);
  std::filesystem::remove(view.GetLayers().starsPath);

  // Grown again: progress runs past its count without harm.
  WriteBytes(view.GetLayers().starsPath, big);
  EXPECT_EQ(Frame().stars, full.stars);

  // Cut short and replaced while the pass reads: it ends with what it could read.
  SwappingSurface cutting(
      [&] { std::filesystem::resize_file(view.GetLayers().starsPath, HEADER_SIZE + 100); });
  EXPECT_TRUE(Frame(&cutting).texts.empty());
  EXPECT_GE(view.GetStarCount(), 200);
  EXPECT_LE(view.GetStarCount(), 6000);
  WriteBytes(view.GetLayers().starsPath, big);
  SwappingSurface replacing([&] { WriteBytes(view.GetLayers().starsPath, Header("COLI")); });
  EXPECT_TRUE(Frame(&replacing).texts.empty());
  EXPECT_GE(view.GetStarCount(), 200);
  // The next frame sees the new file.
  EXPECT_EQ(Frame().texts, std::vector<std::string>{"\"Unsupported file version\""});

  // Catalogs swapped with each other: tags are not interchangeable.
  WriteBytes(view.GetLayers().linesPath, catalogs.Boundaries());
  WriteBytes(view.GetLayers().boundariesPath, catalogs.Lines());
  WriteBytes(view.GetLayers().starsPath, catalogs.Stars());
  const FrameOps swapped = Frame();
  EXPECT_EQ(swapped.texts, std::vector<std::string>(2, "\"Unsupported file version\""));
  EXPECT_EQ(swapped.figureLines + swapped.boundaryLines, 0);
  EXPECT_GT(swapped.stars, 0);
}

TEST_F(HostileFiles, ConfigFilesAlwaysGiveUsableSettings) {
  const std::string path = File("Config.dat");
  auto record = [](double longitude, double latitude) {
    std::vector<uint8_t> bytes = Header("CONF");
    bytes.resize(48);
    WriteF64(longitude, bytes.data() + 12);
    WriteF64(latitude, bytes.data() + 20);
    return bytes;
  };
  struct Case {
    std::string name;
    std::function<void()> make;
    bool loads;
  };
  const std::vector<Case> cases = {
      {"empty", [&] { WriteBytes(path, {}); }, false},
      {"47 bytes",
       [&] {
         auto b = record(1, 2);
         b.pop_back();
         WriteBytes(path, b);
       },
       false},
      {"a folder", [&] { std::filesystem::create_directory(path); }, false},
      {"a fifo", [&] { ::mkfifo(path.c_str(), 0600); }, false},
      {"not a number", [&] { WriteBytes(path, record(NAN_VALUE, 2)); }, true},
      {"infinite", [&] { WriteBytes(path, record(1, -INF)); }, true},
      {"huge", [&] { WriteBytes(path, record(HUGE_VALUE, -HUGE_VALUE)); }, true},
      {"smallest", [&] { WriteBytes(path, record(5e-324, -0.0)); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(path);
    c.make();
    ConfigRecord config;
    EXPECT_EQ(LoadConfig(path, config), c.loads);
    ASSERT_TRUE(std::isfinite(config.longitude) && std::isfinite(config.latitude));
    // The dialog shows the place in degrees, minutes and seconds.
    for (double angle : {config.longitude, config.latitude}) {
      int32_t degrees = 0;
      int32_t minutes = -1;
      int32_t seconds = -1;
      DegreesToDms(angle, degrees, minutes, seconds);
      EXPECT_TRUE(minutes >= 0 && minutes < 60 && seconds >= 0 && seconds < 60)
          << angle << ": " << minutes << " " << seconds;
    }
    // And the chart is drawn for it.
    observer.SetLocation(config.longitude, config.latitude);
    EXPECT_EQ(Frame().texts.size(), 0u);
    std::filesystem::remove_all(path);
  }
}

}  // namespace
}  // namespace halvane
