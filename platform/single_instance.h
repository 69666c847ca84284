// One running copy per user and session. The rendezvous is a lock file and a local socket in a
// folder only the user can reach, named after the display: the copy that holds the lock owns
// the session and its settings; a later start knocks on the owner's socket, asking it to come
// to the foreground, and ends.
#pragma once

#include <memory>
#include <string>

#include "platform/window_system.h"

namespace halvane {

// The folder of the rendezvous: $XDG_RUNTIME_DIR when it is a folder of the user's own that
// no one else may enter, else halvane-<uid> in the temporary folder (made with mode 0700 when
// missing), checked the same way. Empty when neither is safe.
std::string InstanceFolder();

// The session the window appears in: the Wayland socket's or the X display's name, else the
// platform's name ("offscreen"). Needs the window system.
std::string SessionName();

// What a claim found.
enum class InstanceClaim {
  Owner,      // this copy holds the session
  Elsewhere,  // another copy holds it and was asked to come forward (or does not answer)
  Unguarded,  // no safe rendezvous: this copy runs without the check (said on stderr)
};

// This copy's claim on the session, given up when it ends.
class SessionClaim {
 public:
  // scope: a suffix that gives the rendezvous a name of its own, so that tests running side by
  // side do not see each other; empty for the program's own name.
  explicit SessionClaim(std::string scope = {});
  ~SessionClaim();
  SessionClaim(const SessionClaim&) = delete;
  SessionClaim& operator=(const SessionClaim&) = delete;

  // Claims this session for the program named by className and title: takes the lock,
  // removes a socket left by a killed copy and listens in its place. When another copy holds
  // the lock, knocks on its socket, never on a server run by another user, and retries for a
  // few seconds while that copy is still starting.
  InstanceClaim Claim(const std::string& className, const std::string& title);

  // The owner's knocks from now on bring window to the foreground.
  void ListenForLaterInstances(WindowHandle window);

  // Closes the socket and gives up the lock, removing both files. Nothing when not the owner.
  void Release();

  struct State;

 private:
  std::string scope;
  std::unique_ptr<State> state;
};

}  // namespace halvane
