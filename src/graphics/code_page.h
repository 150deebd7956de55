// Texts from Unicode to code page 932 (Shift-JIS), the Windows way: what the core's own-day file
// import hands over for its last step.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tezun {

// The text in code page 932, or nothing when a character of it has no form there; no best-fit
// look-alike is put in its place.
std::optional<std::string> ToCodePage932(std::u16string_view text);

}  // namespace tezun
