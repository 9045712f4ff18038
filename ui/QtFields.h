// SPDX-License-Identifier: MIT
#pragma once

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

// The calculator's window fields on the Qt widgets of Main, found by their names
// and checked to be the kind of control each field is when the adapter is built
// (std::logic_error otherwise); nothing after that throws. A call that takes a field
// of another kind (a caption for a text box) is a programming error: it asserts,
// and does nothing.
// Events reach `eventHandler` exactly as the calculator expects:
// - an octet box raises its change for every change of its text, the user's and the
//   program's; a program write of the text the box already holds raises nothing;
//   after a program write the box's whole text is selected, the caret at its end;
// - the mask list raises its click when the user picks an entry (again on the shown
//   one) and, nested, when the program selects an entry by text; clearing and
//   appending raise nothing;
// - an option raises its click on every click, also on the selected option;
// - captions and the Hosts/Subnets list raise nothing.
class QtFields final : public Window {
public:
    explicit QtFields(QWidget& window);
    QtFields(const QtFields&) = delete;
    QtFields& operator=(const QtFields&) = delete;

    // Holds back the Hosts/Subnets list box while it lives: the box keeps what it
    // shows, and the text last written to it (which Text answers meanwhile) goes in
    // when the hold ends, however it ends. For a run of recalculations whose lists
    // nobody sees but the last.
    class ListHold {
    public:
        explicit ListHold(QtFields& fields);
        ListHold(const ListHold&) = delete;
        ListHold& operator=(const ListHold&) = delete;
        ~ListHold();

    private:
        QtFields& fields_;
    };

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
    // The control's tooltip and accessible description.
    bool Explains() const override { return true; }
    void Explain(Field field, std::string_view text) override;
    void ExplainEntries(const std::vector<std::string>& hints) override;

private:
    template <typename T> using PerField = std::array<T*, kFieldCatalogue.size()>;

    void Raise(Field source) const;
    void WriteListBox(std::string_view text);

    // Every field's control, found and type-checked once, by the constructor: its
    // widget, and the typed pointer of its kind; the other kinds' stay null there.
    PerField<QWidget> widgets_{};
    PerField<QLabel> labels_{};
    PerField<QLineEdit> lineEdits_{};
    PerField<QRadioButton> options_{};
    QPlainTextEdit* listBox_ = nullptr;
    QComboBox* maskList_ = nullptr;
    // While a ListHold lives: whether the list box has been written, and the text.
    bool listHeld_ = false;
    std::optional<std::string> heldList_;
    // The context of every connection from the widgets to the adapter. The widgets
    // outlive the adapter (the window deletes its children after its members), and
    // losing the focus on the way out can still change a box's text; declared last,
    // this goes first and takes the connections with it.
    QObject connections_;
};

} // namespace quorvane
