#pragma once
// The end of the program when nobody can be asked: a termination signal (SIGTERM, SIGHUP,
// SIGINT) or the end of the desktop session. The data file is saved once, a failure goes
// to the terminal only, a running game stops and every message loop ends, dialogs
// included; nothing waits for an answer.
//
// The signal handler only writes the signal's number into a pipe; the work runs on the
// user-interface thread when the pipe's notifier fires, which it also does while a game
// pumps messages.
#include <QObject>
#include <array>
#include <csignal>
#include <functional>

#include "game/state.h"

class QSocketNotifier;

namespace quorelin {

class DataFile;

class UnattendedEnd : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for the three signals (one that was ignored when the program
    // started, as under nohup, stays ignored). Needs the application object.
    UnattendedEnd(DataFile& dataFile, const Settings& settings, InputRequests& input);
    // Puts the previous handlers back.
    ~UnattendedEnd() override;
    UnattendedEnd(const UnattendedEnd&) = delete;
    UnattendedEnd& operator=(const UnattendedEnd&) = delete;

    // Runs right before the save: what waits unstored (a name being typed) is stored.
    void SetBeforeSave(std::function<void()> beforeSave) { beforeSave_ = std::move(beforeSave); }
    // Saves once (a failure is written to stderr), stops a running game and leaves every
    // message loop with `status`. Only the first call counts.
    void EndNow(int status);
    // Whether the program is ending this way; the start-up then skips its final save.
    bool Ended() const { return ended_; }
    // The exit status: 128 + the signal's number, or 0 for the end of the session.
    int Status() const { return status_; }

private:
    void SignalArrived();

    DataFile& dataFile_;
    const Settings& settings_;
    InputRequests& input_;
    std::function<void()> beforeSave_;
    int readFd_ = -1;
    int writeFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, 3> previous_{};
    std::array<bool, 3> installed_{};
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace quorelin
