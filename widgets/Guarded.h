// Every event handler of the windows runs inside guarded(): an error ends the handler at the
// failing step and goes to the one error display, and nothing unwinds through Qt's frames
// (Qt is built without exception tables).
#pragma once

#include "numtext/numtext.h"
#include "widgets/ErrorDisplay.h"

#include <exception>
#include <new>
#include <utility>

namespace widgets {

// What set the handler off; an exit handler's error must not let the press that moved the
// focus go on to act.
enum class Trigger { Event, FocusChange };

template <typename Handler>
void guarded(Handler&& handler, Trigger trigger = Trigger::Event) noexcept {
    const bool fromFocusChange = trigger == Trigger::FocusChange;
    try {
        std::forward<Handler>(handler)();
    } catch (const numtext::ConversionError& error) {
        ErrorDisplay::report(QString::fromStdString(error.message()), fromFocusChange);
    } catch (const std::bad_alloc&) {
        ErrorDisplay::report(QStringLiteral("Out of memory"), fromFocusChange);
    } catch (const std::exception& error) {
        ErrorDisplay::report(QString::fromUtf8(error.what()), fromFocusChange);
    } catch (...) {
        ErrorDisplay::report(QStringLiteral("Unexpected error"), fromFocusChange);
    }
}

} // namespace widgets
