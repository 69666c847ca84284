// Positions from NMEA streams: a file with a fix among garbage, files without a fix, a TCP
// stream that stops, one that never ends a line, and names that are no source.
#include "platform/position_source.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

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
  EXPECT_EQ(reading.reason, "the stream sent no NMEA sentence within 1 s");
}

long PeakResidentKib() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Before: the bytes of a line that never ended were all kept (1.5 GB in 25 s); a device
// that is no serial port was said to lack the NMEA plugin.
TEST_F(PositionSourceTest, EndlessLineIsDroppedInBoundedMemoryAndTheFixAfterItFound) {
  constexpr size_t ENDLESS_MIB = 100;
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
  const pid_t server = ::fork();
  ASSERT_GE(server, 0);
  if (server == 0) {
    // Another process, so that what it sends is not held in this one's memory.
    const int connection = ::accept(listener, nullptr, nullptr);
    const std::string chunk(1 << 20, 'x');
    for (size_t i = 0; i < ENDLESS_MIB; ++i) {
      if (::send(connection, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0) ::_exit(1);
    }
    const std::string fix = std::string("\r\n") + FIX + FIX;
    ::send(connection, fix.data(), fix.size(), MSG_NOSIGNAL);
    ::sleep(30);
    ::_exit(0);
  }
  ::close(listener);
  const long before = PeakResidentKib();
  const PositionReading reading =
      ReadPosition("nmea:127.0.0.1:" + std::to_string(ntohs(address.sin_port)), 20000);
  const long grown = PeakResidentKib() - before;
  ::kill(server, SIGKILL);
  ::waitpid(server, nullptr, 0);
  EXPECT_TRUE(reading.found) << reading.reason;
  EXPECT_NEAR(reading.latitude, 35.685, 0.001);
  EXPECT_LT(grown, 30 * 1024) << "KiB more at the peak";

  const PositionReading zero = ReadPosition("nmea:/dev/zero", SHORT_TIMEOUT_MS);
  EXPECT_FALSE(zero.found);
  EXPECT_EQ(zero.reason, "/dev/zero is not a serial device that can be read");
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
