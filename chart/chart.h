// Chart: one sky chart as the app, halvane-render, the fuzz targets and the benchmarks draw
// it. It joins the projection (where on the chart), the layer set (which layers, which
// files), the moment, the progress strip and the star layer's sprites, composes frames and
// finds tapped objects.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>

#include "astro/sky_places.h"
#include "astro/solar_system.h"
#include "catalog/catalog_layers.h"
#include "catalog/identify_object.h"
#include "platform/surface.h"
#include "view/layer_set.h"
#include "view/progress_strip.h"
#include "view/projection.h"

namespace halvane {

class Observer;

class Chart {
 public:
  // The chart rectangle viewRect (client pixels) onto the observer's sky; the observer is only
  // read and must outlive the chart. starSprites is the sprite sheet the platform loaded (null: no
  // stars stamped).
  Chart(const Rect& viewRect, const Observer* observer, std::unique_ptr<Bitmap> starSprites);

  // Moves the chart to a new rectangle (the window was resized).
  void SetViewRect(const Rect& rect);

  // The moment the next frames show, a Julian day in universal time; the sky that DrawFrame
  // gets must belong to it. Until it is set (or when it is not finite) the solar system is not
  // drawn.
  void SetMoment(double jdUt) { momentJdUt = jdUt; }
  double GetMoment() const { return momentJdUt; }

  // Composes one frame of sky into drawSurface, showing progress on progressSurface.
  void DrawFrame(Surface& drawSurface, Surface& progressSurface, const SkyPlaces& sky);

  // The tapped object at client pixel (x, y) into label, among the labels and the bodies the
  // last frame drew; see IdentifyObject.
  void IdentifyObject(PickedLabel& label, int32_t x, int32_t y, const SkyPlaces& sky) const;

  Projection& GetProjection() { return projection; }
  const Projection& GetProjection() const { return projection; }
  LayerSet& GetLayers() { return layers; }
  const LayerSet& GetLayers() const { return layers; }
  // Star records read by the last frame whose catalog could be used.
  int32_t GetStarCount() const { return starLayer.starCount; }
  // The bodies the last frame drew (none available when the layer was off).
  const SolarSystemPlaces& GetBodies() const { return bodies; }

 private:
  Projection projection;
  LayerSet layers;
  ProgressStrip progress;
  StarLayer starLayer;
  double momentJdUt = std::numeric_limits<double>::quiet_NaN();
  SolarSystemPlaces bodies{};
};

}  // namespace halvane
