// Unix: the regional settings are the locale environment variables, and Qt announces their
// change to the application with a locale-change event.
#include "ScopedRegionalSettings.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};

} // namespace

ScopedRegionalSettings::ScopedRegionalSettings() {
    for (const char* variable : kVariables) {
        saved_.append(qgetenv(variable));
    }
}

ScopedRegionalSettings::~ScopedRegionalSettings() {
    for (qsizetype i = 0; i < saved_.size(); ++i) {
        if (saved_[i].isNull()) {
            qunsetenv(kVariables[i]);
        } else {
            qputenv(kVariables[i], saved_[i]);
        }
    }
}

void ScopedRegionalSettings::use(const char* locale) {
    qputenv("LC_ALL", locale);
}

void ScopedRegionalSettings::announce() {
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}
