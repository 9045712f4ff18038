// SPDX-License-Identifier: MIT
#include "PageScreen.h"

#include "Link.h"

namespace quorvane {

namespace {

std::string JsonTexts(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& text : texts)
        out += (out.size() > 1 ? "," : "") + JsonText(text);
    return out + ']';
}

} // namespace

std::string PageScreen(const FieldModel& model)
{
    std::string fields;
    std::string explanations;
    for (const FieldInfo& info : kFieldCatalogue) {
        const std::string name = JsonText(info.name) + ':';
        if (info.kind != FieldKind::DropDown && info.kind != FieldKind::Option)
            fields += (fields.empty() ? "" : ",") + name + JsonText(model.Shown(info.field));
        if (!model.Explanation(info.field).empty())
            explanations +=
                (explanations.empty() ? "" : ",") + name + JsonText(model.Explanation(info.field));
    }
    const std::string selected = model.ListSelected();
    const auto focus = model.Focused();
    const bool selectedAll =
        focus && InfoOf(*focus).kind == FieldKind::TextBox && !model.Caret(*focus).selected.empty();
    return "{\"fields\":{" + fields + "},\"entries\":" + JsonTexts(model.ListEntries()) +
           ",\"selected\":" + (selected.empty() ? "null" : JsonText(selected)) +
           ",\"hints\":" + JsonTexts(model.EntryHints()) +
           ",\"supernet\":" + (model.OptionSelected(Field::Subsuper2) ? "true" : "false") +
           ",\"focus\":" + (focus ? JsonText(NameOf(*focus)) : "null") +
           ",\"selectedAll\":" + (selectedAll ? "true" : "false") + ",\"explanations\":{" +
           explanations + "},\"link\":" + JsonText(LinkOf(model)) + '}';
}

} // namespace quorvane
