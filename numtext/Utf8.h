// The few UTF-8 facts the conversions need.
#pragma once

#include <string>

namespace numtext::detail {

// The UTF-8 bytes of one code point; an invalid code point gives the replacement character.
std::string encodeUtf8(char32_t codePoint);

} // namespace numtext::detail
