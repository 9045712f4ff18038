// SPDX-License-Identifier: MIT
#pragma once

#include "Screen.h"

#include <array>

class QWidget;

namespace quorvane {

// What a person sees on a Qt window: the controls of the catalogue, found by their
// names, each read as the widget holds it (a label's text, a line edit's text,
// selection and caret, the list box's plain text, the combo's entries, an option's
// check). Reads nothing through the window's fields, so what the program is told and
// what the window shows can be held against each other. The window outlives this.
class QtScreen final : public Screen {
public:
    explicit QtScreen(const QWidget& window);

    std::string Shown(Field field) const override;
    std::vector<std::string> ListEntries() const override;
    std::string ListSelected() const override;
    bool OptionSelected(Field option) const override;
    std::optional<Field> Focused() const override;
    BoxCaret Caret(Field box) const override;

private:
    template <typename Control> const Control& Widget(Field field) const;

    const QWidget& window_;
    std::array<const QWidget*, kFieldCatalogue.size()> widgets_{};
};

} // namespace quorvane
