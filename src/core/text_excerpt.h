#pragma once
// Quoting user text in messages: short, and without control characters, so
// that a damaged file cannot make a message unreadable.

#include <string>
#include <string_view>

namespace ventora {

// `text` in double quotes, cut to `limit` characters with "..." after it;
// control characters show as "?".
std::string QuotedExcerpt(std::string_view text, std::size_t limit = 40);

}  // namespace ventora
