#pragma once
// Quoting user text in messages: short, and without control characters, so
// that a damaged or crafted file can neither make a message unreadable nor
// drive the user's terminal.

#include <string>
#include <string_view>

namespace ventora {

// `text` with every control character (below 0x20, 0x7F, the C1 range
// U+0080 to U+009F) and every byte that is not part of well-formed UTF-8
// written as "\xHH"; other characters stay as they are.
std::string EscapedText(std::string_view text);

// `text` in double quotes, cut to `limit` bytes with "..." after it, escaped
// as EscapedText does.
std::string QuotedExcerpt(std::string_view text, std::size_t limit = 40);

}  // namespace ventora
