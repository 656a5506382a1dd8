#pragma once
// One running copy per data file: two copies in one folder would each save their own
// lists at the end, and the last to end would wipe the other's new results.
//
// The lock is an operating-system lock (flock) on "<data file>.lock" beside the data
// file (beside its target when it is a symlink). The system drops it when the process
// ends in any way, so a crashed copy never blocks the next start; the lock file itself
// stays, empty. Where no lock file can be made (a folder the player may not write), the
// data file carries the lock: saves there go in place, so it keeps its identity.
#include <filesystem>
#include <string>

namespace quorelin {

class InstanceLock {
public:
    enum class State {
        Held,           // this copy owns the data file
        HeldByAnother,  // another running copy does: this one must end
        Unavailable,    // the system offers no lock here; the copy runs unguarded
    };

    // Tries once, without waiting.
    explicit InstanceLock(const std::filesystem::path& dataFile);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Why the lock is unavailable, for the terminal.
    const std::string& reason() const { return reason_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    std::string reason_;
};

}  // namespace quorelin
