// The single-instance rendezvous: flock on a lock file and a Unix socket beside it. The socket
// is plain POSIX under a QSocketNotifier, so the program does not load a network library.
#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>
#include <utility>

#include "platform/native_window.h"
#include "platform/printable_text.h"
#include "platform/translate.h"

namespace halvane {

struct SessionClaim::State {
  int lockFd = -1;
  std::string lockPath;
  int listenFd = -1;
  std::string socketPath;
  QPointer<QSocketNotifier> notifier;
  QPointer<NativeWindow> window;
};

namespace {

constexpr int CONNECT_TIMEOUT_MS = 500;
// How long a start waits for an owner that holds the lock but is not listening yet.
constexpr auto OWNER_ANSWER_TIMEOUT = std::chrono::seconds(5);
constexpr auto RETRY_PAUSE = std::chrono::milliseconds(20);
constexpr size_t SESSION_NAME_BYTES = 40;
constexpr char KNOCK[] = "foreground\n";

void Warn(const std::string& text) {
  std::fprintf(stderr, "halvane: %s\n", PrintableText(text).c_str());
}

// A folder, not a link, of this user's own that no one else may enter. Its rights are never
// changed: a runtime folder that is wider may be shared, and narrowing it would lock others out.
bool IsPrivateFolder(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return false;
  return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// The private folder halvane-UID inside parent, made when missing; empty when it cannot be.
std::string PrivateFolderIn(const std::string& parent) {
  const std::string folder = parent + "/halvane-" + std::to_string(::geteuid());
  ::mkdir(folder.c_str(), 0700);
  return IsPrivateFolder(folder) ? folder : std::string();
}

std::string Sanitised(const std::string& text) {
  std::string name = text.substr(0, SESSION_NAME_BYTES);
  for (char& c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_' || c == ':';
    if (!plain) c = '_';
  }
  return name;
}

std::string InstanceBasePath(const std::string& folder, const std::string& className,
                             const std::string& title, const std::string& scope) {
  std::string name = Sanitised(className) + "-" + Sanitised(title) + "-" + SessionName();
  if (!scope.empty()) name += "-" + Sanitised(scope);
  return folder + "/" + name;
}

enum class LockResult { Taken, Held, Unusable };

// Takes the lock file's lock without waiting. The owner before us may remove the file between
// our open and our lock: a lock on a file no longer at its name guards nothing, so it counts
// as held and the caller tries again.
LockResult TryLock(const std::string& path, int& fd) {
  fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return LockResult::Unusable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? LockResult::Held : LockResult::Unusable;
  }
  struct stat locked {};
  struct stat named {};
  if (::fstat(fd, &locked) == 0 && ::lstat(path.c_str(), &named) == 0 &&
      locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
    return LockResult::Taken;
  }
  ::close(fd);
  return LockResult::Held;
}

bool PeerIsThisUser(int fd) {
#ifdef SO_PEERCRED
  struct ucred credentials {};
  socklen_t length = sizeof credentials;
  if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) return false;
  return credentials.uid == ::geteuid();
#else
  uid_t user = 0;
  gid_t group = 0;
  return ::getpeereid(fd, &user, &group) == 0 && user == ::geteuid();
#endif
}

enum class KnockResult { Answered, Absent, Foreign };

// The caller has checked that path fits.
sockaddr_un SocketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

KnockResult Knock(const std::string& socketPath) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return KnockResult::Absent;
  // A server whose backlog is full makes connect wait, at most this long.
  const timeval timeout{0, CONNECT_TIMEOUT_MS * 1000};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  const sockaddr_un address = SocketAddress(socketPath);
  KnockResult result = KnockResult::Absent;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    result = PeerIsThisUser(fd) ? KnockResult::Answered : KnockResult::Foreign;
    // The connection is the knock; the server may have closed it before this arrives.
    if (result == KnockResult::Answered) ::send(fd, KNOCK, sizeof KNOCK - 1, MSG_NOSIGNAL);
  }
  ::close(fd);
  return result;
}

// The lock is ours, so whatever lies at the socket's name is a leftover (or a stranger's):
// it is replaced.
void Listen(SessionClaim::State& claim, const std::string& socketPath) {
  ::unlink(socketPath.c_str());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const sockaddr_un address = SocketAddress(socketPath);
  if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::chmod(socketPath.c_str(), 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
    //: %1 is a socket, %2 the system's reason
    Warn(FillArgs(Words::Tr("cannot listen on %1: %2; later starts will not find this window"),
                  {socketPath, std::strerror(errno)}));
    if (fd >= 0) ::close(fd);
    return;
  }
  claim.listenFd = fd;
  claim.socketPath = socketPath;
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
  claim.notifier = notifier;
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd, &claim] {
    for (int connection = 0; (connection = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
      ::close(connection);
      // A box open over the window (or left after it, asking about the last save) is what
      // the user must see.
      if (QWidget* box = QApplication::activeModalWidget()) {
        box->show();
        box->raise();
        box->activateWindow();
        continue;
      }
      const QPointer<NativeWindow>& window = claim.window;
      if (window && !window->destroyed) BringToForeground(window);
    }
  });
}

}  // namespace

std::string InstanceFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') {
    if (IsPrivateFolder(runtime)) return runtime;
    std::string folder = PrivateFolderIn(runtime);
    if (folder.empty()) {
      std::error_code error;
      const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
      if (!error) folder = PrivateFolderIn(temporary.string());
    }
    //: %1 is a folder
    Warn(FillArgs(folder.empty() ? Words::Tr("the runtime folder %1 is not private to this user; "
                                             "no folder of its own found")
                                 : Words::Tr("the runtime folder %1 is not private to this user; "
                                             "using %2"),
                  {runtime, folder}));
    return folder;
  }
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) return {};
  return PrivateFolderIn(temporary.string());
}

std::string SessionName() {
  const QString platform = QGuiApplication::platformName();
  const char* display = nullptr;
  if (platform == QStringLiteral("wayland")) {
    display = std::getenv("WAYLAND_DISPLAY");
    if (display == nullptr || display[0] == '\0') display = "wayland-0";
  } else if (platform == QStringLiteral("xcb")) {
    display = std::getenv("DISPLAY");
  }
  if (display == nullptr || display[0] == '\0') return Sanitised(platform.toStdString());
  return Sanitised(display);
}

SessionClaim::SessionClaim(std::string scope)
    : scope(std::move(scope)), state(std::make_unique<State>()) {}

SessionClaim::~SessionClaim() { Release(); }

InstanceClaim SessionClaim::Claim(const std::string& className, const std::string& title) {
  State& claim = *state;
  if (claim.lockFd >= 0) return InstanceClaim::Owner;
  const std::string folder = InstanceFolder();
  if (folder.empty()) {
    //: %1 is the user's number
    Warn(FillArgs(Words::Tr("no folder of this user's own for the single-instance check "
                            "(halvane-%1 in the temporary folder is someone else's); starting "
                            "without it"),
                  {std::to_string(::geteuid())}));
    return InstanceClaim::Unguarded;
  }
  const std::string base = InstanceBasePath(folder, className, title, scope);
  const std::string socketPath = base + ".socket";
  if (socketPath.size() >= sizeof(sockaddr_un{}.sun_path)) {
    Warn(FillArgs(Words::Tr("the single-instance socket's name is too long (%1); starting "
                            "without the check"),
                  {socketPath}));
    return InstanceClaim::Unguarded;
  }
  const auto deadline = std::chrono::steady_clock::now() + OWNER_ANSWER_TIMEOUT;
  bool strangerSeen = false;
  for (;;) {
    int fd = -1;
    switch (TryLock(base + ".lock", fd)) {
      case LockResult::Taken:
        claim.lockFd = fd;
        claim.lockPath = base + ".lock";
        Listen(claim, socketPath);
        return InstanceClaim::Owner;
      case LockResult::Unusable:
        //: %1 is a lock file, %2 the system's reason
        Warn(FillArgs(Words::Tr("cannot lock %1: %2; starting without the single-instance check"),
                      {base + ".lock", std::strerror(errno)}));
        return InstanceClaim::Unguarded;
      case LockResult::Held: break;
    }
    const KnockResult knock = Knock(socketPath);
    if (knock == KnockResult::Answered) return InstanceClaim::Elsewhere;
    strangerSeen = strangerSeen || knock == KnockResult::Foreign;
    if (std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(RETRY_PAUSE);
  }
  Warn(strangerSeen ? FillArgs(Words::Tr("another user's server sits at %1 while a Halvane of this "
                                         "session holds the lock; not knocking"),
                               {socketPath})
                    : FillArgs(Words::Tr("a Halvane of this session holds %1 but does not answer"),
                               {base + ".lock"}));
  return InstanceClaim::Elsewhere;
}

void SessionClaim::ListenForLaterInstances(WindowHandle window) { state->window = window; }

void SessionClaim::Release() {
  State& claim = *state;
  delete claim.notifier.data();
  if (claim.listenFd >= 0) {
    ::close(claim.listenFd);
    ::unlink(claim.socketPath.c_str());
  }
  if (claim.lockFd >= 0) {
    ::unlink(claim.lockPath.c_str());
    ::close(claim.lockFd);
  }
  claim = State{};
}

}  // namespace halvane
