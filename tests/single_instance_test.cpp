// One window per session, through the real program: two starts at the same moment end with one
// window whose settings are kept, and another user who squats the rendezvous neither stops
// Halvane nor hears its knock. The squatters need a second user id: as root the test makes
// them with setuid; otherwise those cases are skipped.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "catalog/data_file.h"
#include "tests/support/build_paths.h"
#include "tests/support/scratch_folder.h"
#include "view/layer_set.h"

namespace halvane {
namespace {

constexpr uid_t STRANGER = 65534;  // nobody
constexpr char NAME[] = "HalvaneWindow-Halvane_v1.2-offscreen-";

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SingleInstance : public test_support::ScratchFolderTest {
 protected:
  // Runs script under sh with PROBE set to the probe and the environment of a session with no
  // runtime folder and TMPDIR as given.
  int Shell(const std::string& script, const std::filesystem::path& temporary) {
    const std::string command = "cd '" + folder.string() + "' && env -u XDG_RUNTIME_DIR TMPDIR='" +
                                temporary.string() + "' QT_QPA_PLATFORM=offscreen PROBE='" +
                                test_support::BuildPath("halvane-shell-probe") + "' sh -c '" +
                                script + "'";
    return std::system(command.c_str());
  }
  std::string Log(const std::string& name) { return ReadText(folder / name); }
};

TEST_F(SingleInstance, TwinStartsEndWithOneWindowAndKeepItsSettings) {
  const char* count = std::getenv("HALVANE_TWIN_PAIRS");
  const int pairs = count != nullptr ? std::atoi(count) : 3;
  const std::filesystem::path data = folder / "data";
  int oneWindow = 0;
  for (int pair = 0; pair < pairs; ++pair) {
    std::filesystem::remove_all(data);
    std::filesystem::create_directory(data);
    // One switches the equatorial grid on, the other the boundaries.
    ASSERT_EQ(Shell("$PROBE --scope twin --data data --hold 2 --command 40009 >a.log 2>&1 & "
                    "$PROBE --scope twin --data data --hold 2 --command 40012 >b.log 2>&1 & wait",
                    folder),
              0);
    const std::string a = Log("a.log");
    const std::string b = Log("b.log");
    const bool aShown = a.find("first-frame") != std::string::npos;
    const bool bShown = b.find("first-frame") != std::string::npos;
    EXPECT_NE(aShown, bShown) << "pair " << pair << ":\n" << a << "\n" << b;
    EXPECT_NE((aShown ? b : a).find("already-running"), std::string::npos);
    std::ifstream in(data / "Config.dat", std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    ASSERT_GE(bytes.size(), 48u);
    const uint16_t flags = ReadU16(bytes.data() + 28);
    EXPECT_EQ((flags & LAYER_EQUATORIAL_GRID) != 0, aShown) << "pair " << pair;
    EXPECT_EQ((flags & LAYER_CONSTELLATION_BOUNDARIES) != 0, bShown) << "pair " << pair;
    oneWindow += aShown != bShown;
  }
  std::printf("%d of %d simultaneous pairs: one window\n", oneWindow, pairs);
}

// Another user listening at path, counting what reaches it: 'c' for each connection and 'b'
// for each read with bytes, written to a pipe.
struct Squatter {
  pid_t pid = -1;
  int report = -1;

  // bindFirst: binds (creating the socket file) before leaving root, so the socket can sit in
  // a folder only root and the victim may enter; the server is the stranger's all the same.
  void Start(const std::string& path, bool bindFirst) {
    int ready[2];
    int counts[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(counts), 0);
    pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
      const auto bind = [&] {
        return ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
      };
      if (bindFirst && !bind()) ::_exit(1);
      if (::setgid(STRANGER) != 0 || ::setuid(STRANGER) != 0) ::_exit(1);
      if (!bindFirst && !bind()) ::_exit(1);
      if (::listen(server, 8) != 0) ::_exit(1);
      if (::write(ready[1], "r", 1) != 1) ::_exit(1);
      for (;;) {
        const int connection = ::accept(server, nullptr, nullptr);
        if (connection < 0) continue;
        if (::write(counts[1], "c", 1) != 1) ::_exit(1);
        char buffer[64];
        pollfd wait{connection, POLLIN, 0};
        while (::poll(&wait, 1, 1000) > 0 && ::read(connection, buffer, sizeof buffer) > 0) {
          if (::write(counts[1], "b", 1) != 1) ::_exit(1);
        }
        ::close(connection);
      }
    }
    ::close(ready[1]);
    ::close(counts[1]);
    report = counts[0];
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1) << "the squatter could not listen at " << path;
    ::close(ready[0]);
  }

  // Ends the squatter; returns what it counted.
  std::string Stop() {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    std::string seen;
    char c = 0;
    while (::read(report, &c, 1) == 1) seen += c;
    ::close(report);
    return seen;
  }
};

TEST_F(SingleInstance, AnotherUsersSquatNeitherStopsHalvaneNorHearsIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to squat as a second user id";
  // A shared temporary folder, as /tmp is.
  const std::filesystem::path shared = folder / "tmp";
  std::filesystem::create_directory(shared);
  ::chmod(shared.c_str(), 01777);
  ::chmod(folder.c_str(), 0755);
  const std::filesystem::path rendezvous = shared / ("halvane-" + std::to_string(::geteuid()));
  const std::string socketPath = (rendezvous / (std::string(NAME) + "s.socket")).string();

  // The stranger made the user's folder first and listens in it.
  ASSERT_EQ(::mkdir(rendezvous.c_str(), 0777), 0);
  ASSERT_EQ(::chown(rendezvous.c_str(), STRANGER, STRANGER), 0);
  ::chmod(rendezvous.c_str(), 0777);
  Squatter squatter;
  squatter.Start(socketPath, false);
  EXPECT_EQ(Shell("$PROBE --scope s --window >a.log 2>a.err", shared), 0);
  EXPECT_NE(Log("a.log").find("first-frame"), std::string::npos) << Log("a.err");
  EXPECT_NE(Log("a.err").find("someone else's"), std::string::npos) << Log("a.err");
  EXPECT_EQ(squatter.Stop(), "") << "the stranger heard from Halvane";

  // A plain file of the stranger's at the folder's name.
  std::filesystem::remove_all(rendezvous);
  std::ofstream(rendezvous).put('x');
  ASSERT_EQ(::chown(rendezvous.c_str(), STRANGER, STRANGER), 0);
  EXPECT_EQ(Shell("$PROBE --scope s --window >b.log 2>&1", shared), 0);
  EXPECT_NE(Log("b.log").find("first-frame"), std::string::npos) << Log("b.log");

  // A stranger's server inside the user's own folder: with the lock free, Halvane takes the
  // name over; a later start then finds Halvane, not the stranger.
  std::filesystem::remove_all(rendezvous);
  ASSERT_EQ(::mkdir(rendezvous.c_str(), 0700), 0);
  squatter.Start(socketPath, true);
  EXPECT_EQ(Shell("$PROBE --scope s --hold 4 >c.log 2>&1 & "
                  "for i in $(seq 200); do grep -q first-frame c.log && break; sleep 0.05; done; "
                  "$PROBE --scope s --window >d.log 2>&1; wait",
                  shared),
            0);
  EXPECT_NE(Log("c.log").find("first-frame"), std::string::npos) << Log("c.log");
  EXPECT_NE(Log("d.log").find("already-running"), std::string::npos) << Log("d.log");
  EXPECT_EQ(squatter.Stop(), "");

  // The same while a copy of the user's own holds the lock and is stuck: Halvane looks at who
  // answers and never knocks on the stranger's door.
  squatter.Start(socketPath, true);
  const std::string lockPath = (rendezvous / (std::string(NAME) + "s.lock")).string();
  const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);
  EXPECT_EQ(Shell("$PROBE --scope s --window >e.log 2>e.err", shared), 0);
  ::close(lock);
  EXPECT_EQ(Log("e.log").find("first-frame"), std::string::npos) << "a second window";
  EXPECT_NE(Log("e.err").find("another user's server"), std::string::npos) << Log("e.err");
  const std::string heard = squatter.Stop();
  EXPECT_EQ(heard.find('b'), std::string::npos) << "the knock reached the stranger";
}

}  // namespace
}  // namespace halvane
