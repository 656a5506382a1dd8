#pragma once
// The main window: the application's main window, whose closing ends the program.
// Exit saves the data file first and stays open when that fails.
#include <QMainWindow>
#include <QPushButton>
#include <functional>

#include "game/state.h"
#include "scores/data_file.h"

namespace quorelin {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Settings& settings, DataFile& dataFile);

    // Replaces the message box that reports a failed save (tests answer it themselves).
    void SetErrorReporter(std::function<void(const QString&)> reporter) {
        reportError_ = std::move(reporter);
    }

    QPushButton* BitBtn8;  // Exit

public slots:
    // Saves the data file and closes; a failed save is reported and the window stays.
    void ExitClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Settings& settings_;
    DataFile& dataFile_;
    std::function<void(const QString&)> reportError_;
    bool saved_ = false;  // set by a successful Exit, so the close does not save again
};

// Places the main window for the screen class and window mode.
void LayOutMainWindow(MainWindow& window, const Settings& settings);

}  // namespace quorelin
