#include "scores/high_score_window.h"

namespace quorelin {

HighScoreWindow::HighScoreWindow() {
    setObjectName("FormHS");
    setWindowTitle("Quorelin");
}

}  // namespace quorelin
