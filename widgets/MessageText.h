// The text of an error box.
#pragma once

#include <QString>

namespace widgets {

// The message with a full stop appended when its last character's code is above that of the
// full stop (46), so after a letter or digit but not after . , - ) or a blank; a message that
// ends in a quotation mark gets one too, ' and " included although their codes are lower.
QString withFullStop(const QString& message);

} // namespace widgets
