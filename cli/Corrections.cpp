// SPDX-License-Identifier: MIT
#include "Corrections.h"

#include "AddressNumbers.h"
#include "Classes.h"
#include "Classify.h"
#include "ResultsReport.h"

#include <algorithm>
#include <string_view>

namespace quorvane {

namespace {

// Written digits as a number; a longer run of digits than an octet has stays above 255.
int OctetValue(std::string_view digits)
{
    int value = 0;
    for (const char digit : digits)
        value = std::min(value * 10 + (digit - '0'), 1000);
    return value;
}

std::string OctetNote(std::size_t box, const std::string& written, const std::string& shown)
{
    const std::string octet = "octet " + std::to_string(box + 1) + " (" + written + ")";
    const int lowest = box == 0 ? 1 : 0;
    if (OctetValue(written) > 255) return octet + " is above 255; shown as " + shown;
    if (OctetValue(written) < lowest)
        return octet + " is below " + std::to_string(lowest) + "; shown as " + shown;
    return octet + " is shown as " + shown;
}

std::string PrefixNote(const PastedAddress& written, const Window& window, std::int16_t netClass)
{
    const std::string& asWritten = written.prefixText;
    if (netClass > net_class::kC)
        return asWritten + " ignored: " + NotSubnettedAddress(netClass) + " is not subnetted";
    const std::optional<int> shown = ShownPrefix(window);
    const std::string with = shown ? "; shown with /" + std::to_string(*shown) : "";
    // A mask reads better without the "/" that may stand before it.
    const bool slashNumber = asWritten.starts_with('/') && asWritten.find('.') == std::string::npos;
    if (!written.prefix)
        return (asWritten.starts_with('/') ? asWritten.substr(1) : asWritten) + " is not a mask" +
               with;
    if (shown == written.prefix) return {};
    return ClassName(netClass) + " has no " +
           (slashNumber ? asWritten : "/" + std::to_string(*written.prefix)) + " mask" + with;
}

} // namespace

std::vector<std::string> NotTakenAsWritten(const PastedAddress& written, const Window& window)
{
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i) {
        const std::string shown = window.Text(kOctetBoxes[i]);
        if (shown != written.octets[i]) notes.push_back(OctetNote(i, written.octets[i], shown));
    }
    const std::optional<std::uint32_t> address = ShownAddress(window.Caption(Field::BinHost));
    if (written.prefixText.empty() || !address) return notes;
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    if (std::string note = PrefixNote(written, window, netClass); !note.empty())
        notes.push_back(std::move(note));
    return notes;
}

} // namespace quorvane
