#pragma once
// The options window that greets the player at start-up in front of the main window.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace quorelin {

class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    OptionsWindow();

    // Shows the slow-start hint for a language 1..5 on the message line.
    void ShowSlowStartHint(int language);

    QPushButton* BitBtn2;  // Proceed
    QLabel* Label111;      // message line, hidden until used

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The hint shown when start-up was slow, for a language 1..5.
const char* SlowStartHint(int language);

}  // namespace quorelin
