// SPDX-License-Identifier: MIT
#pragma once

#include "AddressEntry.h"
#include "Window.h"

#include <QObject>

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace quorvane {

// The calculator's window fields on the Qt widgets of Main, found by their names.
// Events reach `raise` exactly as the calculator expects:
// - an octet box raises its change for every change of its text, the user's and the
//   program's; a program write of the text the box already holds raises nothing;
//   after a program write the box's whole text is selected, the caret at its end;
// - the mask list raises its click when the user picks an entry (again on the shown
//   one) and, nested, when the program selects an entry by text; clearing and
//   appending raise nothing;
// - an option raises its click on every click, also on the selected option;
// - captions and the Hosts/Subnets list raise nothing.
// Across the octet boxes, a "." keystroke in a box that holds text moves on to the
// next box with its text selected, and a pasted address is entered into all four.
class QtFields final : public Window, private AddressEntrySteps {
public:
    explicit QtFields(QWidget& window);
    QtFields(const QtFields&) = delete;
    QtFields& operator=(const QtFields&) = delete;
    ~QtFields() override;

    void SetCaption(Field label, std::string_view caption) override;
    std::string Caption(Field label) const override;
    std::string Text(Field box) const override;
    void SetText(Field box, std::string_view text) override;
    void ListClear() override;
    void ListAdd(std::string_view entry) override;
    std::string ListSelected() const override;
    void ListSelect(std::string_view entry) override;

    std::vector<std::string> ListEntries() const override;
    bool OptionSelected(Field option) const override;
    std::string DecimalPoint() const override;

private:
    QWidget* Widget(Field field) const { return widgets_[static_cast<std::size_t>(field)]; }
    QLabel* Label(Field field) const;
    QLineEdit* LineEdit(Field field) const;
    QPlainTextEdit* ListBox() const;
    QComboBox* MaskList() const;
    QRadioButton* Option(Field field) const;
    void Raise(Field source) const;
    void WriteListBox(std::string_view text);

    // AddressEntrySteps
    void EditBox(Field box, std::string_view text) override;
    void ClickOption(Field option) override;
    void FocusBox(Field box) override;

    std::array<QWidget*, kFieldCatalogue.size()> widgets_{};
    // While a pasted address is entered, the list box's text as last written; the
    // box itself takes it once at the end.
    bool holdList_ = false;
    std::optional<std::string> heldList_;
    // The context of every connection from the widgets to the adapter. The widgets
    // outlive the adapter (the window deletes its children after its members), and
    // losing the focus on the way out can still change a box's text; declared last,
    // this goes first and takes the connections with it.
    QObject connections_;
};

} // namespace quorvane
