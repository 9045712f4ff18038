// SPDX-License-Identifier: MIT
// The whole-address reader on arbitrary text: it finds the address a plain scan of
// the text finds (below), groups as written, with a prefix of 0 to 999 and the text
// it was read from; or nothing when the scan finds none. Never a crash, and never a
// read past the text (the input is copied into a buffer of its own size, so the
// sanitizer sees one).
#include "AddressInText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Broken(const char* rule)
{
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

bool LetterOrDigit(char c)
{
    return Digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The text cut into whole dotted runs (digits, and each dot that stands between two
// digits); the address is the first run of exactly four groups of 1 to 3 digits
// with no ASCII letter or digit right before or after it.
std::optional<std::array<std::string_view, 4>> Reference(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        if (!Digit(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() &&
               (Digit(text[end]) ||
                (text[end] == '.' && end + 1 < text.size() && Digit(text[end + 1]))))
            ++end;
        const bool alone = (at == 0 || !LetterOrDigit(text[at - 1])) &&
                           (end == text.size() || !LetterOrDigit(text[end]));
        std::array<std::string_view, 4> groups;
        std::size_t count = 0;
        bool fit = true;
        for (std::size_t from = at; from < end; ++count) {
            const std::size_t dot = std::min(text.find('.', from), end);
            if (count < groups.size()) groups[count] = text.substr(from, dot - from);
            fit = fit && dot - from <= 3;
            from = dot + 1;
        }
        if (alone && count == 4 && fit) return groups;
        at = end;
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    std::copy(data, data + size, copy.get());
    const std::string_view text(copy.get(), size);

    const auto address = quorvane::FindAddress(text);
    const auto expected = Reference(text);
    if (address.has_value() != expected.has_value()) Broken("an address where the scan finds one");
    if (!address) return 0;
    for (std::size_t i = 0; i < expected->size(); ++i) {
        if (address->octets[i] != (*expected)[i]) Broken("the scan's first address, as written");
    }
    if (address->prefix && (*address->prefix < 0 || *address->prefix > 999))
        Broken("a prefix of 0 to 999");
    if (address->prefix && address->prefixText.empty()) Broken("a prefix as it was written");
    return 0;
}
