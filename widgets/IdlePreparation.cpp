#include "widgets/IdlePreparation.h"

#include "widgets/PictureBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace widgets {

IdlePreparation::IdlePreparation(QWidget& shown, QWidget& later) : later_(&later) {
    // Every widget asks to be polished when it is created, and the event loop would do that
    // for `later` too before the first frame: fitting its labels loads and shapes faces the
    // first frame does not show. prepare() polishes it instead.
    QCoreApplication::removePostedEvents(&later, QEvent::PolishRequest);
    for (QWidget* component : later.findChildren<QWidget*>()) {
        QCoreApplication::removePostedEvents(component, QEvent::PolishRequest);
    }
    shown.installEventFilter(this);
}

bool IdlePreparation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued behind whatever the paint leaves to do, so the first frame goes out first.
        QMetaObject::invokeMethod(this, &IdlePreparation::prepare, Qt::QueuedConnection);
    }
    return false;
}

void IdlePreparation::prepare() {
    if (later_ == nullptr || later_->isVisible()) {
        return;
    }
    later_->ensurePolished();
    for (PictureBox* picture : later_->findChildren<PictureBox*>()) {
        picture->prepare();
    }
}

} // namespace widgets
