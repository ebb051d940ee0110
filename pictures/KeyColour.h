// Transparency by key colour: the colour of a picture's bottom-left pixel.
#pragma once

#include <QImage>

namespace pictures {

// The picture with every pixel of its bottom-left pixel's colour made fully transparent,
// premultiplied, at the picture's own device pixel ratio.
QImage withKeyColourDropped(QImage picture);

} // namespace pictures
