// The platform's side of the regional settings: where the user's decimal separator is kept,
// and how the platform announces that the user changed it. One source file per platform.
#pragma once

#include <functional>

class QObject;

namespace widgets {

// The separator as the platform's regional settings give it now: their first character, or
// the full stop where they give none.
char32_t readSystemDecimalSeparator();

// Calls `changed` whenever the platform announces a change of its regional settings, for as
// long as `owner` lives.
void watchSystemRegionalSettings(QObject& owner, std::function<void()> changed);

} // namespace widgets
