// The one placement of every name written on the chart: the most important names first, each
// at the first free place around its point, never over another name, a body's disc, the keep-out
// boxes or the chart's edge; a name with no free place is left out.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "catalog/identify_object.h"
#include "platform/surface.h"
#include "view/label_candidate.h"
#include "view/projection.h"
#include "view/sky_light.h"

namespace halvane {

struct PlacedLabel {
  Rect box;          // the glyphs' box, client pixels
  size_t candidate;  // index into the candidates
};

// What a frame's placement leaves for a name written over the frame later (the tapped one).
struct FrameNames {
  std::vector<Rect> taken;              // keep-out boxes and placed names
  std::vector<LabelCandidate> written;  // the names placed, each
  std::vector<Rect> boxes;              // at this box
  SkyLight light;                       // the sky behind them
};

// Where each name of candidates goes on chart, measured on surface, avoiding keepOut boxes.
// The result depends on the candidates as a set, not on their order. With remember, the
// placement is kept there for PlaceOverFrame.
std::vector<PlacedLabel> PlaceLabels(std::span<const LabelCandidate> candidates,
                                     std::span<const Rect> keepOut, const Surface& surface,
                                     const Rect& chart, FrameNames* remember = nullptr);

// Where the name of candidate goes over a frame that placed frame: over the frame's own
// writing of the same name at the same point (it is the same object), else at the first place
// free of the frame's names; none when nothing is free.
std::vector<PlacedLabel> PlaceOverFrame(const LabelCandidate& candidate, const FrameNames& frame,
                                        const Surface& surface, const Rect& chart);

// The tapped or found object's name as the most important candidate; none for an empty label.
std::vector<LabelCandidate> PinnedNames(const PickedLabel& label, Color color);

// Gives each placed name the sky behind its box as its halo and, on a lit sky, a colour that
// reads against it; at night the halo is the black of the chart.
void FitNamesToSky(std::span<LabelCandidate> candidates, std::span<const PlacedLabel> placed,
                   const Projection& projection, const SkyLight& light);

// Writes each placed name in its colour over its halo, followed by its trace note
// `label X0 Y0 X1 Y1 "TEXT"`.
void DrawPlacedLabels(Surface& surface, std::span<const LabelCandidate> candidates,
                      std::span<const PlacedLabel> placed, const Rect& chart);

}  // namespace halvane
