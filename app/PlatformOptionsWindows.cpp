// Text measured and drawn through GDI, as the windows were laid out for. Qt 6.8 and later
// default to DirectWrite, whose advances no longer fit the résumé's labels in their designed
// widths (58 pixels for 55) and whose kerning of unshaped captions differs from their shaped
// form. Qt 6.4 draws through GDI already and passes over the option.
#include "app/PlatformOptions.h"

#include <QByteArray>
#include <QtGlobal>

namespace app {

void choosePlatformOptions() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=gdi");
    }
}

} // namespace app
