// Orbit Mean-Elements Messages (CCSDS 502.0-B) as CelesTrak publishes them: CSV with a header
// line, JSON (an array of objects) and XML (<ndm><omm>...), all with the keys OBJECT_NAME,
// OBJECT_ID, EPOCH, MEAN_MOTION, ECCENTRICITY, INCLINATION, RA_OF_ASC_NODE,
// ARG_OF_PERICENTER, MEAN_ANOMALY, EPHEMERIS_TYPE, CLASSIFICATION_TYPE, NORAD_CAT_ID,
// ELEMENT_SET_NO, REV_AT_EPOCH, BSTAR, MEAN_MOTION_DOT and MEAN_MOTION_DDOT, in the units of
// a two-line set (degrees, rev/day, n-dot / 2 and n-ddot / 6).
#pragma once

#include <string_view>

#include "catalog/orbital_elements_reader.h"

namespace halvane {

// Each appends every record of the text to result, with a message for each one skipped
// (its line for CSV, its index from 0 for JSON and XML, and the field).
void ReadOmmCsv(std::string_view text, ElementsReadResult& result);
void ReadOmmJson(std::string_view text, ElementsReadResult& result);
void ReadOmmXml(std::string_view text, ElementsReadResult& result);

}  // namespace halvane
