// Mouse input delivered the way the window system delivers it: to the window, at a position,
// so that focus-on-press, modal blocking and the topmost widget under the pointer all apply.
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

inline QPoint centreInWindow(QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

inline void clickInWindow(QWidget* window, QPoint position,
                          Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window->windowHandle(), button, Qt::NoModifier, position);
}

inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    clickInWindow(widget->window(), centreInWindow(widget), button);
}
