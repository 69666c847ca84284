// Setting up and drawing halvane-render's chart.
#include "tools/render_chart.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "astro/observer.h"
#include "astro/sidereal_time.h"
#include "catalog/picked_label.h"
#include "platform/app_paths.h"
#include "platform/files.h"
#include "shell/config_file.h"
#include "view/go_to_table.h"
#include "view/sky_view.h"
#include "view/view_directions.h"

namespace halvane {

namespace {

// Zoom stops at its limits after at most six steps and rotation repeats after 24, so a
// huge count needs no more steps than these.
constexpr int32_t MAX_ZOOM_STEPS = 8;
constexpr int32_t ROTATION_STEPS_PER_TURN = 24;

void ApplyZoom(SkyView& view, int32_t steps) {
  const int32_t count = std::clamp(steps, -MAX_ZOOM_STEPS, MAX_ZOOM_STEPS);
  for (int32_t i = 0; i < std::abs(count); ++i) {
    if (count > 0) {
      view.ZoomIn();
    } else {
      view.ZoomOut();
    }
  }
}

void ApplyRotation(Observer& observer, int32_t steps) {
  const int32_t count = steps % ROTATION_STEPS_PER_TURN;
  for (int32_t i = 0; i < std::abs(count); ++i) {
    if (count > 0) {
      observer.RotateClockwise();
    } else {
      observer.RotateCounterClockwise();
    }
  }
}

void ApplyPan(SkyView& view, const std::string& keys) {
  for (const char key : keys) {
    switch (key) {
      case 'l': view.PanLeft(); break;
      case 'r': view.PanRight(); break;
      case 'u': view.PanUp(); break;
      case 'd': view.PanDown(); break;
      default: break;  // the options allow no other letter
    }
  }
}

void DrawLabel(Surface& surface, const PickedLabel& label, const Rect& chart) {
  if (label.x == 0 || label.y == 0) return;
  const std::u16string_view name(
      label.name, std::find(label.name, label.name + LABEL_NAME_UNITS, u'\0') - label.name);
  surface.SetTextColor(LABEL_COLOR);
  surface.SetTransparentBackground();
  surface.DrawText(name, Rect{label.x, label.y, chart.right, chart.bottom},
                   TEXT_LEFT | TEXT_NOCLIP);
}

}  // namespace

void RenderChart(const RenderOptions& options, const SYSTEMTIME& now, Surface& surface) {
  const AppFiles files = options.dataDirectory.empty() ? LocateAppFiles(ExecutableDirectory())
                                                       : AppFilesIn(options.dataDirectory);
  const std::string& folder = files.catalogFolder;
  ConfigRecord config;
  LoadConfig(files.configLoadPath, config);

  Observer observer;
  observer.SetLocation(options.longitude.value_or(config.longitude),
                       options.latitude.value_or(config.latitude));
  const SYSTEMTIME time = options.time.value_or(now);
  const double siderealAngle = SiderealTimeAt(time, observer.GetLongitude());

  if (options.goTo != nullptr) {
    GoToConstellation(observer, *options.goTo, siderealAngle);
  } else {
    const ViewDirection& aim = options.view != nullptr ? *options.view : VIEW_ZENITH;
    observer.SetViewDirection(aim.azimuth, aim.altitude);
  }

  const Rect chart{0, 0, options.width, options.height};
  SkyView view(chart, &observer);
  view.starsPath = folder + "Stars.dat";
  view.linesPath = folder + "ConLin.dat";
  view.boundariesPath = folder + "ConBon.dat";
  view.labelsPath = folder + "Labels.dat";
  const uint16_t flags = options.layerFlags.value_or(config.layerFlags);
  view.showEquatorialGrid = (flags & LAYER_EQUATORIAL_GRID) != 0;
  view.showHorizontalGrid = (flags & LAYER_HORIZONTAL_GRID) != 0;
  view.showConstellationLines = (flags & LAYER_CONSTELLATION_LINES) != 0;
  view.showConstellationBoundaries = (flags & LAYER_CONSTELLATION_BOUNDARIES) != 0;

  ApplyZoom(view, options.zoomSteps);
  ApplyRotation(observer, options.rotateSteps);
  ApplyPan(view, options.pan);

  DiscardSurface progress;
  view.DrawFrame(surface, progress, siderealAngle);

  if (!options.tap) return;
  PickedLabel label;
  view.IdentifyObject(label, options.tap->x, options.tap->y, siderealAngle);
  DrawLabel(surface, label, chart);
}

}  // namespace halvane
