#pragma once
// Helpers shared by the gallery's pages: each window area renders its own pictures.
#include <QString>
#include <QWidget>

namespace quorelin::gallery {

// Shows the widget, lets it paint, and writes DIR/NAME.png. Returns false on failure.
bool Save(QWidget& widget, const QString& dir, const QString& name);

// One function per area; each writes its PNG files into dir.
bool RenderShell(const QString& dir);
bool RenderScores(const QString& dir);
bool RenderPlay(const QString& dir);
bool RenderInfo(const QString& dir);

}  // namespace quorelin::gallery
