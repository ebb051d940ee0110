// Work a window can do before it is first shown, done while the program is idle.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace widgets {

// Once `shown` has been painted for the first time, `later` gets ready to be shown: its labels
// are fitted to their texts (loading their faces) and its pictures decoded and scaled at their
// present sizes. Start-up does not wait for it (nothing of `later` needs a face before it is
// shown), and the first opening of `later` does not have to do it.
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
