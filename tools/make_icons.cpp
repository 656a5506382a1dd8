// Draws the program icon at the sizes of the desktop's icon theme, with the same painter
// as the splash window's icon:  QT_QPA_PLATFORM=offscreen make_icons OUTDIR
// writes OUTDIR/<size>x<size>/apps/quorelin.png for 16, 32, 48, 64, 128 and 256.
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "kit/pictures.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: make_icons OUTDIR\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !quorelin::ProgramIcon(size).save(dir + "/quorelin.png")) {
            std::cerr << "make_icons: cannot write " << dir.toStdString() << "/quorelin.png\n";
            return 1;
        }
    }
    return 0;
}
