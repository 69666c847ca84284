// What Find and the information panel keep between messages: the names Find completes, the
// star list the panel reads, the panel's object, the name Find turned to until its frame is
// drawn, and where the panel's object stands at the shown moment.
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

  // The object of the information panel: the last one a tap or Find named; empty before.
  const std::u16string& GetPanelObject() const { return panelObject; }
  void SetPanelObject(std::u16string_view name) { panelObject = name; }
  // Find's name, written at the chart's centre once the frame turned to it is drawn.
  void SetFoundName(std::u16string name) { foundName = std::move(name); }
  const std::u16string& GetFoundName() const { return foundName; }
  std::u16string TakeFoundName() { return std::exchange(foundName, {}); }

  // Where the panel's object stands at moment; looked up again only when the object or the
  // time changed.
  const std::optional<SkyTarget>& MarkedTarget(const SkyNames& names, const Moment& moment);

 private:
  std::unique_ptr<SkyNames> skyNames;
  std::unique_ptr<std::vector<StarRecord>> starList;
  std::u16string panelObject;
  std::u16string foundName;
  std::u16string markedName;
  double markedJulianDay = 0.0;
  std::optional<SkyTarget> markedTarget;
};

}  // namespace halvane
