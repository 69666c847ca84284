// Positions from NMEA streams through Qt Positioning's own NMEA plugin: a file with a fix
// among garbage, files without a fix, a TCP stream that stops, and names that are no source.
#include "platform/position_source.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <string>

#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

using test_support::ScratchFolderTest;

// Long enough for the plugin to read a small file, short enough for a test.
constexpr int32_t SHORT_TIMEOUT_MS = 600;

// Tokyo, 35 deg 41.100' N 139 deg 46.000' E, as a receiver writes it (checksums valid).
constexpr char FIX[] =
    "$GPGGA,123519,3541.100,N,13946.000,E,1,08,0.9,545.4,M,46.9,M,,*4E\r\n"
    "$GPRMC,123519,A,3541.100,N,13946.000,E,000.0,000.0,091226,,*15\r\n";
// A receiver that sees no satellites: GGA quality 0, RMC status V.
constexpr char NO_FIX[] =
    "$GPGGA,123519,,,,,0,00,,,M,,M,,*6B\r\n"
    "$GPRMC,123519,V,,,,,,,091226,,*32\r\n";
constexpr char GARBAGE[] =
    "hello\r\n$GPGGA,garbage*00\r\n\x01\x02\xff\r\n$GPRMC,1,A,99,X,,,*7F\r\n";

class PositionSourceTest : public ScratchFolderTest {
 protected:
  std::string WriteText(const std::string& name, const std::string& text) {
    return Write(name, std::vector<uint8_t>(text.begin(), text.end()));
  }
};

TEST_F(PositionSourceTest, NmeaFileGivesItsFixPastGarbage) {
  const std::string file = WriteText("fix.nmea", std::string(GARBAGE) + FIX);
  const PositionReading reading = ReadPosition("nmea:" + file, SHORT_TIMEOUT_MS);
  ASSERT_TRUE(reading.found) << reading.reason;
  // 3541.100 is 35 + 41.1/60 degrees; the plugin keeps the minutes' digits.
  EXPECT_NEAR(reading.latitude, 35.685, 1e-9);
  EXPECT_NEAR(reading.eastLongitude, 139.0 + 46.0 / 60.0, 1e-9);
}

TEST_F(PositionSourceTest, StreamsWithoutFixSayWhyWithinTheirTime) {
  for (const std::string& text : {std::string(NO_FIX), std::string(GARBAGE), std::string()}) {
    const std::string file = WriteText("none.nmea", text);
    const PositionReading reading = ReadPosition("nmea:" + file, SHORT_TIMEOUT_MS);
    EXPECT_FALSE(reading.found);
    EXPECT_EQ(reading.reason, "no position fix within 1 s") << text;
  }
}

TEST_F(PositionSourceTest, TcpStreamThatStopsTimesOut) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
    // Half a sentence, then silence with the connection held open.
    server.nextPendingConnection()->write("$GPGGA,123519,3541.1");
  });
  const std::string source = "nmea:127.0.0.1:" + std::to_string(server.serverPort());
  const PositionReading reading = ReadPosition(source, SHORT_TIMEOUT_MS);
  EXPECT_FALSE(reading.found);
  EXPECT_EQ(reading.reason, "no position fix within 1 s");
}

TEST_F(PositionSourceTest, NamesThatAreNoSourceAreRefusedWithAReason) {
  std::string reason;
  EXPECT_TRUE(CheckPositionSource("", reason));
  EXPECT_TRUE(CheckPositionSource("nmea:localhost:2947", reason));
  EXPECT_FALSE(CheckPositionSource("gps", reason));
  EXPECT_EQ(reason, "expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got 'gps'");
  EXPECT_FALSE(CheckPositionSource("nmea:", reason));
  EXPECT_FALSE(CheckPositionSource("nmea:/dev/halvane-no-such-tty", reason));
  EXPECT_EQ(reason, "no such serial device: /dev/halvane-no-such-tty");

  const PositionReading reading = ReadPosition("nmea:" + scratch.File("missing"), 100);
  EXPECT_FALSE(reading.found);
  EXPECT_EQ(reading.reason, "no such NMEA file: " + scratch.File("missing"));
}

TEST_F(PositionSourceTest, EndedRequestNeverAnswers) {
  const std::string file = WriteText("fix.nmea", FIX);
  bool answered = false;
  {
    const PositionRequest request("nmea:" + file, SHORT_TIMEOUT_MS,
                                  [&answered](const PositionReading&) { answered = true; });
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(answered);
}

}  // namespace
}  // namespace halvane
