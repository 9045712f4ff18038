#include "FieldModel.h"

#include "BoxText.h"

#include <algorithm>

namespace quorvane {

namespace {

bool IsOctetBox(Field field) { return InfoOf(field).kind == FieldKind::TextBox; }

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

std::string FieldModel::Caption(Field label) const { return ValueOf(label); }

std::string FieldModel::Text(Field box) const { return ValueOf(box); }

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

void FieldModel::ListAdd(std::string_view entry) { entries_.emplace_back(entry); }

std::string FieldModel::ListSelected() const { return selected_ ? entries_[*selected_] : ""; }

// The program's selection by text raises the same click as the user's pick.
void FieldModel::ListSelect(std::string_view entry) { Pick(entry); }

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
        if (!InsertsAsKeystroke(cp)) continue;
        if (IsOctetBox(box) && DecodeUtf8(ValueOf(box)).size() >= kOctetBoxLength) continue;
        std::string text = ValueOf(box);
        AppendUtf8(text, cp);
        UserEdit(box, std::move(text));
    }
}

void FieldModel::Backspace(Field box, int count)
{
    for (int i = 0; i < count && !ValueOf(box).empty(); ++i) {
        std::vector<char32_t> cps = DecodeUtf8(ValueOf(box));
        cps.pop_back();
        UserEdit(box, EncodeUtf8(cps));
    }
}

void FieldModel::Clear(Field box)
{
    if (!ValueOf(box).empty()) UserEdit(box, "");
}

void FieldModel::Paste(Field box, std::string_view utf8)
{
    if (ValueOf(box).empty() && utf8.empty()) return;
    UserEdit(box, IsOctetBox(box) ? FirstCodePoints(utf8, kOctetBoxLength) : SanitizeUtf8(utf8));
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
