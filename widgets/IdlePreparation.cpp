#include "widgets/IdlePreparation.h"

#include "widgets/PictureBox.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace widgets {

IdlePreparation::IdlePreparation(QWidget& shown, QWidget& later) : later_(&later) {
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
    if (QLayout* layout = later_->layout()) {
        layout->activate();
    }
    for (PictureBox* picture : later_->findChildren<PictureBox*>()) {
        picture->prepare();
    }
}

} // namespace widgets
