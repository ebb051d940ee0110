#include "widgets/Bevel.h"

#include <QPainter>

namespace widgets {

Bevel::Bevel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, palette().color(QPalette::Light));
    painter.fillRect(0, 1, width(), 1, palette().color(QPalette::Dark));
}

} // namespace widgets
