// The user's decimal separator for number input.
#pragma once

#include <QObject>

class QApplication;

namespace widgets {

// Read at start-up and again whenever the system announces a change of its settings; the
// full stop where no setting is found. Output never uses it: it always writes a full stop.
class RegionalSettings : public QObject {
    Q_OBJECT

public:
    static void install(QApplication& application);

    static char32_t decimalSeparator();

private:
    explicit RegionalSettings(QApplication& application);

    static RegionalSettings* instance_;
    char32_t separator_ = U'.';
};

} // namespace widgets
