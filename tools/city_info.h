// What halvane-catalog info says of Cities.dat: counts, coordinate and population ranges,
// the most populous cities, the time zones, and the records its reader skips.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "catalog/data_file.h"

namespace halvane {

// Reads the rest of the file's records (of that file version) and prints the report on out.
// Returns how many records the reader skips as unusable.
size_t ReportCities(RecordFile& file, uint16_t version, std::ostream& out);

}  // namespace halvane
