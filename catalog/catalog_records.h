// The record formats of the four catalogs and their little-endian decoders. Each file is a
// DataFileHeader (data_file.h) followed by fixed-size records with no gaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalog/data_file.h"

namespace halvane {

// Stars.dat, tag "STAR", 20-byte records:
//   0  8  double  rightAscension  radians, 0 to 2 pi
//   8  8  double  declination     radians, -pi/2 to pi/2
//   16 2  int16   magnitude       hundredths of a magnitude, smaller is brighter
//   18 2  int16   colorIndex      B-V in hundredths; above 9000: no colour given
constexpr std::string_view STARS_TAG = "STAR";
constexpr size_t STAR_RECORD_SIZE = 20;
constexpr int16_t NO_COLOR_INDEX = 9999;

struct StarRecord {
  double rightAscension;
  double declination;
  int16_t magnitude;
  int16_t colorIndex;
};

// ConLin.dat, tag "COLI", 32-byte records, each an independent segment:
//   0  8  double  rightAscension1
//   8  8  double  declination1
//   16 8  double  rightAscension2
//   24 8  double  declination2
constexpr std::string_view LINES_TAG = "COLI";
constexpr size_t SEGMENT_RECORD_SIZE = 32;

struct ConstellationSegment {
  double rightAscension1;
  double declination1;
  double rightAscension2;
  double declination2;
};

// ConBon.dat, tag "COBO", 18-byte records (so the doubles are unaligned in the file); a run
// of consecutive records with one boundaryId is one polyline:
//   0  8  double  rightAscension
//   8  8  double  declination
//   16 2  uint16  boundaryId
constexpr std::string_view BOUNDARIES_TAG = "COBO";
constexpr size_t VERTEX_RECORD_SIZE = 18;

struct BoundaryVertex {
  double rightAscension;
  double declination;
  uint16_t boundaryId;
};

// Labels.dat, any tag (the builder writes "LABL"), 36-byte records:
//   0  8   double  rightAscension
//   8  8   double  declination
//   16 20  bytes   name, Windows-1252, zero-terminated within the field (19 characters)
constexpr std::string_view LABELS_TAG = "LABL";
constexpr size_t LABEL_RECORD_SIZE = 36;
constexpr size_t LABEL_NAME_BYTES = 20;

struct LabelRecord {
  double rightAscension;
  double declination;
  char name[LABEL_NAME_BYTES];  // may lack a terminator in a damaged file
};

// Decoders read exactly the record size from bytes, which need not be aligned.
// Inline: the star layer decodes every record of every frame.
inline StarRecord DecodeStar(const uint8_t* bytes) {
  return {ReadF64(bytes), ReadF64(bytes + 8), ReadI16(bytes + 16), ReadI16(bytes + 18)};
}
// Single fields of a star record, for passes that pass over most records before decoding them.
inline double StarRightAscensionOf(const uint8_t* bytes) { return ReadF64(bytes); }
inline double StarDeclinationOf(const uint8_t* bytes) { return ReadF64(bytes + 8); }
inline int16_t StarMagnitudeOf(const uint8_t* bytes) { return ReadI16(bytes + 16); }
ConstellationSegment DecodeSegment(const uint8_t* bytes);
BoundaryVertex DecodeVertex(const uint8_t* bytes);
LabelRecord DecodeLabel(const uint8_t* bytes);

// Whether every coordinate of the record is a finite number. A record that fails cannot be
// placed on the sky, and the readers skip it silently.
bool IsFinite(const StarRecord& star);
bool IsFinite(const ConstellationSegment& segment);
bool IsFinite(const BoundaryVertex& vertex);
bool IsFinite(const LabelRecord& label);

void EncodeStar(const StarRecord& star, uint8_t* bytes);
void EncodeSegment(const ConstellationSegment& segment, uint8_t* bytes);
void EncodeVertex(const BoundaryVertex& vertex, uint8_t* bytes);
void EncodeLabel(const LabelRecord& label, uint8_t* bytes);

}  // namespace halvane
