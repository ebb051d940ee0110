#include "widgets/ErrorDisplay.h"

#include "widgets/MessageText.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace widgets {

ErrorDisplay* ErrorDisplay::instance_ = nullptr;

ErrorDisplay::ErrorDisplay(QApplication& application, const QString& title)
    : QObject(&application), title_(title) {
    application.installEventFilter(this);
}

void ErrorDisplay::install(QApplication& application, const QString& title) {
    delete instance_;
    instance_ = new ErrorDisplay(application, title);
    connect(instance_, &QObject::destroyed, [] { instance_ = nullptr; });
}

void ErrorDisplay::report(const QString& message, bool fromFocusChange) {
    if (instance_ == nullptr) {
        std::fprintf(stderr, "%s\n", qPrintable(withFullStop(message)));
        return;
    }
    ErrorDisplay& self = *instance_;
    self.pending_.append(message);
    if (fromFocusChange) {
        self.swallowPress_ = true;
    }
    if (!self.showScheduled_) {
        self.showScheduled_ = true;
        QMetaObject::invokeMethod(&self, &ErrorDisplay::showPending, Qt::QueuedConnection);
    }
}

bool ErrorDisplay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow()) {
            lastActiveWindow_ = widget;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The press already moved the focus before it reached this filter; what is left of
        // it would perform the control's action.
        if (swallowPress_ && watched->isWidgetType()) {
            swallowPress_ = false;
            swallowReleaseFor_ = watched;
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (swallowReleaseFor_ != nullptr && watched == swallowReleaseFor_) {
            swallowReleaseFor_ = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void ErrorDisplay::showPending() {
    showScheduled_ = false;
    // A focus change by keyboard has no press to swallow.
    swallowPress_ = false;
    while (!pending_.isEmpty()) {
        showBox(pending_.takeFirst());
    }
}

QWidget* ErrorDisplay::windowToReactivate() const {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return lastActiveWindow_;
}

void ErrorDisplay::showBox(const QString& message) {
    QPointer<QWidget> previouslyActive = windowToReactivate();
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    QMessageBox box(QMessageBox::Critical, title_, withFullStop(message), QMessageBox::Ok,
                    previouslyActive);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // The release of a swallowed press may have gone to the box's blocked window instead.
    swallowReleaseFor_ = nullptr;
    // Without a window manager nothing re-activates the window the box was shown over.
    if (previouslyActive != nullptr && previouslyActive->isVisible()) {
        previouslyActive->activateWindow();
    }
}

} // namespace widgets
