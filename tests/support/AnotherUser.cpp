#include "support/AnotherUser.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

std::string AsAnotherUser(TestPlatform& tp, const std::function<std::string()>& run) {
  constexpr uid_t kNobody = 65534;
  const bool superuser = ::geteuid() == 0;
  if (superuser && (::chmod(tp.path("..").c_str(), 0755) != 0 || ::chown(tp.home().c_str(), kNobody, kNobody) != 0))
    return "no other user";
  int told[2];
  if (::pipe(told) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(told[0]);
    std::string out = "no other user";
    if (!superuser || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)) out = run();
    [[maybe_unused]] const ssize_t put = ::write(told[1], out.data(), out.size());
    ::_exit(0);
  }
  ::close(told[1]);
  std::string heard;
  char block[512];
  for (ssize_t got; (got = ::read(told[0], block, sizeof block)) > 0;) heard.append(block, static_cast<size_t>(got));
  ::close(told[0]);
  ::waitpid(child, nullptr, 0);
  return heard;
}
