#include "play/presenting_host.h"

#include <QCoreApplication>
#include <QEvent>

namespace quorelin {

void PresentPendingPaints() {
    // A widget's update() posts an update request to its window; sending just those
    // paints and flushes the windows without running input or timers.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void PresentingHost::SleepMs(unsigned ms) {
    PresentPendingPaints();
    host_.SleepMs(ms);
}

}  // namespace quorelin
