// The element readers: one satellite in every format read alike, and bad records of each
// format skipped with their place and field while the good ones are kept.
#include "catalog/orbital_elements_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace halvane {
namespace {

// The space station's set of 2008 September 20, a widely reprinted example.
constexpr std::string_view ISS_3LE =
    "ISS (ZARYA)\n"
    "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927\n"
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537\n";

constexpr std::string_view ISS_CSV =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
    "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r\n"
    "ISS (ZARYA),1998-067A,2008-09-20T12:25:40.104192,15.72125391,.0006703,51.6416,247.4627,"
    "130.5360,325.0288,0,U,25544,292,56353,-.11606E-4,-.00002182,0\r\n";

constexpr std::string_view ISS_JSON = R"json([{"OBJECT_NAME":"ISS (ZARYA)","OBJECT_ID":"1998-067A",
  "EPOCH":"2008-09-20T12:25:40.104192","MEAN_MOTION":15.72125391,"ECCENTRICITY":0.0006703,
  "INCLINATION":51.6416,"RA_OF_ASC_NODE":247.4627,"ARG_OF_PERICENTER":130.536,
  "MEAN_ANOMALY":325.0288,"EPHEMERIS_TYPE":0,"CLASSIFICATION_TYPE":"U","NORAD_CAT_ID":25544,
  "ELEMENT_SET_NO":292,"REV_AT_EPOCH":56353,"BSTAR":-1.1606e-5,"MEAN_MOTION_DOT":-2.182e-5,
  "MEAN_MOTION_DDOT":0}])json";

std::string IssXml(std::string_view eccentricity) {
  return R"xml(<?xml version="1.0" encoding="UTF-8"?>
<ndm xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"><omm id="CCSDS_OMM_VERS" version="2.0">
<header><CREATION_DATE/><ORIGINATOR/></header><body><segment><metadata>
<OBJECT_NAME>ISS (ZARYA)</OBJECT_NAME><OBJECT_ID>1998-067A</OBJECT_ID><CENTER_NAME>EARTH</CENTER_NAME>
<REF_FRAME>TEME</REF_FRAME><TIME_SYSTEM>UTC</TIME_SYSTEM><MEAN_ELEMENT_THEORY>SGP4</MEAN_ELEMENT_THEORY>
</metadata><data><meanElements><EPOCH>2008-09-20T12:25:40.104192</EPOCH>
<MEAN_MOTION>15.72125391</MEAN_MOTION><ECCENTRICITY>)xml" +
         std::string(eccentricity) + R"xml(</ECCENTRICITY><INCLINATION>51.6416</INCLINATION>
<RA_OF_ASC_NODE>247.4627</RA_OF_ASC_NODE><ARG_OF_PERICENTER>130.5360</ARG_OF_PERICENTER>
<MEAN_ANOMALY>325.0288</MEAN_ANOMALY></meanElements><tleParameters>
<EPHEMERIS_TYPE>0</EPHEMERIS_TYPE><CLASSIFICATION_TYPE>U</CLASSIFICATION_TYPE>
<NORAD_CAT_ID>25544</NORAD_CAT_ID><ELEMENT_SET_NO>292</ELEMENT_SET_NO>
<REV_AT_EPOCH>56353</REV_AT_EPOCH><BSTAR>-.11606E-4</BSTAR>
<MEAN_MOTION_DOT>-.00002182</MEAN_MOTION_DOT><MEAN_MOTION_DDOT>0</MEAN_MOTION_DDOT>
</tleParameters></data></segment></body></omm></ndm>
)xml";
}

void ExpectIss(const ElementsReadResult& read, const char* format) {
  SCOPED_TRACE(format);
  ASSERT_EQ(read.elements.size(), 1u);
  EXPECT_TRUE(read.messages.empty());
  EXPECT_TRUE(read.error.empty());
  const OrbitalElements& e = read.elements[0];
  EXPECT_EQ(e.name, "ISS (ZARYA)");
  EXPECT_EQ(e.catalogNumber, 25544);
  EXPECT_EQ(e.internationalDesignator, "1998-067A");
  EXPECT_EQ(e.epochJulianDay, 2454729.5);  // 2008 September 20, 0 h UTC
  EXPECT_NEAR(e.epochJulianDayFraction, 0.51782528, 1e-11);
  EXPECT_DOUBLE_EQ(e.meanMotion, 15.72125391);
  EXPECT_DOUBLE_EQ(e.eccentricity, 0.0006703);
  EXPECT_DOUBLE_EQ(e.inclinationDeg, 51.6416);
  EXPECT_DOUBLE_EQ(e.raanDeg, 247.4627);
  EXPECT_DOUBLE_EQ(e.argumentOfPerigeeDeg, 130.536);
  EXPECT_DOUBLE_EQ(e.meanAnomalyDeg, 325.0288);
  EXPECT_DOUBLE_EQ(e.bstar, -0.11606e-4);
  EXPECT_DOUBLE_EQ(e.meanMotionDot, -0.00002182);
  EXPECT_EQ(e.meanMotionDdot, 0.0);
  EXPECT_EQ(e.classification, 'U');
  EXPECT_EQ(e.elementSetNumber, 292);
  EXPECT_EQ(e.revolutionNumber, 56353);
}

void ExpectSkipped(const ElementsReadResult& read, size_t kept,
                   std::initializer_list<const char*> messages) {
  EXPECT_EQ(read.elements.size(), kept);
  ASSERT_EQ(read.messages.size(), messages.size());
  size_t i = 0;
  for (const char* message : messages) EXPECT_EQ(read.messages[i++], message);
}

TEST(OrbitalElementsReader, EveryFormatReadsTheSameSet) {
  ExpectIss(ReadOrbitalElements(ISS_3LE), "3LE");
  ExpectIss(ReadOrbitalElements(ISS_CSV), "CSV");
  ExpectIss(ReadOrbitalElements(ISS_JSON), "JSON");
  ExpectIss(ReadOrbitalElements(IssXml(".0006703")), "XML");
  // CSV columns are found by name, in any order; JSON values may be strings.
  ExpectIss(ReadOrbitalElements(
                "NORAD_CAT_ID,OBJECT_NAME,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,"
                "RA_OF_ASC_NODE,ARG_OF_PERICENTER,MEAN_ANOMALY,BSTAR,MEAN_MOTION_DOT,"
                "MEAN_MOTION_DDOT,OBJECT_ID,ELEMENT_SET_NO,REV_AT_EPOCH\n"
                "25544,\"ISS (ZARYA)\",2008-09-20T12:25:40.104192,15.72125391,.0006703,51.6416,"
                "247.4627,130.5360,325.0288,-.11606E-4,-.00002182,0,1998-067A,292,56353\n"),
            "CSV reordered");
  std::string strings(ISS_JSON);
  strings.replace(strings.find("15.72125391"), 11, "\"15.72125391\"");
  strings.replace(strings.find("25544"), 5, "\"25544\"");
  ExpectIss(ReadOrbitalElements(strings), "JSON strings");
}

TEST(OrbitalElementsReader, TwoLineFieldsDecodeAsPublished) {
  // Alpha-5 number, a 1957 epoch, a second derivative with its implied point and exponent,
  // and a bare two-line set without a name.
  const ElementsReadResult read = ReadOrbitalElements(
      "1 A0001U 57001A   57275.00000000  .00000000  12345-5  00000+0 0  9999\n"
      "2 A0001  65.0000 100.0000 0500000  90.0000 270.0000 14.00000000    14\n");
  ASSERT_EQ(read.elements.size(), 1u);
  const OrbitalElements& e = read.elements[0];
  EXPECT_EQ(e.catalogNumber, 100001);
  EXPECT_EQ(e.name, "");
  EXPECT_EQ(e.internationalDesignator, "1957-001A");
  EXPECT_EQ(e.epochJulianDay, 2436113.5);  // 1957 October 2, 0 h
  EXPECT_DOUBLE_EQ(e.meanMotionDdot, 0.12345e-5);
  EXPECT_DOUBLE_EQ(e.eccentricity, 0.05);
}

TEST(OrbitalElementsReader, BadRecordsAreSkippedWithTheirPlaceAndField) {
  std::string tle(ISS_3LE);
  tle +=
      "ISS BAD SUM\n"
      "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2928\n"
      "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537\n"
      "ISS BAD ECCENTRICITY\n"
      "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927\n"
      "2 25544  51.6416 247.4627 00x6703 130.5360 325.0288 15.72125391563537\n"
      "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927\n";
  ExpectSkipped(ReadOrbitalElements(tle), 1,
                {"line 5: bad checksum of line 1", "line 9: bad eccentricity",
                 "line 10: line 2 of the set is missing"});

  std::string csv(ISS_CSV);
  csv +=
      "BAD,1998-067A,2008-09-20T12:25:40,fast,.0006703,51.6,247.4,130.5,325.0,0,U,25544,1,1,"
      "0,0,0\n"
      "SHORT,1998-067A\n"
      "LATE,1998-067A,2008-13-20T12:25:40,15.7,.0006703,51.6,247.4,130.5,325.0,0,U,25544,1,1,0,"
      "0,0\n";
  ExpectSkipped(ReadOrbitalElements(csv), 1,
                {"line 3: bad MEAN_MOTION", "line 4: bad number of fields (2 for 17 columns)",
                 "line 5: bad EPOCH"});

  std::string json(ISS_JSON);
  json.pop_back();
  json += R"json(,{"OBJECT_NAME":"NO EPOCH","MEAN_MOTION":1,"ECCENTRICITY":0,"INCLINATION":0,
    "RA_OF_ASC_NODE":0,"ARG_OF_PERICENTER":0,"MEAN_ANOMALY":0,"NORAD_CAT_ID":5},
    7,{"EPOCH":"2008-09-20","MEAN_MOTION":-1,"ECCENTRICITY":0,"INCLINATION":0,
    "RA_OF_ASC_NODE":0,"ARG_OF_PERICENTER":0,"MEAN_ANOMALY":0,"NORAD_CAT_ID":5}])json";
  ExpectSkipped(
      ReadOrbitalElements(json), 1,
      {"record 1: bad EPOCH (missing)", "record 2: not an object", "record 3: bad mean motion"});

  std::string xml = IssXml("1.5");
  const std::string good = IssXml(".0006703");
  const size_t goodAt = good.find("<omm");
  const size_t goodEnd = good.find("</omm>") + 6;
  xml.insert(xml.find("</omm>") + 6, good.substr(goodAt, goodEnd - goodAt));
  ExpectSkipped(ReadOrbitalElements(xml), 1, {"record 0: bad eccentricity"});
}

TEST(OrbitalElementsReader, AFileWithoutAUsableSetIsAnError) {
  EXPECT_EQ(ReadOrbitalElements("").error, "the file is empty");
  EXPECT_EQ(ReadOrbitalElements("hello\nworld\n").error, "no element sets found");
  EXPECT_EQ(ReadOrbitalElements("[{\"EPOCH\": }").error, "not valid JSON");
  EXPECT_EQ(ReadOrbitalElements("<ndm><omm>").error.rfind("not valid XML", 0), 0u);
  EXPECT_EQ(ReadOrbitalElements(IssXml("2")).error, "no usable element set (1 skipped)");
  EXPECT_EQ(ReadOrbitalElementsFile("/nonexistent/elements.txt").error,
            "cannot read /nonexistent/elements.txt");
}

}  // namespace
}  // namespace halvane
