// Locale variables set for the length of a test and restored after it, whatever happens.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>

class ScopedLocale {
public:
    ScopedLocale() {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            saved_[i] = qgetenv(kVariables[i]);
        }
    }
    ~ScopedLocale() {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            set(kVariables[i], saved_[i]);
        }
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // A null value removes the variable.
    static void set(const char* variable, const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(variable);
        } else {
            qputenv(variable, value);
        }
    }

private:
    static constexpr std::array<const char*, 3> kVariables{"LC_ALL", "LC_NUMERIC", "LANG"};
    std::array<QByteArray, 3> saved_;
};
