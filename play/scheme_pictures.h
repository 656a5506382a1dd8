#pragma once
// The pictures of the colour schemes shown beside the play field (123 x 124): a column of
// two blocks over a plaque that carries the table label. Simple is flat and in few
// colours, Sophisticated shaded.
#include <QImage>

namespace quorelin {

inline constexpr QSize kSchemePictureSize{123, 124};

// The picture of a colour scheme, 1 Simple or 2 Sophisticated.
QImage SchemePicture(int colorScheme);

}  // namespace quorelin
