#pragma once
// Runs a piece of a test as another account, in a child process: tests often run as root,
// where a rule about rights would pass even when it is broken.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

namespace quorelin::testing {

// The account a test switches to: nobody, which owns no file a test makes.
inline constexpr uid_t kOtherUid = 65534;
inline constexpr gid_t kOtherGid = 65534;
// The exit status of a child that could not become the other account.
inline constexpr int kCannotSwitch = 125;

// Only root can become another account.
inline bool CanSwitchAccount() {
    return ::geteuid() == 0;
}

// Runs `body` in a forked child as `uid`:`gid`; the child's status: what `body` returned
// (0..124; assertions in the child are lost), kCannotSwitch, 128 + a signal, or -1.
inline int RunAsAccount(const std::function<int()>& body, uid_t uid = kOtherUid,
                        gid_t gid = kOtherGid) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        // The group first: once the user changed, it may not change groups any more.
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0 ||
            ::geteuid() != uid) {
            ::_exit(kCannotSwitch);
        }
        // _exit: the child must not run the test program's exit handlers.
        ::_exit(body());
    }
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace quorelin::testing
