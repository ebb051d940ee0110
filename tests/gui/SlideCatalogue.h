// The components that carry each slide of the résumé window, and its stacking of pictures and
// labels, for the tests that drive the gallery.
#pragma once

#include "StackingOrder.h"
#include "resume/Unit3.h"

#include <QRect>

struct SlideParts {
    widgets::PictureBox* picture;
    widgets::AutoSizeLabel* title;
    widgets::AutoSizeLabel* subtitle;
    QPoint thumbnail;
};

inline const QRect kViewingBox(8, 8, 425, 313);
inline constexpr int kSlideCount = 10;

// Slide 1 to 10.
inline SlideParts slideOf(Ui::TForm3& u, int number) {
    const SlideParts parts[] = {
        {u.Image1, u.TntLabel16, u.TntLabel17, {8, 8}},
        {u.Image3, u.TntLabel13, u.TntLabel12, {8, 64}},
        {u.Image4, u.TntLabel14, u.TntLabel18, {8, 120}},
        {u.Image5, u.TntLabel19, u.TntLabel20, {8, 176}},
        {u.Image6, u.TntLabel21, u.TntLabel22, {8, 232}},
        {u.Image7, u.TntLabel23, u.TntLabel24, {200, 8}},
        {u.Image8, u.TntLabel25, u.TntLabel26, {200, 64}},
        {u.Image9, u.TntLabel27, u.TntLabel28, {200, 120}},
        {u.Image10, u.TntLabel29, u.TntLabel30, {200, 176}},
        {u.Image11, u.TntLabel31, u.TntLabel32, {200, 232}},
    };
    return parts[number - 1];
}
