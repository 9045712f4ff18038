// SPDX-License-Identifier: MIT
#include "FieldModel.h"

#include "Utf8Text.h"

#include <algorithm>

namespace quorvane {

namespace {

// What the window's controls take, stated here on its own so that the model can
// judge the window: an octet box holds three characters, and no keystroke types a
// control character (C0, DEL or C1) into a box, but for a tab into the list box.
constexpr std::size_t kBoxLength = 3;

bool IsControl(char32_t cp)
{
    return cp <= 0x1F || (cp >= 0x7F && cp <= 0x9F);
}

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

FieldModel::FieldModel(std::string decimalPoint, HostListBox listBox, bool explains)
    : decimalPoint_(std::move(decimalPoint)), listBox_(listBox), explains_(explains)
{
    // Room for the longest mask list (class C in Supernet mode) from the start.
    entries_.reserve(24);
    // The captions the window is designed with; every value field starts empty.
    ValueOf(Field::SubnetBitsLabel) = "Subnet Bits:";
    ValueOf(Field::MaxSubnetsLabel) = "Max. Subnets:";
}

void FieldModel::Raise(Field source) const
{
    if (eventHandler) eventHandler(source);
}

void FieldModel::SetCaption(Field label, std::string_view caption)
{
    ValueOf(label).assign(caption);
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
    if (!IsOctetBox(box)) {
        ValueOf(box).assign(text);
        return;
    }
    if (ValueOf(box) != text) {
        ValueOf(box).assign(text);
        WholeTextSelected(box) = false;
        Raise(box);
    }
    // Selected after the nested change has run, whatever it wrote.
    WholeTextSelected(box) = true;
}

void FieldModel::Explain(Field field, std::string_view text)
{
    explanations_[static_cast<std::size_t>(field)].assign(text);
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

// The program's selection by text raises the same click as the user's pick, but
// leaves the focus where it is.
void FieldModel::ListSelect(std::string_view entry)
{
    SelectEntry(entry);
}

bool FieldModel::OptionSelected(Field option) const
{
    return (option == Field::Subsuper2) == supernet_;
}

BoxCaret FieldModel::Caret(Field box) const
{
    const std::string& text = ValueOf(box);
    const bool selected = wholeTextSelected_[static_cast<std::size_t>(box)];
    return {DecodeUtf8(text).size(), selected ? text : std::string()};
}

bool& FieldModel::WholeTextSelected(Field box)
{
    return wholeTextSelected_[static_cast<std::size_t>(box)];
}

void FieldModel::Focus(Field control)
{
    if (focus_ == control) return;
    if (IsOctetBox(focus_)) WholeTextSelected(focus_) = false;
    focus_ = control;
    // A click into a box that did not have the focus selects its whole text.
    if (IsOctetBox(control)) WholeTextSelected(control) = true;
}

void FieldModel::UserEdit(Field box, std::string text)
{
    ValueOf(box) = std::move(text);
    if (!IsOctetBox(box)) return;
    WholeTextSelected(box) = false;
    Raise(box);
}

void FieldModel::Type(Field control, std::string_view utf8)
{
    Focus(control);
    for (char32_t cp : DecodeUtf8(utf8)) {
        // Each keystroke goes where the focus is: after a "." that moved on, the
        // next box; after a "/" in box 4, the mask list.
        const Field box = focus_;
        if (box == Field::SubnetList) {
            if (prefixKeys_.Key(cp) == PrefixKeys::Taken::Complete) TypedPrefix();
            continue;
        }
        std::string text = ValueOf(box);
        if (IsOctetBox(box)) {
            if (IsControl(cp)) continue;
            if (cp == U'.' || cp == U'/') {
                if (const auto next = FieldAfterSeparator(box, cp, text)) {
                    // As Tab moves on: the next box's whole text selected.
                    Focus(*next);
                    if (IsOctetBox(*next)) WholeTextSelected(*next) = true;
                    continue;
                }
            }
            // A keystroke replaces the selection, so a selected box has room for it.
            if (WholeTextSelected(box)) text.clear();
            if (DecodeUtf8(text).size() >= kBoxLength) continue;
            AppendUtf8(text, cp);
        } else if (cp == 0x2028 || cp == 0x2029) {
            text += "\r\n"; // typed separators start a new line; a typed CR or LF is refused
        } else if (cp == '\t' || !IsControl(cp)) {
            // A multi-line box takes a typed tab character. (The Tab key itself,
            // which no script types, moves the focus on.)
            text += AsListBoxText(EncodeUtf8({cp}));
        } else {
            continue;
        }
        UserEdit(box, std::move(text));
    }
    // The keystrokes of one call follow each other closely; then the user pauses.
    if (focus_ == Field::SubnetList) TypedPrefix();
}

void FieldModel::TypedPrefix()
{
    if (const auto prefix = prefixKeys_.Finish()) ChoosePrefix(*prefix, *this, *this);
}

void FieldModel::Backspace(Field box, int count)
{
    Focus(box);
    for (int i = 0; i < count && !ValueOf(box).empty(); ++i) {
        std::string text = ValueOf(box);
        if (IsOctetBox(box) && WholeTextSelected(box)) {
            text.clear(); // removes the selection
        } else if (!IsOctetBox(box) && text.ends_with("\r\n")) {
            text.resize(text.size() - 2); // a line break goes in one keystroke
        } else {
            std::vector<char32_t> cps = DecodeUtf8(text);
            cps.pop_back();
            text = EncodeUtf8(cps);
        }
        UserEdit(box, std::move(text));
    }
}

// Clear and Paste select all of the box first, so they replace the whole text.
void FieldModel::Clear(Field box)
{
    Focus(box);
    if (!ValueOf(box).empty()) UserEdit(box, "");
}

void FieldModel::Paste(Field box, std::string_view utf8)
{
    Focus(box);
    if (IsOctetBox(box)) {
        if (const auto address = FindAddress(utf8)) {
            EnterAddress(*address, *this, *this);
            return;
        }
    }
    if (ValueOf(box).empty() && utf8.empty()) return;
    UserEdit(box, IsOctetBox(box) ? FirstCodePoints(utf8, kBoxLength) : AsListBoxText(utf8));
}

void FieldModel::EditBox(Field box, std::string_view text)
{
    if (ValueOf(box) != text) {
        UserEdit(box, std::string(text));
    } else {
        WholeTextSelected(box) = false;
    }
}

void FieldModel::ClickOption(Field option)
{
    supernet_ = option == Field::Subsuper2;
    Raise(option);
}

void FieldModel::FocusBox(Field box)
{
    // Unlike the user's move to another box, this keeps the box's selection.
    const bool selected = WholeTextSelected(box);
    Focus(box);
    WholeTextSelected(box) = selected;
}

bool FieldModel::SelectEntry(std::string_view entry)
{
    const auto it = std::find(entries_.begin(), entries_.end(), entry);
    if (it == entries_.end()) return false;
    selected_ = static_cast<std::size_t>(it - entries_.begin());
    Raise(Field::SubnetList);
    return true;
}

bool FieldModel::Pick(std::string_view entry)
{
    if (std::find(entries_.begin(), entries_.end(), entry) == entries_.end()) return false;
    Focus(Field::SubnetList);
    return SelectEntry(entry);
}

void FieldModel::Click(Field option)
{
    Focus(option);
    supernet_ = option == Field::Subsuper2;
    Raise(option);
}

} // namespace quorvane
