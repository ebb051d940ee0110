#include "widgets/FormLayout.h"

#include "widgets/TextFitLayout.h"

#include <QPoint>
#include <QVariant>
#include <QWidget>

namespace widgets {

void paintInButtonFace(QWidget& form) {
    form.setBackgroundRole(QPalette::Button);
    form.setAutoFillBackground(true);
}

void applyFormLayout(QWidget& form) {
    constexpr Qt::WindowFlags kCaptionAndCloseBox = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;
    const QString border = form.property("borderStyle").toString();
    if (border == QLatin1String("fixedDialog")) {
        form.setWindowFlags(Qt::Window | kCaptionAndCloseBox);
        form.setFixedSize(form.size());
    } else if (border == QLatin1String("sizeable")) {
        form.setWindowFlags(Qt::Dialog | kCaptionAndCloseBox);
    }
    if (const QVariant position = form.property("designedPosition"); position.isValid()) {
        form.move(position.toPoint());
    }
    new TextFitLayout(form);
}

} // namespace widgets
