// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// A text as a JSON string, quotes included: quotes, backslashes and control
// characters escaped, and any bytes that are no UTF-8 (an argument may hold them) as
// U+FFFD, so the result is always valid JSON.
void AppendJsonText(std::string& out, std::string_view text);
std::string JsonText(std::string_view text);

} // namespace quorvane
