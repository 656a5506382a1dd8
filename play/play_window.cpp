#include "play/play_window.h"

namespace quorelin {

PlayWindow::PlayWindow() {
    setObjectName("playform");
    setWindowTitle("Quorelin");
}

}  // namespace quorelin
