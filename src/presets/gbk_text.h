#pragma once
// Text inside the program is UTF-8; preset files hold GBK (code page 936).
#include <optional>
#include <string>
#include <string_view>

namespace kavel {

// Empty when the text holds a character GBK cannot encode.
std::optional<std::string> utf8ToGbk(std::string_view text);
// Empty when the bytes are not valid GBK.
std::optional<std::string> gbkToUtf8(std::string_view bytes);

}  // namespace kavel
