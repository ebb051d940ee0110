// The system's regional settings changed for the length of a test as a user changes them, and
// the change announced as the platform announces it. The settings are restored, unannounced,
// when the test ends, whatever happens. One source file per platform.
#pragma once

#include <QByteArray>
#include <QList>

class ScopedRegionalSettings {
public:
    ScopedRegionalSettings();
    ~ScopedRegionalSettings();
    ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
    ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;

    // The settings of a locale, named as in LC_ALL ("de_DE.UTF-8" has a decimal comma).
    static void use(const char* locale);

    // The platform's announcement that the regional settings changed.
    static void announce();

private:
    QList<QByteArray> saved_;
};
