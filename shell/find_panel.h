// What Find and the information panel keep between messages: the names Find completes and
// resolves, the star list the panel reads, the panel's object, the name Find turned to until its
// frame is drawn, and where the panel's object stands at the shown moment.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/moment.h"
#include "catalog/satellite_set.h"
#include "catalog/sky_names.h"
#include "catalog/sky_target.h"
#include "catalog/star_list.h"
#include "view/layer_set.h"

namespace halvane {

class FindPanel {
 public:
  // The names of the layers' catalogs and of moment's comets and asteroids, read at the first
  // use.
  const SkyNames& GetSkyNames(const LayerSet& layers, const Moment& moment);
  // Read again at the next use: the comets and asteroids changed.
  void ForgetSkyNames() { skyNames.reset(); }
  const std::vector<StarRecord>& GetStarList(const LayerSet& layers);

  // The names Find offers for text typed so far, a satellite that text names first.
  std::vector<std::u16string> Complete(const SkyNames& names, const SatelliteSet* satellites,
                                       std::u16string_view text) const;
  // The name a text Find did not know may have meant; empty for none.
  std::u16string Suggest(const SkyNames& names, std::u16string_view text) const;

  // What a chosen or typed text names in the sky or among the satellites (see ResolveName).
  std::optional<NamedRef> Resolve(const SkyNames& names, const SatelliteSet* satellites,
                                  std::u16string_view text) const;

  // The object of the information panel: the last one a tap, Find or Tonight named; empty
  // before.
  const std::optional<NamedRef>& GetPanelObject() const { return panelObject; }
  void SetPanelObject(NamedRef object) { panelObject = std::move(object); }
  // A comet, asteroid or satellite of the panel is found again by its name after its list was
  // read anew, since its place in the list may have changed.
  void FindPanelObjectAgain(const SkyNames& names, const SatelliteSet* satellites);
  // Find's name, written at the chart's centre once the frame turned to it is drawn.
  void SetFoundName(std::u16string name) { foundName = std::move(name); }
  const std::u16string& GetFoundName() const { return foundName; }
  std::u16string TakeFoundName() { return std::exchange(foundName, {}); }

  // Where the panel's object stands at moment; looked up again only when the object or the
  // time changed.
  const std::optional<SkyPoint>& MarkedPlace(const SkyNames& names, const Moment& moment);

 private:
  std::unique_ptr<SkyNames> skyNames;
  std::unique_ptr<std::vector<StarRecord>> starList;
  std::optional<NamedRef> panelObject;
  std::u16string foundName;
  std::optional<ObjectRef> markedObject;
  double markedJulianDay = 0.0;
  std::optional<SkyPoint> markedPlace;
};

}  // namespace halvane
