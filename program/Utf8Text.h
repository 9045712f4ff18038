// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The code points of UTF-8 text; a malformed sequence reads as U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(const std::vector<char32_t>& codePoints);
void AppendUtf8(std::string& out, char32_t codePoint);

// Valid UTF-8 for any bytes: malformed sequences become U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

// The first `limit` code points of the text.
std::string FirstCodePoints(std::string_view utf8, std::size_t limit);

} // namespace quorvane
