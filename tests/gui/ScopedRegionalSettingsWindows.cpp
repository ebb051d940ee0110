// Windows: the regional settings are the user's locale settings, changed as the Control Panel
// changes them and announced by the broadcast it sends, WM_SETTINGCHANGE naming "intl".
#include "ScopedRegionalSettings.h"

#include <QLocale>
#include <QString>
#include <QWidget>
#include <windows.h>

namespace {

QByteArray userDecimalSeparator() {
    wchar_t separator[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return QString::fromWCharArray(separator).toUtf8();
}

void setUserDecimalSeparator(const QString& separator) {
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL,
                   reinterpret_cast<const wchar_t*>(separator.utf16()));
}

} // namespace

ScopedRegionalSettings::ScopedRegionalSettings() {
    saved_.append(userDecimalSeparator());
}

ScopedRegionalSettings::~ScopedRegionalSettings() {
    setUserDecimalSeparator(QString::fromUtf8(saved_.front()));
}

void ScopedRegionalSettings::use(const char* locale) {
    setUserDecimalSeparator(
        QLocale(QString::fromLatin1(locale).section(u'.', 0, 0)).decimalPoint());
}

void ScopedRegionalSettings::announce() {
    // The broadcast reaches top-level windows only, hidden ones included: make sure the
    // program has one, as it always has while it runs.
    QWidget window;
    window.winId();
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}
