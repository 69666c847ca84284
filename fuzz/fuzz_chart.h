// What the fuzz targets share: small valid catalogs to draw beside a fuzzed file, and whole
// frames drawn at a few fixed views. Without a Qt application the image surface leaves text
// out, which keeps the font engine (not ours to fuzz) out of every run.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "chart/chart.h"
#include "fuzz/fuzz_files.h"
#include "platform/bitmaps.h"
#include "platform/image_surface.h"

// Qt's font database and fontconfig keep caches for the life of the process, which
// LeakSanitizer reports at exit; they are not ours to free.
extern "C" inline __attribute__((used)) const char* __lsan_default_suppressions() {
  return "leak:libQt6Gui.so\nleak:libQt6Widgets.so\nleak:libfontconfig.so\n";
}

namespace halvane {

// Stops the run as a finding: a broken promise that the sanitizers cannot see.
inline void FuzzCheck(bool holds) {
  if (!holds) std::abort();
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

template <typename Record, typename Encode>
void WriteSampleCatalog(const std::string& path, std::string_view tag, size_t recordSize,
                        const std::vector<Record>& records, Encode encode) {
  std::vector<uint8_t> bytes(HEADER_SIZE + recordSize * records.size());
  EncodeHeader(tag, bytes.data());
  for (size_t i = 0; i < records.size(); ++i) {
    encode(records[i], bytes.data() + HEADER_SIZE + i * recordSize);
  }
  WriteBytes(path, bytes);
}

// A coarse net over the whole sky, so every view finds something of each catalog. The files
// are written once per process into the fuzz folder, named as the program names them.
inline void WriteSampleCatalogs() {
  static const bool written = [] {
    std::vector<StarRecord> stars;
    std::vector<ConstellationSegment> segments;
    std::vector<BoundaryVertex> vertices;
    std::vector<LabelRecord> labels;
    uint16_t boundaryId = 0;
    for (double dec = -1.5; dec <= 1.5; dec += 0.25) {
      ++boundaryId;
      for (double ra = 0.0; ra < TWO_PI; ra += 0.3) {
        const auto magnitude = static_cast<int16_t>(std::lround((ra + dec) * 150.0));
        const auto color = static_cast<int16_t>(std::lround(dec * 100.0));
        stars.push_back({ra, dec, magnitude, color});
        segments.push_back({ra, dec, ra + 0.3, dec + 0.25});
        vertices.push_back({ra, dec, boundaryId});
        LabelRecord label{ra, dec, {}};
        std::strncpy(label.name, ("Net " + std::to_string(labels.size())).c_str(),
                     LABEL_NAME_BYTES - 1);
        labels.push_back(label);
      }
    }
    const std::string& folder = FuzzFolder();
    WriteSampleCatalog(folder + "Stars.dat", STARS_TAG, STAR_RECORD_SIZE, stars, EncodeStar);
    WriteSampleCatalog(folder + "ConLin.dat", LINES_TAG, SEGMENT_RECORD_SIZE, segments,
                       EncodeSegment);
    WriteSampleCatalog(folder + "ConBon.dat", BOUNDARIES_TAG, VERTEX_RECORD_SIZE, vertices,
                       EncodeVertex);
    WriteSampleCatalog(folder + "Labels.dat", LABELS_TAG, LABEL_RECORD_SIZE, labels, EncodeLabel);
    return true;
  }();
  (void)written;
}

// Points a view at the sample catalogs of the fuzz folder with every layer switched on.
inline void UseSampleCatalogs(Chart& view) {
  WriteSampleCatalogs();
  view.GetLayers().UseDataFolder(FuzzFolder());
  view.GetLayers().ApplyLayerFlags(LAYER_EQUATORIAL_GRID | LAYER_HORIZONTAL_GRID |
                                   LAYER_CONSTELLATION_LINES | LAYER_CONSTELLATION_BOUNDARIES);
}

// Draws one whole frame onto a fresh back buffer of the view's size.
inline void DrawOneFrame(Chart& view, const Moment& moment) {
  const Rect& chart = view.GetProjection().GetViewRect();
  ImageSurface back(chart.right, chart.bottom);
  ImageSurface screen(chart.right, chart.bottom);
  view.DrawFrame(back, screen, moment);
}

// Frames at the start view, at the narrowest zoom looking low in the south, and at the widest
// zoom turned twice near the pole: the band and cap tests take their extreme shapes there.
inline void DrawFramesAtFixedViews(Chart& view) {
  DrawOneFrame(view, Moment(SkyPlaces(Observer(), 0.7)));

  view.GetProjection().SetViewDirection(PI, 0.2);
  for (int i = 0; i < 6; ++i) view.GetProjection().ZoomIn();
  DrawOneFrame(view, Moment(SkyPlaces(Observer(), 4.0)));

  view.GetProjection().SetViewDirection(0.5, 1.2);
  view.GetProjection().RotateClockwise();
  view.GetProjection().RotateClockwise();
  for (int i = 0; i < 8; ++i) view.GetProjection().ZoomOut();
  DrawOneFrame(view, Moment(SkyPlaces(Observer(-18.0, 89.99), 2.5)));
}

}  // namespace halvane
