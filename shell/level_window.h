#pragma once
// The level window, where the start level of a game is chosen.
#include <QWidget>

namespace quorelin {

class LevelWindow : public QWidget {
    Q_OBJECT
public:
    LevelWindow();
};

}  // namespace quorelin
