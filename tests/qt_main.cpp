// Runs GoogleTest suites inside a QApplication so windows can be built headless.
#include <gtest/gtest.h>

#include <QApplication>

#include "kit/platform.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quorelin::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
