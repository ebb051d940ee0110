#include "widgets/PixelFonts.h"

#include "widgets/StandInFonts.h"

#include <QCoreApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFont>
#include <QVariant>
#include <QWidget>

namespace widgets {
namespace {

constexpr const char* kPixelSizeProperty = "fontPixelSize";

} // namespace

PixelFontApplier::PixelFontApplier() {
    QCoreApplication::instance()->installEventFilter(this);
}

PixelFontApplier::~PixelFontApplier() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PixelFontApplier::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DynamicPropertyChange &&
        static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kPixelSizeProperty) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            QFont font = widget->font();
            font.setPixelSize(widget->property(kPixelSizeProperty).toInt());
            widget->setFont(withStandIn(font));
        }
    }
    return false;
}

} // namespace widgets
