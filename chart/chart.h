// Chart: one sky chart as the app, halvane-render, the fuzz targets and the benchmarks draw
// it. It joins the projection (where on the chart), the layer set (which layers, which
// files), the progress strip, the star layer's sprites and the catalogs the layers keep,
// composes frames of a moment and finds tapped objects.
#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <utility>
#include <vector>

#include "astro/moment.h"
#include "catalog/bayer_letters.h"
#include "catalog/catalog_layers.h"
#include "catalog/catalog_store.h"
#include "catalog/identify_object.h"
#include "catalog/layer_memory.h"
#include "catalog/local_sky_names.h"
#include "catalog/satellite_set.h"
#include "catalog/sky_label_names.h"
#include "chart/label_placement.h"
#include "platform/surface.h"
#include "view/frame_context.h"
#include "view/layer_set.h"
#include "view/progress_strip.h"
#include "view/projection.h"
#include "view/sky_light.h"

namespace halvane {

class Chart {
 public:
  // The chart rectangle viewRect (client pixels). starSprites is the sprite sheet the platform
  // loaded (null: no stars stamped).
  Chart(const Rect& viewRect, std::unique_ptr<Bitmap> starSprites);

  // Starts reading, on a thread of its own, what the layers now on keep of their files; the
  // next frame or tap waits for it. At start-up it runs beside the window's making.
  void PrepareInBackground();

  // Moves the chart to a new rectangle (the window was resized).
  void SetViewRect(const Rect& rect);

  // Composes one frame of the moment's sky into drawSurface, showing progress on
  // progressSurface. A moment without a time draws no solar system.
  void DrawFrame(Surface& drawSurface, Surface& progressSurface, const Moment& moment);

  // The tapped object at client pixel (x, y) into label, among the labels and, when the
  // solar-system layer is on, the moment's bodies; see IdentifyObject.
  void IdentifyObject(PickedLabel& label, int32_t x, int32_t y, const Moment& moment) const;

  Projection& GetProjection() { return projection; }
  const Projection& GetProjection() const { return projection; }
  LayerSet& GetLayers() { return layers; }
  const LayerSet& GetLayers() const { return layers; }
  // The sky's names in the layers' language, as the last frame read them.
  const LocalSkyNames& GetLocalNames() const { return localNames; }
  // label with its name in that language, for writing over the chart.
  PickedLabel InLanguage(PickedLabel label) const;
  // Boxes no name of the next frames may cover (the navigation box).
  void SetLabelKeepOut(std::vector<Rect> boxes) { labelKeepOut = std::move(boxes); }
  // The names the last frame wrote and the room they took, for names written over it.
  const FrameNames& GetFrameNames() const { return frameNames; }
  // The satellites the layer draws and taps find (null: none), and the one found or tapped
  // (-1: none), which is drawn in daylight too.
  void SetSatellites(std::shared_ptr<const SatelliteSet> set) {
    satellites = std::move(set);
    pinnedSatellite = -1;
  }
  const std::shared_ptr<const SatelliteSet>& GetSatellites() const { return satellites; }
  void SetPinnedSatellite(int32_t index) { pinnedSatellite = index; }
  // How fast the last frame's fastest satellite crossed the chart, pixels per second; 0 when
  // none was drawn.
  double GetSatelliteSpeed() const { return memory.fastestPixelsPerSecond; }
  // Star records read by the last frame whose catalog could be used.
  int32_t GetStarCount() const { return memory.starCount; }

 private:
  Projection projection;
  LayerSet layers;
  ProgressStrip progress;
  std::unique_ptr<Bitmap> starSprites;
  std::shared_ptr<const SatelliteSet> satellites;  // null: none loaded
  int32_t pinnedSatellite = -1;                    // found or tapped: drawn in daylight too
  CatalogStore catalogs;
  LayerMemory memory;
  SkyGlow skyGlow;
  BayerLetters bayerLetters;            // read at the first narrow frame with star names
  mutable SkyLabelNames skyLabelNames;  // read at the first frame or tap that needs it
  LocalSkyNames localNames;             // of the layers' language, read when it changes
  std::vector<Rect> labelKeepOut;
  FrameNames frameNames;
  // Last: destroyed first, it waits for the thread before the store it fills goes.
  mutable std::future<void> preparing;

  void FinishPreparing() const;
  // The star and constellation names, and at narrow fields the Greek letters, for the frame.
  void AddSkyNames(const FrameContext& frame);
};

}  // namespace halvane
