#include "startup/unattended_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <iostream>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "store/data_file.h"

namespace quorelin {
namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's write end for the handler; -1 while no handler is installed.
volatile std::sig_atomic_t gWakeFd = -1;

extern "C" void OnTerminationSignal(int signal) {
    // Only async-signal-safe work here: one byte into a non-blocking pipe.
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(gWakeFd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

UnattendedEnd::UnattendedEnd(DataFile& dataFile, const Settings& settings, InputRequests& input)
    : dataFile_(dataFile), settings_(settings), input_(input) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        std::cerr << "Quorelin: termination signals end the game without saving: "
                  << std::strerror(errno) << '\n';
        return;
    }
    readFd_ = fds[0];
    writeFd_ = fds[1];
    gWakeFd = writeFd_;
    notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UnattendedEnd::SignalArrived);

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue;
        }
        installed_[i] = ::sigaction(kSignals[i], &action, &previous_[i]) == 0;
    }

#ifndef QT_NO_SESSIONMANAGER
    // Logging out: the session manager asks for the data to be kept; nobody is there to
    // answer a question any more.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { EndNow(0); });
#endif
}

UnattendedEnd::~UnattendedEnd() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (installed_[i]) {
            ::sigaction(kSignals[i], &previous_[i], nullptr);
        }
    }
    gWakeFd = -1;
    if (readFd_ >= 0) {
        ::close(readFd_);
        ::close(writeFd_);
    }
}

void UnattendedEnd::SignalArrived() {
    int signal = 0;
    unsigned char byte = 0;
    while (::read(readFd_, &byte, 1) == 1) {
        if (signal == 0) {
            signal = byte;
        }
    }
    if (signal != 0) {
        EndNow(128 + signal);
    }
}

void UnattendedEnd::EndNow(int status) {
    if (ended_) {
        return;
    }
    ended_ = true;
    status_ = status;
    if (beforeSave_) {
        beforeSave_();
    }
    if (const DataFileResult saved = dataFile_.SaveDataFile(settings_); !saved.ok) {
        std::cerr << "Quorelin: " << saved.message
                  << "\nQuorelin: the program was ended from outside; the high scores and "
                     "settings not saved before are lost.\n";
    }
    // A running game polls these flags: it stops at once and skips its closing
    // animation, and the message loop it runs in then ends.
    input_.StopGame = 1;
    input_.LeaveGameOver = 1;
    input_.WindowDeactivated = 1;
    // Ends the main loop and any dialog's loop; a dialog opened after this returns at once.
    QCoreApplication::exit(status);
}

}  // namespace quorelin
