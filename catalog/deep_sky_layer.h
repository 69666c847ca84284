// The deep-sky layer: the objects of DeepSky.dat as the symbols of their kinds, and at narrow
// fields their names for the chart's label placement.
#pragma once

namespace halvane {

class CatalogStore;
class Surface;
struct FrameContext;
struct LayerSet;

// Reads the objects that wide fields draw, when the layer is on; see PrepareStars.
void PrepareDeepSky(const LayerSet& layers, CatalogStore& catalogs);
// With the layer on, every visible object of DeepSky.dat brighter than the zoom's limit (moved
// by the star-limit keys), than the star layer's limit and than the sky's light, as the symbol
// of its kind in the deep-sky pen; the boundary pen is selected again after it. The objects
// drawn are kept in the frame's memory for taps; with the ground shown, objects below the
// horizon offer no name.
void DrawDeepSky(const FrameContext& frame, Surface& surface);

}  // namespace halvane
