// The components that carry each slide of the résumé window, and its stacking of pictures and
// labels, for the tests that drive the gallery.
#pragma once

#include "StackingOrder.h"
#include "WindowComponents.h"

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
inline SlideParts slideOf(int number) {
    struct Names {
        const char* picture;
        const char* title;
        const char* subtitle;
        QPoint thumbnail;
    };
    static const Names names[] = {
        {"Image1", "TntLabel16", "TntLabel17", {8, 8}},
        {"Image3", "TntLabel13", "TntLabel12", {8, 64}},
        {"Image4", "TntLabel14", "TntLabel18", {8, 120}},
        {"Image5", "TntLabel19", "TntLabel20", {8, 176}},
        {"Image6", "TntLabel21", "TntLabel22", {8, 232}},
        {"Image7", "TntLabel23", "TntLabel24", {200, 8}},
        {"Image8", "TntLabel25", "TntLabel26", {200, 64}},
        {"Image9", "TntLabel27", "TntLabel28", {200, 120}},
        {"Image10", "TntLabel29", "TntLabel30", {200, 176}},
        {"Image11", "TntLabel31", "TntLabel32", {200, 232}},
    };
    const Names& slide = names[number - 1];
    return {component<widgets::PictureBox>(Form3, slide.picture),
            component<widgets::AutoSizeLabel>(Form3, slide.title),
            component<widgets::AutoSizeLabel>(Form3, slide.subtitle), slide.thumbnail};
}
