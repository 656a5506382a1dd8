#pragma once
// The info window with its pages of instructions.
#include <QWidget>

namespace quorelin {

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    InfoWindow();
};

}  // namespace quorelin
