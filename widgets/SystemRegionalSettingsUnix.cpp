// Unix: the regional settings are the locale environment variables. The C library and Qt read
// them only once per process, so they are read afresh here; Qt announces a change to the
// application as a locale-change event.
#include "widgets/SystemRegionalSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace widgets {
namespace {

class LocaleChangeFilter : public QObject {
public:
    LocaleChangeFilter(QObject& owner, std::function<void()> changed)
        : QObject(&owner), changed_(std::move(changed)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt passes the announcement on to the application and then to every widget; the
        // application's copy is enough.
        if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance()) {
            changed_();
        }
        return false;
    }

private:
    std::function<void()> changed_;
};

} // namespace

char32_t readSystemDecimalSeparator() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            const QList<uint> separator =
                QLocale(name.section(u'.', 0, 0).section(u'@', 0, 0)).decimalPoint().toUcs4();
            return separator.isEmpty() ? U'.' : static_cast<char32_t>(separator.front());
        }
    }
    return U'.';
}

void watchSystemRegionalSettings(QObject& owner, std::function<void()> changed) {
    new LocaleChangeFilter(owner, std::move(changed));
}

} // namespace widgets
