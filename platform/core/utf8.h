// Wide strings to UTF-8, for fontconfig names and files other processes read.
#pragma once

#include <string>
#include <string_view>

namespace utf8 {

std::string FromWide(std::wstring_view text);

}  // namespace utf8
