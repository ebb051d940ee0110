#include "widgets/ClassicPalette.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace widgets {
namespace {

// Every role set explicitly: a palette role left unset would be taken from the desktop's.
QPalette fullyResolved(const QPalette& source) {
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(group, colourRole, source.brush(group, colourRole));
        }
    }
    return palette;
}

} // namespace

void useClassicPalette(QApplication& application) {
    // Setting the application's palette also drops the palettes a platform theme gave
    // particular widget classes (QApplicationPrivate::handlePaletteChanged, Qt 6.4.2 and 6.8.2
    // alike), and a palette with every role set keeps the theme's from coming back.
    QApplication::setPalette(fullyResolved(application.style()->standardPalette()));
}

} // namespace widgets
