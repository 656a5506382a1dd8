#pragma once
// The splash window that stays on top while the other windows are built.
#include <QLabel>
#include <QWidget>

namespace quorelin {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 251;
    static constexpr int kHeight = 145;

    SplashWindow();
    // Sets the loading label for a language 1..5.
    void SetLanguage(int language);

    QLabel* LoadingLabel() const { return loadingLabel_; }

private:
    QLabel* loadingLabel_;  // "Loading...." by language, black, 15 pixels
};

// The loading label's text for a language 1..5.
const char* LoadingText(int language);

}  // namespace quorelin
