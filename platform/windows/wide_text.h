#pragma once

#include <string>
#include <string_view>

// UTF-8, as the program holds text, to and from UTF-16, as every Windows call takes it. An
// invalid UTF-8 sequence becomes U+FFFD; an unpaired surrogate likewise in the other direction.
std::wstring WidenUtf8(std::string_view text);
std::string NarrowToUtf8(std::wstring_view text);
