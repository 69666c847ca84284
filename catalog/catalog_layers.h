// The catalog layers: each a function of the frame (where on the chart, which layers and files,
// the moment's sky) and the surface, reading its catalog through the chart's store. A file that
// cannot be used gets its message written onto the chart.
#pragma once

namespace halvane {

class CatalogStore;
class Surface;
struct FrameContext;
struct LayerSet;

// Each Prepare reads into the store what its layer keeps of its file, when the layer is on, so
// that a first frame finds it ready. They may run on a thread of their own.
void PrepareConstellationLines(const LayerSet& layers, CatalogStore& catalogs);
void PrepareConstellationBoundaries(const LayerSet& layers, CatalogStore& catalogs);
// The stars of the widest fields.
void PrepareStars(const LayerSet& layers, CatalogStore& catalogs);

// With the layer on, every ConLin.dat segment with an end in the visible cap, in the line pen,
// and the visible part of each one that only crosses the cap.
void DrawConstellationLines(const FrameContext& frame, Surface& surface);
// With the layer on, the ConBon.dat polylines near the visible cap, in the boundary pen, which
// stays selected for the layers after it.
void DrawConstellationBoundaries(const FrameContext& frame, Surface& surface);

// Every visible star of Stars.dat (and of the faint stars' file at narrow fields) not lost in
// the sky's light stamped as a sprite, growing the progress strip as the pass goes.
void DrawStars(const FrameContext& frame, Surface& surface);

}  // namespace halvane
