// Windows: the regional settings are the user's locale settings, announced by a broadcast
// WM_SETTINGCHANGE naming "intl". Qt reads them once and does not turn that message into a
// locale-change event, so both are done here.
#include "widgets/SystemRegionalSettings.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QObject>
#include <windows.h>

namespace widgets {
namespace {

class SettingChangeFilter : public QObject, public QAbstractNativeEventFilter {
public:
    SettingChangeFilter(QObject& owner, std::function<void()> changed)
        : QObject(&owner), changed_(std::move(changed)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~SettingChangeFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    SettingChangeFilter(const SettingChangeFilter&) = delete;
    SettingChangeFilter& operator=(const SettingChangeFilter&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        // Every top-level window gets the broadcast; reading the setting once per window is
        // cheap and keeps nothing to clear.
        if (eventType == "windows_generic_MSG") {
            const auto* msg = static_cast<const MSG*>(message);
            if (msg->message == WM_SETTINGCHANGE && msg->lParam != 0 &&
                lstrcmpW(reinterpret_cast<LPCWSTR>(msg->lParam), L"intl") == 0) {
                changed_();
            }
        }
        return false;
    }

private:
    std::function<void()> changed_;
};

} // namespace

char32_t readSystemDecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) {
        return U'.';
    }
    const QList<uint> codePoints = QString::fromWCharArray(separator).toUcs4();
    return static_cast<char32_t>(codePoints.front());
}

void watchSystemRegionalSettings(QObject& owner, std::function<void()> changed) {
    new SettingChangeFilter(owner, std::move(changed));
}

} // namespace widgets
