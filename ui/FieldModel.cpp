// SPDX-License-Identifier: MIT
#include "FieldModel.h"

#include "BoxText.h"

#include <algorithm>

namespace quorvane {

namespace {

bool IsOctetBox(Field field)
{
    return InfoOf(field).kind == FieldKind::TextBox;
}

bool IsLineBreak(char32_t cp)
{
    return cp == '\r' || cp == '\n' || cp == 0x2028 || cp == 0x2029;
}

// What the multi-line list box keeps of typed or pasted text: every kind of line
// break becomes one CRLF, and a no-break space reads back as a plain space.
std::string AsListBoxText(std::string_view utf8)
{
    const std::vector<char32_t> cps = DecodeUtf8(utf8);
    std::string text;
    for (std::size_t i = 0; i < cps.size(); ++i) {
        if (IsLineBreak(cps[i])) {
            if (cps[i] == '\r' && i + 1 < cps.size() && cps[i + 1] == '\n') ++i;
            text += "\r\n";
        } else {
            AppendUtf8(text, cps[i] == 0xA0 ? U' ' : cps[i]);
        }
    }
    return text;
}

} // namespace

FieldModel::FieldModel()
{
    // The captions the window is designed with; every value field starts empty.
    ValueOf(Field::SubnetBitsLabel) = "Subnet Bits:";
    ValueOf(Field::MaxSubnetsLabel) = "Max. Subnets:";
}

void FieldModel::Raise(Field source) const
{
    if (raise) raise(source);
}

void FieldModel::SetCaption(Field label, std::string_view caption)
{
    ValueOf(label) = std::string(caption);
}

std::string FieldModel::Caption(Field label) const
{
    return ValueOf(label);
}

std::string FieldModel::Text(Field box) const
{
    return ValueOf(box);
}

void FieldModel::SetText(Field box, std::string_view text)
{
    if (ValueOf(box) == text) return;
    ValueOf(box) = std::string(text);
    if (IsOctetBox(box)) Raise(box);
}

void FieldModel::ListClear()
{
    entries_.clear();
    selected_.reset();
}

void FieldModel::ListAdd(std::string_view entry)
{
    entries_.emplace_back(entry);
}

std::string FieldModel::ListSelected() const
{
    return selected_ ? entries_[*selected_] : "";
}

// The program's selection by text raises the same click as the user's pick.
void FieldModel::ListSelect(std::string_view entry)
{
    Pick(entry);
}

bool FieldModel::OptionSelected(Field option) const
{
    return (option == Field::Subsuper2) == supernet_;
}

void FieldModel::UserEdit(Field box, std::string text)
{
    ValueOf(box) = std::move(text);
    if (IsOctetBox(box)) Raise(box);
}

void FieldModel::Type(Field box, std::string_view utf8)
{
    for (char32_t cp : DecodeUtf8(utf8)) {
        std::string text = ValueOf(box);
        if (IsOctetBox(box)) {
            if (!InsertsAsKeystroke(cp) || DecodeUtf8(text).size() >= kOctetBoxLength) continue;
            AppendUtf8(text, cp);
        } else if (cp == 0x2028 || cp == 0x2029) {
            text += "\r\n"; // typed separators start a new line; a typed CR or LF is refused
        } else if (InsertsAsKeystroke(cp)) {
            text += AsListBoxText(EncodeUtf8({cp}));
        } else {
            continue;
        }
        UserEdit(box, std::move(text));
    }
}

void FieldModel::Backspace(Field box, int count)
{
    for (int i = 0; i < count && !ValueOf(box).empty(); ++i) {
        std::string text = ValueOf(box);
        if (!IsOctetBox(box) && text.ends_with("\r\n")) {
            text.resize(text.size() - 2); // a line break goes in one keystroke
        } else {
            std::vector<char32_t> cps = DecodeUtf8(text);
            cps.pop_back();
            text = EncodeUtf8(cps);
        }
        UserEdit(box, std::move(text));
    }
}

void FieldModel::Clear(Field box)
{
    if (!ValueOf(box).empty()) UserEdit(box, "");
}

void FieldModel::Paste(Field box, std::string_view utf8)
{
    if (ValueOf(box).empty() && utf8.empty()) return;
    UserEdit(box, IsOctetBox(box) ? FirstCodePoints(utf8, kOctetBoxLength) : AsListBoxText(utf8));
}

bool FieldModel::Pick(std::string_view entry)
{
    const auto it = std::find(entries_.begin(), entries_.end(), entry);
    if (it == entries_.end()) return false;
    selected_ = static_cast<std::size_t>(it - entries_.begin());
    Raise(Field::SubnetList);
    return true;
}

void FieldModel::Click(Field option)
{
    supernet_ = option == Field::Subsuper2;
    Raise(option);
}

} // namespace quorvane
