// The pictures of the résumé window. The slide photographs are drawn at their stored size; the
// pictures shown unscaled are drawn over their designed size in logical pixels at `scale`.
#pragma once

#include <QImage>

namespace assetgen::resume {

QImage steelFramePhoto();           // slide 7, 486 x 363
QImage classroomPhoto();            // slide 8, 461 x 346
QImage pipingHallPhoto();           // slide 9, 471 x 353
QImage plantModelRendering();       // slide 10, 971 x 665
QImage windowBackground(int scale); // 684 x 459
// Keyed on navy; their lettering's edges blend into the window background they lie on, drawn at
// the same scale.
QImage contactBand(const QImage& windowBackdrop, int scale);     // 509 x 50
QImage industriesPanel(const QImage& windowBackdrop, int scale); // 112 x 182

enum class Arrow { Up, Down };
QImage arrowBadge(Arrow arrow, int scale); // 38 x 39, on the white key

} // namespace assetgen::resume
