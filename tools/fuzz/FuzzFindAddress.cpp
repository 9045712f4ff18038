// SPDX-License-Identifier: MIT
// The whole-address reader on arbitrary text: it finds an address whose four groups
// stand in the text as written, joined by dots, each of 1 to 3 digits, with a prefix
// of 0 to 999; or nothing. Never a crash, and never a read past the text
// (the input is copied into a buffer of its own size, so the sanitizer sees one).
#include "AddressInText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

void Broken(const char* rule)
{
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    std::copy(data, data + size, copy.get());
    const std::string_view text(copy.get(), size);

    const auto address = quorvane::FindAddress(text);
    if (!address) return 0;
    std::string quad;
    for (const std::string& group : address->octets) {
        if (group.empty() || group.size() > 3) Broken("a group of 1 to 3 digits");
        for (char c : group) {
            if (c < '0' || c > '9') Broken("a group of digits");
        }
        quad += (quad.empty() ? "" : ".") + group;
    }
    if (text.find(quad) == std::string_view::npos) Broken("the address stands in the text");
    if (address->prefix && (*address->prefix < 0 || *address->prefix > 999))
        Broken("a prefix of 0 to 999");
    if (address->prefix && address->prefixText.empty()) Broken("a prefix as it was written");
    return 0;
}
