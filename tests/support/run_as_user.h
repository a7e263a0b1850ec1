// Running part of a test as another user: the superuser gives up its rights for that user's
// ids in a child process, so that nothing of it reaches the other tests, and the child's
// report comes back as text.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace curvanta::testing {

// Who a part of a test runs as: user and group ids and the further groups.
struct Identity {
  uid_t uid;
  gid_t gid;
  std::vector<gid_t> groups;
};

// Ids no other user of the machine is likely to have.
inline const Identity kOrdinaryUser{65534, 65534, {}};

// Runs `work` as `who` and returns its report. Without the superuser's rights it runs here,
// as the user the tests run as. Nothing when the child could not become `who` or did not end
// with its report (`failure` then says how it ended).
inline std::optional<std::string> RunAs(const Identity& who, const std::function<std::string()>& work,
                                        std::string* failure = nullptr) {
  if (::geteuid() != 0) return work();
  constexpr int kCannotBecomeTheUser = 3;
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    if (::setgroups(who.groups.size(), who.groups.data()) != 0 || ::setresgid(who.gid, who.gid, who.gid) != 0 ||
        ::setresuid(who.uid, who.uid, who.uid) != 0)
      ::_exit(kCannotBecomeTheUser);
    const std::string out = work();
    for (size_t done = 0; done < out.size();) {
      const ssize_t n = ::write(pipeFds[1], out.data() + done, out.size() - done);
      if (n <= 0) ::_exit(4);
      done += size_t(n);
    }
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string in;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    in.append(buffer, size_t(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    if (failure)
      *failure = WIFEXITED(status) && WEXITSTATUS(status) == kCannotBecomeTheUser
                     ? "could not become user " + std::to_string(who.uid)
                     : "ended with status " + std::to_string(status);
    return std::nullopt;
  }
  return in;
}

}  // namespace curvanta::testing
