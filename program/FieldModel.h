// SPDX-License-Identifier: MIT
#pragma once

#include "AddressEntry.h"
#include "Screen.h"
#include "UserActions.h"
#include "Window.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {

// The window without a toolkit: every named field as plain data, raising the same
// events the real window raises, synchronously through `eventHandler`:
// - a program write of an octet box's text raises its change event, nested, unless
//   the box already holds that text (as a toolkit line edit behaves), and leaves the
//   box's whole text selected;
// - a selection by text raises the list's click event, nested;
// - clearing or appending list entries and setting captions raise nothing;
// - a click on an option raises its click event, even on the selected option.
// It keeps what decides where the next keystroke goes: which control has the focus,
// and for each octet box whether its whole text is selected. Otherwise the caret
// stands at the end of the text. Across the octet boxes it takes a whole address as
// the window does: a "." typed into a box that holds text moves the focus on (the
// keystrokes after it go to the next box), a "/" in box 4 moves it to the mask
// list, where a typed prefix length picks its mask (the keystrokes of one Type
// call follow each other closely, and the user pauses after them), and a pasted
// text that holds an address fills all four.
// What it holds is also what its user sees: it is its own Screen. A face that shows
// what the fields mean (tooltips, a screen reader's descriptions) keeps them here too.
class FieldModel final : public Window,
                         public UserActions,
                         public Screen,
                         private AddressEntrySteps {
public:
    // Whether the Hosts/Subnets list box is looked at (see Fields::ShowsHostList).
    enum class HostListBox : std::uint8_t { Shown, Unseen };

    // `decimalPoint`: the user's number settings; `explains`: whether the model keeps
    // what its fields mean, which the program then works out after every action.
    explicit FieldModel(std::string decimalPoint = ".", HostListBox listBox = HostListBox::Shown,
                        bool explains = false);

    // Fields
    void SetCaption(Field label, std::string_view caption) override;
    std::string Caption(Field label) const override;
    std::string Text(Field box) const override;
    void SetText(Field box, std::string_view text) override;
    void ListClear() override;
    void ListAdd(std::string_view entry) override;
    std::string ListSelected() const override;
    void ListSelect(std::string_view entry) override;

    // Window, and Screen for the list and the options
    std::vector<std::string> ListEntries() const override { return entries_; }
    bool OptionSelected(Field option) const override;
    std::string DecimalPoint() const override { return decimalPoint_; }
    bool ShowsHostList() const override { return listBox_ == HostListBox::Shown; }
    bool Explains() const override { return explains_; }
    void Explain(Field field, std::string_view text) override;
    void ExplainEntries(const std::vector<std::string>& hints) override { hints_ = hints; }

    // What a field means now, and each mask list entry's hint in list order; empty
    // on a model that does not explain.
    const std::string& Explanation(Field field) const
    {
        return explanations_[static_cast<std::size_t>(field)];
    }
    const std::vector<std::string>& EntryHints() const { return hints_; }

    // Screen
    std::string Shown(Field field) const override { return ValueOf(field); }
    std::optional<Field> Focused() const override { return focus_; }
    BoxCaret Caret(Field box) const override;

    // UserActions
    void Type(Field box, std::string_view utf8) override;
    void Backspace(Field box, int count) override;
    void Clear(Field box) override;
    void Paste(Field box, std::string_view utf8) override;
    bool Pick(std::string_view entry) override;
    void Click(Field option) override;

private:
    std::string& ValueOf(Field field) { return values_[static_cast<std::size_t>(field)]; }
    const std::string& ValueOf(Field field) const
    {
        return values_[static_cast<std::size_t>(field)];
    }
    // A user's edit: the new text and the change event an octet box raises for it.
    void UserEdit(Field box, std::string text);
    void Raise(Field source) const;
    // The user acts on a control: a box that has the focus already keeps its caret;
    // otherwise the control takes the focus (an octet box with its whole text
    // selected, as a click selects it) and the box that loses it drops its selection.
    void Focus(Field control);
    bool& WholeTextSelected(Field box);
    // Picks the mask of the prefix length typed into the mask list, if any.
    void TypedPrefix();

    // AddressEntrySteps
    void EditBox(Field box, std::string_view text) override;
    void ClickOption(Field option) override;
    void FocusBox(Field box) override;
    bool SelectEntry(std::string_view entry);

    std::array<std::string, kFieldCatalogue.size()> values_;
    std::vector<std::string> entries_;
    std::optional<std::size_t> selected_;
    std::string decimalPoint_;
    HostListBox listBox_;
    bool explains_;
    std::array<std::string, kFieldCatalogue.size()> explanations_;
    std::vector<std::string> hints_;
    bool supernet_ = false;
    Field focus_ = Field::IP_Part1; // the first control of the tab order
    std::array<bool, kOctetBoxes.size()> wholeTextSelected_{};
    PrefixKeys prefixKeys_;
};

} // namespace quorvane
