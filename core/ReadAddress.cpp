// SPDX-License-Identifier: MIT
#include "BitStrings.h"
#include "Classify.h"
#include "Format.h"
#include "TextValue.h"
#include "Things.h"

#include <array>
#include <string>

namespace quorvane {

void Things::ReadAddress()
{
    // All four boxes are read before anything is corrected: a correction raises the
    // box's change event, and the nested run must not disturb this run's octets.
    std::array<double, 4> value{};
    for (std::size_t i = 0; i < 4; ++i) {
        value[i] = RoundHalfEven(TextValue(fields_.Text(kOctetBoxes[i])));
    }

    std::array<std::int16_t, 4> octet{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::int16_t lowest = i == 0 ? 1 : 0;
        // Compare as doubles so that values far outside 16 bits are corrected, not wrapped.
        if (value[i] > 255) {
            fields_.SetText(kOctetBoxes[i], "255");
            octet[i] = 255;
        } else if (value[i] < lowest) {
            fields_.SetText(kOctetBoxes[i], i == 0 ? "1" : "0");
            octet[i] = lowest;
        } else {
            octet[i] = static_cast<std::int16_t>(value[i]);
        }
    }

    const ClassView view = Classify(octet[0]);
    NetClass = view.netClass;
    fields_.SetCaption(Field::Class, view.caption);

    const std::string o1 = FormatWhole(octet[0]);
    const std::string o2 = FormatWhole(octet[1]);
    const std::string o3 = FormatWhole(octet[2]);
    const std::string o4 = FormatWhole(octet[3]);
    switch (view.netClass) {
    case net_class::kA:
        fields_.SetCaption(Field::NetID, o1 + ".x.x.x");
        fields_.SetCaption(Field::HostID, "x." + o2 + "." + o3 + "." + o4);
        break;
    case net_class::kB:
        fields_.SetCaption(Field::NetID, o1 + "." + o2 + ".x.x");
        fields_.SetCaption(Field::HostID, "x.x." + o3 + "." + o4);
        break;
    case net_class::kC:
        fields_.SetCaption(Field::NetID, o1 + "." + o2 + "." + o3 + ".x");
        fields_.SetCaption(Field::HostID, "x.x.x." + o4);
        break;
    default:
        fields_.SetCaption(Field::NetID, kNotApplicable);
        fields_.SetCaption(Field::HostID, kNotApplicable);
        break;
    }

    // Converting consumes the octets, so this comes after every other use of them.
    std::array<std::string, 4> group;
    for (std::size_t i = 0; i < 4; ++i)
        group[i] = OctetToBits(octet[i]);
    const double decimal = BitsToNumber(group[0] + group[1] + group[2] + group[3]);
    fields_.SetCaption(Field::BinHost, group[0] + " " + group[1] + " " + group[2] + " " + group[3]);
    fields_.SetCaption(Field::DecIP, FormatWhole(decimal));
}

} // namespace quorvane
