#pragma once
// The play window, where a game runs.
#include <QWidget>

namespace quorelin {

class PlayWindow : public QWidget {
    Q_OBJECT
public:
    PlayWindow();
};

}  // namespace quorelin
