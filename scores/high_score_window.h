#pragma once
// The high-score window: the lists of each table and the name entry.
#include <QWidget>

namespace quorelin {

class HighScoreWindow : public QWidget {
    Q_OBJECT
public:
    HighScoreWindow();
};

}  // namespace quorelin
