// The one place where errors raised by event handlers are shown to the user.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QApplication;
class QWidget;

namespace widgets {

// Shows each reported error after the event that raised it has finished: a modal box with
// the message (full stop appended by the usual rule), the program title as caption, the
// stop icon and one OK button. While it is up every window of the program is blocked;
// afterwards the window that was active is active again and events go on.
//
// An error raised while the focus moves (an exit handler) lets the focus change complete and
// swallows the mouse press that moved it, so a pressed button or radio button does not act.
class ErrorDisplay : public QObject {
    Q_OBJECT

public:
    // Installs the display for the application; `title` captions every error box.
    static void install(QApplication& application, const QString& title);

    static void report(const QString& message, bool fromFocusChange);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ErrorDisplay(QApplication& application, const QString& title);

    void showPending();
    void showBox(const QString& message);
    QWidget* windowToReactivate() const;

    static ErrorDisplay* instance_;

    QString title_;
    QStringList pending_;
    bool showScheduled_ = false;
    bool swallowPress_ = false;
    QPointer<QObject> swallowReleaseFor_;
    QPointer<QWidget> lastActiveWindow_;
};

} // namespace widgets
