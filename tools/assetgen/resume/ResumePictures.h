// The pictures of the résumé window, each drawn at its stored size.
#pragma once

#include <QImage>

namespace assetgen::resume {

QImage steelFramePhoto();     // slide 7, 486 x 363
QImage classroomPhoto();      // slide 8, 461 x 346
QImage pipingHallPhoto();     // slide 9, 471 x 353
QImage plantModelRendering(); // slide 10, 971 x 665
QImage windowBackground();    // 684 x 459
// Keyed on navy; their lettering's edges blend into the window background they lie on.
QImage contactBand(const QImage& windowBackdrop);     // 509 x 50
QImage industriesPanel(const QImage& windowBackdrop); // 112 x 182

enum class Arrow { Up, Down };
QImage arrowBadge(Arrow arrow); // 38 x 39, on the white key

} // namespace assetgen::resume
