// SPDX-License-Identifier: MIT
// The octet boxes on the headless window with arbitrary text. The first byte
// chooses the mode, whether the boxes are limited to three characters as the
// window limits them or take any bytes (as only a program write could), and which
// mask to pick at the end; the rest, split at newlines, is pasted into boxes 1, 2,
// 3, 4, 1, ... in turn. After every action every invariant of the window must hold.
#include "FieldModel.h"
#include "Program.h"
#include "WindowInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace quorvane;

void Check(const FieldModel& window, const hardening::InvariantOptions& options,
           const std::string& action)
{
    const std::vector<std::string> broken = hardening::CheckWindow(window, options);
    if (broken.empty()) return;
    std::fprintf(stderr, "after %s:\n", action.c_str());
    for (const std::string& message : broken)
        std::fprintf(stderr, "  %s\n", message.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    const bool supernet = (flags & 1) != 0;
    hardening::InvariantOptions options;
    options.boxesLimited = (flags & 2) == 0;
    const std::size_t pick = flags >> 2;

    FieldModel window;
    Program program(window);
    if (supernet) {
        window.Click(Field::Subsuper2);
        Check(window, options, "Supernet");
    }

    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t start = 0;
    for (std::size_t part = 0; start <= rest.size(); ++part) {
        std::size_t end = rest.find('\n', start);
        if (end == std::string_view::npos) end = rest.size();
        const std::string_view text = rest.substr(start, end - start);
        const Field box = kOctetBoxes[part % 4];
        if (options.boxesLimited) {
            window.Paste(box, text);
        } else {
            window.SetText(box, text);
        }
        Check(window, options, "writing box " + std::to_string(part % 4 + 1));
        start = end + 1;
    }

    const std::vector<std::string> entries = window.ListEntries();
    if (!entries.empty()) {
        window.Pick(entries[pick % entries.size()]);
        Check(window, options, "picking " + entries[pick % entries.size()]);
    }
    window.Click(supernet ? Field::Subsuper1 : Field::Subsuper2);
    Check(window, options, "switching the mode");
    return 0;
}
