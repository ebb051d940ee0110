#include "widgets/RegionalSettings.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>

namespace widgets {

RegionalSettings* RegionalSettings::instance_ = nullptr;

RegionalSettings::RegionalSettings(QApplication& application)
    : QObject(&application), separator_(readSystemDecimalSeparator()) {
    application.installEventFilter(this);
}

void RegionalSettings::install(QApplication& application) {
    delete instance_;
    instance_ = new RegionalSettings(application);
    connect(instance_, &QObject::destroyed, [] { instance_ = nullptr; });
}

char32_t RegionalSettings::decimalSeparator() {
    return instance_ != nullptr ? instance_->separator_ : readSystemDecimalSeparator();
}

bool RegionalSettings::eventFilter(QObject* watched, QEvent* event) {
    // Qt passes the system's announcement on to the application and then to every widget;
    // the application's copy is enough.
    if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance()) {
        separator_ = readSystemDecimalSeparator();
    }
    return false;
}

namespace {

char32_t firstCodePoint(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    return codePoints.isEmpty() ? U'.' : static_cast<char32_t>(codePoints.front());
}

} // namespace

// Platform-specific: on Unix the regional settings are the locale environment variables, which
// the C library and Qt read only once per process, so they are read afresh here; elsewhere
// Qt's system locale follows the system's settings itself.
char32_t readSystemDecimalSeparator() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            return firstCodePoint(
                QLocale(name.section(u'.', 0, 0).section(u'@', 0, 0)).decimalPoint());
        }
    }
    return U'.';
#else
    return firstCodePoint(QLocale::system().decimalPoint());
#endif
}

} // namespace widgets
