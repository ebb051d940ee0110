#include "widgets/MessageText.h"

namespace widgets {

QString withFullStop(const QString& message) {
    if (message.isEmpty()) {
        return message;
    }
    const char16_t last = message.back().unicode();
    if (last > u'.' || last == u'\'' || last == u'"') {
        return message + u'.';
    }
    return message;
}

} // namespace widgets
