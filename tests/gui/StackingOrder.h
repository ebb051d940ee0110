// The stacking of a window's pictures, labels and bevels, for the tests that check it.
#pragma once

#include <QList>
#include <QWidget>

// The components that are neither buttons nor text fields, bottom to top.
inline QList<QWidget*> graphicsInStackingOrder(const QWidget& window) {
    QList<QWidget*> graphics;
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isWindow() && widget->focusPolicy() == Qt::NoFocus) {
            graphics.append(widget);
        }
    }
    return graphics;
}
