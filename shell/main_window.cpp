#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <array>
#include <iostream>

namespace quorelin {
namespace {

constexpr std::array<const char*, 5> kExitCaption{
    "E&xit", " S&alir           ", "  &Afsluiten     ", "  &Stopje      ", "&Ausgang"};

}  // namespace

MainWindow::MainWindow(Settings& settings, DataFile& dataFile)
    : settings_(settings), dataFile_(dataFile) {
    setObjectName("Form1");
    setWindowTitle("Quorelin");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* title = new QLabel("Quorelin", central);
    title->setObjectName("Label1");
    layout->addWidget(title, 0, Qt::AlignCenter);
    BitBtn8 = new QPushButton(central);
    BitBtn8->setObjectName("BitBtn8");
    BitBtn8->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(BitBtn8, 0, Qt::AlignCenter);
    setCentralWidget(central);
    connect(BitBtn8, &QPushButton::clicked, this, &MainWindow::ExitClick);
    reportError_ = [this](const QString& message) {
        QMessageBox::critical(this, "Quorelin", message);
    };
}

void MainWindow::showEvent(QShowEvent* event) {
    const int language =
        settings_.Language >= 1 && settings_.Language <= 5 ? settings_.Language : 1;
    BitBtn8->setText(QString::fromUtf8(kExitCaption[static_cast<std::size_t>(language - 1)]));
    QMainWindow::showEvent(event);
}

void MainWindow::ExitClick() {
    const DataFileResult result = dataFile_.SaveDataFile(settings_);
    if (!result.ok) {
        std::cerr << "Quorelin: " << result.message << '\n';
        reportError_(QString::fromStdString(result.message));
        return;
    }
    saved_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing by the window's close box keeps the results too: save as Exit does.
    if (!saved_) {
        const DataFileResult result = dataFile_.SaveDataFile(settings_);
        if (!result.ok) {
            std::cerr << "Quorelin: " << result.message << '\n';
            reportError_(QString::fromStdString(result.message));
            event->ignore();
            return;
        }
    }
    event->accept();
    QCoreApplication::quit();
}

void LayOutMainWindow(MainWindow& window, const Settings& settings) {
    if (settings.WindowMode == 1) {
        window.setWindowFlag(Qt::FramelessWindowHint, true);
        window.setGeometry(0, 0, settings.ScreenWidth, settings.ScreenHeight);
    } else {
        window.setWindowFlag(Qt::FramelessWindowHint, false);
        window.setGeometry(settings.ScreenWidth / 16, settings.ScreenHeight / 16,
                           settings.ScreenWidth * 7 / 8, settings.ScreenHeight * 7 / 8);
    }
}

}  // namespace quorelin
