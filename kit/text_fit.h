#pragma once
// Fits a control's font to its text: where a text in some language is wider than its
// control with the installed faces, the font is made smaller until it fits, never the
// text shorter. The control's own font is the start each time, so a shorter text in
// another language gets the full size back.
#include <QAbstractButton>
#include <QLabel>

namespace quorelin {

// Call after setting the text.
void FitText(QLabel* label);
void FitText(QAbstractButton* button);

}  // namespace quorelin
