// What a catalog file holds: header and whether its layer accepts it, whole records and
// trailing bytes, coordinate ranges, a magnitude histogram for stars, the names of labels.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace halvane {

enum class CatalogKind {
  Stars,
  Lines,
  Boundaries,
  Labels,
  Cities,
  DeepSky,
  MilkyWay,
  Names,
  SkyNames
};

// The kind a name of CatalogKindNames gives; nothing for anything else.
std::optional<CatalogKind> ParseCatalogKind(std::string_view name);
// Every kind's name ("stars", ..., "sky-names"), joined by separator, for usage texts.
std::string CatalogKindNames(std::string_view separator);

// Prints the report on out and every problem found, one line each, on err. The kind is
// taken from the argument, else from the header's tag, else from the file name. Returns 0 for a
// sound file and 1 for one that cannot be opened, is shorter than its header, has a header its
// layer rejects, an unknown kind, a partial record, or records with coordinates that are not finite
// or out of range, or names without their terminator.
int PrintCatalogInfo(const std::string& path, std::optional<CatalogKind> kind, std::ostream& out,
                     std::ostream& err);

}  // namespace halvane
