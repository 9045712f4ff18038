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

std::string JsonString(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

std::string DumpLine(const Screen& screen, const Things& things,
                     const std::vector<OperationLog::Operation>& operations)
{
    std::string out = "{";
    // The boxes, then the labels, each in the catalogue's order.
    for (const FieldInfo& box : kFieldCatalogue) {
        if (box.kind != FieldKind::TextBox && box.kind != FieldKind::MultiLine) continue;
        Key(out, box.name);
        out += JsonString(screen.Shown(box.field));
    }
    for (const FieldInfo& label : kFieldCatalogue) {
        if (label.kind != FieldKind::Label) continue;
        Key(out, label.name);
        out += JsonString(screen.Shown(label.field));
    }

    Key(out, "SubnetList");
    out += "{\"entries\":[";
    const std::vector<std::string> entries = screen.ListEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) out += ',';
        out += JsonString(entries[i]);
    }
    out += "],\"selected\":";
    const std::string selected = screen.ListSelected();
    out += selected.empty() ? "null" : JsonString(selected);
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
            out += JsonString(operations[i][j]);
        }
        out += ']';
    }
    out += "]}";
    return out;
}

} // namespace quorvane::replay
