// halvane-render's chart: the observer, chart and frame that the options describe,
// drawn through the same Chart as the app.
#pragma once

#include <string>

#include "astro/calendar_time.h"
#include "platform/surface.h"
#include "tools/render_options.h"

namespace halvane {

// A surface that draws nothing: the progress strip has no screen to go to.
class DiscardSurface : public Surface {
 public:
  void FillRect(const Rect&, StockBrush) override {}
  void SelectPen(Color) override {}
  void SetTextColor(Color) override {}
  void SetTransparentBackground() override {}
  void Polyline(const Point*, int32_t) override {}
  void DrawText(std::u16string_view, const Rect&, uint32_t) override {}
  void Blit(int32_t, int32_t, int32_t, int32_t, const Bitmap&, int32_t, int32_t,
            RasterOp) override {}
  void Ellipse(Point, int32_t, int32_t, int32_t, bool) override {}
  void FillPolygon(const Point*, const int32_t*, int32_t, Color) override {}
};

// Draws one frame onto surface (at least options.width x options.height) in this order:
// place (a city's when asked) and time (now is used when the options give no time), aim (the
// object of --goto, looked up in the data folder), zoom, rotation, pan, then the frame, then
// the label of the tap if one was found, then the caption when asked; bodies gets the lines
// it prints, each ending in a newline: --bodies', then --info's, then --tonight's, then with
// --sensors the aim line (the aim from the sensors replaces the view and comes before the
// rotation steps). False, drawing nothing, with a one-line message in error for a --goto,
// --city or --info name that no catalog holds, or --sensors without usable sensors.
bool RenderChart(const RenderOptions& options, const CalendarTime& now, Surface& surface,
                 std::string& bodies, std::string& error);

}  // namespace halvane
