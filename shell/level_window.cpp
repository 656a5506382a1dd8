#include "shell/level_window.h"

namespace quorelin {

LevelWindow::LevelWindow() {
    setObjectName("KiesNivAdd");
    setWindowTitle("Quorelin");
}

}  // namespace quorelin
