// "Update satellites" against a local server with real sockets and Qt Network: every failure
// keeps the old file and says so once; the rules hold back what was asked for too lately.
#include <QTcpServer>
#include <QTcpSocket>
#include <map>

#include "platform/utf8_text.h"
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

constexpr char STATIONS_CSV[] =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
    "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r\n"
    "ISS (ZARYA),1998-067A,2008-09-20T12:25:40.104192,15.72125391,.0006703,51.6416,247.4627,"
    "130.5360,325.0288,0,U,25544,292,56353,-.11606E-4,-.00002182,0\r\n";

QByteArray Answer(const QByteArray& status, const QByteArray& body, qint64 announced = -1) {
  return "HTTP/1.1 " + status +
         "\r\nContent-Length: " + QByteArray::number(announced < 0 ? body.size() : announced) +
         "\r\nConnection: close\r\n\r\n" + body;
}

// Answers each group with what the test set; no answer at all for an empty one.
class ElementServer : public QTcpServer {
 public:
  ElementServer() {
    connect(this, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
      }
    });
    listen(QHostAddress::LocalHost);
  }
  std::map<QByteArray, QByteArray> answers;  // by group
  std::map<QByteArray, int> requests;
  QByteArray userAgent;

 private:
  void Serve(QTcpSocket* socket) {
    const QByteArray request = socket->readAll();
    const QByteArray group = request.contains("GROUP=stations") ? "stations" : "visual";
    ++requests[group];
    const qsizetype agent = request.indexOf("User-Agent: ");
    userAgent = request.mid(agent + 12, request.indexOf("\r\n", agent) - agent - 12);
    const QByteArray& answer = answers[group];
    if (answer.isEmpty()) return;
    socket->write(answer);
    // A body shorter than announced ends with the connection.
    socket->disconnectFromHost();
  }
};

class ElementUpdatesTest : public ShellTest {
 protected:
  std::string CacheFile(const std::string& name) const {
    return (folder / "cache" / "halvane" / name).string();
  }
  std::string Text(const std::string& name) const {
    const std::vector<uint8_t> bytes = ReadFile(CacheFile(name));
    return {bytes.begin(), bytes.end()};
  }
  // Runs "Update satellites" to its end; returns what the caption said.
  std::string Update(MainWindow& w) {
    Choose(COMMAND_UPDATE_SATELLITES);
    EXPECT_TRUE(QTest::qWaitFor([&w] { return !w.IsUpdatingElements(); }, 20000));
    return Utf16ToUtf8(w.CaptionText());
  }
};

TEST_F(ElementUpdatesTest, EachFailureKeepsTheOldFileAndSaysWhyOnce) {
  ElementServer server;
  ASSERT_TRUE(server.isListening());
  setenv("HALVANE_ELEMENTS_URL",
         ("http://127.0.0.1:" + std::to_string(server.serverPort())).c_str(), 1);
  std::filesystem::create_directories(folder / "cache" / "halvane");
  std::ofstream(CacheFile("satellites-stations.csv")) << "old";
  MainWindow& w = Start();
  w.SetElementStallForTesting(1000);
  const QByteArray good = STATIONS_CSV;
  server.answers["visual"] = Answer("200 OK", good);

  struct Case {
    const char* name;
    QByteArray answer;
    const char* said;
  };
  const Case cases[] = {
      {"404", Answer("404 Not Found", "gone"),
       "stations: the server answered 404 Not Found; not asked again for 24 hours"},
      {"500", Answer("500 Internal Server Error", "oops"), "the server answered 500"},
      {"stalled", QByteArray(), "stations: no answer within 1 s"},
      {"truncated", Answer("200 OK", good.left(100), good.size()),
       "stations: the download broke off after 100 of"},
      {"too large", Answer("200 OK", good, 9 * 1024 * 1024), "stations: larger than 8 MB"},
      {"not elements", Answer("200 OK", "<html>Welcome</html>"),
       "stations: the answer holds no usable orbital elements"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(CacheFile(FETCH_STATE_FILE));
    server.answers["stations"] = c.answer;
    const std::string said = Update(w);
    EXPECT_EQ(said.find(c.said), said.rfind(c.said)) << said;  // exactly once
    EXPECT_NE(said.find(c.said), std::string::npos) << said;
    EXPECT_NE(said.find("the old elements are kept"), std::string::npos) << said;
    EXPECT_EQ(Text("satellites-stations.csv"), "old");
    EXPECT_EQ(Text("satellites-visual.csv"), STATIONS_CSV);  // the other group still came
  }
  EXPECT_EQ(server.userAgent.left(12), "Halvane/1.2 ");

  // After a refusal and a fetch just made, neither group is asked for again.
  std::filesystem::remove(CacheFile(FETCH_STATE_FILE));
  server.answers["stations"] = Answer("404 Not Found", "gone");
  Update(w);
  const int asked = server.requests["stations"] + server.requests["visual"];
  server.answers["stations"] = Answer("200 OK", good);
  const std::string said = Update(w);
  EXPECT_EQ(server.requests["stations"] + server.requests["visual"], asked);
  EXPECT_NE(said.find("stations was refused by the server; not asked again before"),
            std::string::npos)
      << said;
  EXPECT_NE(said.find("visual was fetched less than 2 hours ago"), std::string::npos) << said;

  // A whole answer replaces the file.
  std::filesystem::remove(CacheFile(FETCH_STATE_FILE));
  EXPECT_EQ(Update(w).rfind("Updated satellites", 0), 0u);  // the time follows
  EXPECT_EQ(Text("satellites-stations.csv"), STATIONS_CSV);

  // Plain http elsewhere than this machine is refused before any request.
  setenv("HALVANE_ELEMENTS_URL", "http://example.org", 1);
  EXPECT_NE(Update(w).find("must be https"), std::string::npos);
  unsetenv("HALVANE_ELEMENTS_URL");
}

TEST_F(ElementUpdatesTest, ImportTakesEitherKindAndRefusesOtherFiles) {
  MainWindow& w = Start();
  const std::string comet =
      "    CJ95O010  1997 03 29.6333  0.916241  0.994928  130.6448  283.3593   88.9908  20200224  "
      "-2.0  4.0  C/1995 O1 (Hale-Bopp)                                    MPC106342\n";
  const std::string cometPath =
      Write("comets 2024?.txt", std::vector<uint8_t>(comet.begin(), comet.end()));
  EXPECT_EQ(Utf16ToUtf8(w.ImportElementFile(cometPath)),
            "Imported 1 comet or asteroid as imported-comets_2024_.txt");
  EXPECT_EQ(Text("imported-comets_2024_.txt"), comet);
  const std::string junk = Write("junk.txt", std::vector<uint8_t>{'h', 'i', '\n'});
  EXPECT_NE(Utf16ToUtf8(w.ImportElementFile(junk)).find("no usable orbital elements"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(CacheFile("imported-junk.txt")));
}

}  // namespace
}  // namespace halvane::test_support
