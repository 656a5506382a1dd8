#pragma once
// The level window's pictures: the mark on its Cancel button and the how-to-play panel's
// background and rule picture (a factor block under its product, with room for the
// "x N = " caption on the lower part). The panel's arrow keys are the kit's.
#include <QImage>

namespace quorelin {

QImage CancelMarkPicture(int size = 16);
QImage HowToPlayBackground(int width = 197, int height = 281);
QImage RulePicture(int table, int width = 116, int height = 73);

}  // namespace quorelin
