// Renders the game's windows to PNG files so anyone can look at them:
//   QT_QPA_PLATFORM=offscreen gallery OUTDIR
#include "tools/gallery.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <iostream>

#include "kit/platform.h"

namespace quorelin::gallery {

bool Save(QWidget& widget, const QString& dir, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = dir + "/" + name + ".png";
    const bool ok = widget.grab().save(path);
    std::cout << (ok ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    widget.hide();
    return ok;
}

}  // namespace quorelin::gallery

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: gallery OUTDIR\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    quorelin::InstallFontSubstitutions();
    bool ok = quorelin::gallery::RenderShell(dir);
    ok &= quorelin::gallery::RenderScores(dir);
    ok &= quorelin::gallery::RenderPlay(dir);
    ok &= quorelin::gallery::RenderInfo(dir);
    return ok ? 0 : 1;
}
