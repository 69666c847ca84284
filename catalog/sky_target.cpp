// Finding a named object's place.
#include "catalog/sky_target.h"

#include "astro/angles.h"
#include "view/go_to_table.h"

namespace halvane {

std::optional<SkyTarget> FindSkyTarget(const SkyNames& names, std::string_view text,
                                       const Moment& moment) {
  const std::vector<NameMatch> matches = names.index.Complete(text, 1);
  if (matches.empty()) return std::nullopt;
  const NameEntry& entry = names.index.Entries()[matches.front().entry];
  switch (entry.kind) {
    case NameKind::Label: {
      if (entry.index >= names.labels.size()) return std::nullopt;
      const LabelRecord& label = names.labels[entry.index];
      return SkyTarget{entry.name, label.rightAscension * RAD_TO_HOURS,
                       label.declination * RAD_TO_DEG};
    }
    case NameKind::Constellation: {
      const GoToRow* row = GoToRowAt(static_cast<int32_t>(entry.index));
      if (row == nullptr) return std::nullopt;
      return SkyTarget{row->name, row->rightAscensionHours, row->declinationDegrees};
    }
    case NameKind::Body: {
      if (entry.index >= static_cast<uint32_t>(BODY_COUNT)) return std::nullopt;
      const BodyPlace& place = moment.GetBodies()[entry.index];
      if (!place.available) return std::nullopt;
      return SkyTarget{entry.name, place.rightAscension * RAD_TO_HOURS,
                       place.declination * RAD_TO_DEG};
    }
    case NameKind::Object: {
      if (entry.index >= names.objects.size()) return std::nullopt;
      const NamedObject& object = names.objects[entry.index];
      return SkyTarget{object.shown, object.record.rightAscension * RAD_TO_HOURS,
                       object.record.declination * RAD_TO_DEG};
    }
    case NameKind::MinorBody: {
      if (entry.index == NO_MINOR_BODY_ELEMENTS) return SkyTarget{entry.name, 0.0, 0.0, false};
      const std::vector<MinorBodyPlace>& places = moment.GetMinorBodies();
      if (entry.index >= places.size() || !places[entry.index].available) return std::nullopt;
      const MinorBodyPlace& place = places[entry.index];
      return SkyTarget{entry.name, place.rightAscension * RAD_TO_HOURS,
                       place.declination * RAD_TO_DEG};
    }
    case NameKind::City: break;
  }
  return std::nullopt;
}

}  // namespace halvane
