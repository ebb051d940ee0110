#include "widgets/PixelFonts.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

namespace widgets {
namespace {

void applyPixelFont(QWidget& widget) {
    if (const QVariant pixels = widget.property("fontPixelSize"); pixels.isValid()) {
        QFont font = widget.font();
        font.setPixelSize(pixels.toInt());
        widget.setFont(font);
    }
}

} // namespace

void applyPixelFonts(QWidget& form) {
    applyPixelFont(form);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        applyPixelFont(*child);
    }
}

void mapSubstituteFonts() {
    // Metric-compatible or close faces from Debian's font packages.
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

} // namespace widgets
