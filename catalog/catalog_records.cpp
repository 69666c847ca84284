// Field-by-field little-endian decoding and encoding of the catalog records.
#include "catalog/catalog_records.h"

#include <cmath>
#include <cstring>

#include "catalog/data_file.h"

namespace halvane {

ConstellationSegment DecodeSegment(const uint8_t* bytes) {
  return {ReadF64(bytes), ReadF64(bytes + 8), ReadF64(bytes + 16), ReadF64(bytes + 24)};
}

BoundaryVertex DecodeVertex(const uint8_t* bytes) {
  return {ReadF64(bytes), ReadF64(bytes + 8), ReadU16(bytes + 16)};
}

LabelRecord DecodeLabel(const uint8_t* bytes) {
  LabelRecord label{ReadF64(bytes), ReadF64(bytes + 8), {}};
  std::memcpy(label.name, bytes + 16, LABEL_NAME_BYTES);
  return label;
}

bool IsFinite(const StarRecord& star) {
  return std::isfinite(star.rightAscension) && std::isfinite(star.declination);
}

bool IsFinite(const ConstellationSegment& segment) {
  return std::isfinite(segment.rightAscension1) && std::isfinite(segment.declination1) &&
         std::isfinite(segment.rightAscension2) && std::isfinite(segment.declination2);
}

bool IsFinite(const BoundaryVertex& vertex) {
  return std::isfinite(vertex.rightAscension) && std::isfinite(vertex.declination);
}

bool IsFinite(const LabelRecord& label) {
  return std::isfinite(label.rightAscension) && std::isfinite(label.declination);
}

void EncodeStar(const StarRecord& star, uint8_t* bytes) {
  WriteF64(star.rightAscension, bytes);
  WriteF64(star.declination, bytes + 8);
  WriteI16(star.magnitude, bytes + 16);
  WriteI16(star.colorIndex, bytes + 18);
}

void EncodeSegment(const ConstellationSegment& segment, uint8_t* bytes) {
  WriteF64(segment.rightAscension1, bytes);
  WriteF64(segment.declination1, bytes + 8);
  WriteF64(segment.rightAscension2, bytes + 16);
  WriteF64(segment.declination2, bytes + 24);
}

void EncodeVertex(const BoundaryVertex& vertex, uint8_t* bytes) {
  WriteF64(vertex.rightAscension, bytes);
  WriteF64(vertex.declination, bytes + 8);
  WriteU16(vertex.boundaryId, bytes + 16);
}

void EncodeLabel(const LabelRecord& label, uint8_t* bytes) {
  WriteF64(label.rightAscension, bytes);
  WriteF64(label.declination, bytes + 8);
  std::memcpy(bytes + 16, label.name, LABEL_NAME_BYTES);
}

}  // namespace halvane
