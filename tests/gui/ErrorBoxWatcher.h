// Watches for error boxes while a test drives the program, records what each showed once it
// has settled as the user sees it, and presses its OK button, so that tests can go on past the
// box's modal loop.
#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QString> buttons;
    Qt::WindowModality modality = Qt::NonModal;
    bool closedByOk = false;
};

class ErrorBoxWatcher : public QObject {
public:
    // whileUp runs once per box before it is closed, inside the box's modal loop.
    explicit ErrorBoxWatcher(std::function<void(QMessageBox&)> whileUp = {})
        : whileUp_(std::move(whileUp)) {
        connect(&timer_, &QTimer::timeout, this, &ErrorBoxWatcher::poll);
        timer_.start(5);
    }

    QList<SeenBox> seen;

    // Returns once every event posted before the call has been handled. The error display
    // shows a box from an event posted when the error is reported, and this watcher closes it
    // from within the box's own event loop: an error reported before the call is in `seen` by
    // then, so that a test can tell that none was, without waiting for a while.
    void catchUp() {
        bool reached = false;
        QMetaObject::invokeMethod(
            this, [&reached] { reached = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(reached);
    }

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !settled(*box)) {
            return;
        }
        SeenBox record;
        record.title = box->windowTitle();
        record.text = box->text();
        record.icon = box->icon();
        record.modality = box->windowModality();
        for (QAbstractButton* button : box->buttons()) {
            record.buttons.append(button->text());
        }
        if (whileUp_) {
            whileUp_(*box);
        }
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            QTest::mouseClick(ok, Qt::LeftButton);
        }
        record.closedByOk = !box->isVisible();
        seen.append(record);
        if (box->isVisible()) {
            box->done(QMessageBox::Ok);
        }
    }

    // A box is shown before the window system activates it and its OK button takes the
    // focus; until then it is drawn without the focus frame the user sees. On a busy machine
    // a poll can fall between the two.
    static bool settled(QMessageBox& box) {
        const QAbstractButton* ok = box.button(QMessageBox::Ok);
        return box.isVisible() && box.isActiveWindow() && (ok == nullptr || ok->hasFocus());
    }

    std::function<void(QMessageBox&)> whileUp_;
    QTimer timer_;
};
