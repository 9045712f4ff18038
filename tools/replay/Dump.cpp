// SPDX-License-Identifier: MIT
#include "Dump.h"

namespace quorvane::replay {

namespace {

void Key(std::string& out, std::string_view name)
{
    if (out.size() > 1) out += ',';
    out += '"';
    out += name;
    out += "\":";
}

} // namespace

std::string DumpLine(const Screen& screen, const Things& things,
                     const std::vector<OperationLog::Operation>& operations)
{
    std::string out = "{";
    // The boxes, then the labels, each in the catalogue's order.
    for (const FieldInfo& box : kFieldCatalogue) {
        if (box.kind != FieldKind::TextBox && box.kind != FieldKind::MultiLine) continue;
        Key(out, box.name);
        out += JsonText(screen.Shown(box.field));
    }
    for (const FieldInfo& label : kFieldCatalogue) {
        if (label.kind != FieldKind::Label) continue;
        Key(out, label.name);
        out += JsonText(screen.Shown(label.field));
    }

    Key(out, "SubnetList");
    out += "{\"entries\":[";
    const std::vector<std::string> entries = screen.ListEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) out += ',';
        out += JsonText(entries[i]);
    }
    out += "],\"selected\":";
    const std::string selected = screen.ListSelected();
    out += selected.empty() ? "null" : JsonText(selected);
    out += '}';

    for (Field option : {Field::Subsuper1, Field::Subsuper2}) {
        Key(out, NameOf(option));
        out += screen.OptionSelected(option) ? "true" : "false";
    }
    Key(out, "NetClass");
    out += std::to_string(things.NetClass);
    Key(out, "MaskBits");
    out += std::to_string(things.MaskBits);
    Key(out, "SubSuperMode");
    out += std::to_string(things.SubSuperMode);

    Key(out, "ops");
    out += '[';
    for (std::size_t i = 0; i < operations.size(); ++i) {
        if (i > 0) out += ',';
        out += '[';
        for (std::size_t j = 0; j < operations[i].size(); ++j) {
            if (j > 0) out += ',';
            out += JsonText(operations[i][j]);
        }
        out += ']';
    }
    out += "]}";
    return out;
}

} // namespace quorvane::replay
