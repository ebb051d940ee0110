// Work a window can do before it is first shown, done while the program is idle.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace widgets {

// Once `shown` has been painted for the first time, `later` gets ready to be shown: its
// components are polished (labels fitted, their faces loaded) and its pictures decoded and
// scaled at their present sizes. Start-up does not wait for it, nor for the polishing the
// event loop would otherwise give `later` before the first frame, and the first opening of
// `later` does not have to do it.
class IdlePreparation : public QObject {
public:
    IdlePreparation(QWidget& shown, QWidget& later);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare();

    QPointer<QWidget> later_;
};

} // namespace widgets
