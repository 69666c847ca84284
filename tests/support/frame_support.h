// A frame for a layer's own test: the context a chart makes for its layers, with the names and
// progress strip it points at, kept for the test to look at. The catalog layers' store and
// memory are left out unless a test hands in its own.
#pragma once

#include <cstdint>
#include <vector>

#include "astro/moment.h"
#include "platform/recording_surface.h"
#include "view/frame_context.h"

namespace halvane::test_support {

// The plain sky of observer at sidereal angle theta (radians), as a moment without a time.
inline Moment PlainSky(const Observer& observer, double theta) {
  return Moment(SkyPlaces(observer, theta));
}

struct TestFrame {
  TestFrame(const Projection& projection, const LayerSet& layers, const Moment& moment,
            const SkyLight& light = {})
      : projection(projection), layers(layers), moment(moment), light(light) {}

  // Draws one layer of this frame onto surface.
  void Draw(void (*layer)(const FrameContext&, Surface&), Surface& surface) {
    const FrameContext frame{projection, layers,   moment,          light,   pens,
                             labels,     progress, progressSurface, sprites, nullptr,
                             -1,         catalogs, memory,          nullptr, nullptr};
    layer(frame, surface);
  }

  const Projection& projection;
  const LayerSet& layers;
  const Moment& moment;
  SkyLight light;
  FramePens pens;
  std::vector<LabelCandidate> labels;
  ProgressStrip progress{projection.GetViewRect()};
  RecordingSurface progressSurface;
  const Bitmap* sprites = nullptr;
  CatalogStore* catalogs = nullptr;
  LayerMemory* memory = nullptr;
};

}  // namespace halvane::test_support
