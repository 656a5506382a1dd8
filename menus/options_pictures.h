#pragma once
// The options window's picture: a few blocks of the table of seven in a dark field, two
// finished columns, a lone factor, and the product falling onto it.
#include <QImage>

namespace quorelin {

QImage OptionsPicture(int width = 135, int height = 171);

}  // namespace quorelin
