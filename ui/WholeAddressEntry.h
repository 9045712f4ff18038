// SPDX-License-Identifier: MIT
#pragma once

#include "AddressEntry.h"
#include "QtFields.h"

#include <array>
#include <memory>

class QObject;
class QWidget;

namespace quorvane {

class OctetBox;

// The octet boxes of a window taken as one address: a "." keystroke in a box that
// holds text moves on to the next box with its text selected, a "/" in box 4 that
// holds text moves on to the mask list, where a typed prefix length (one or two
// digits, optionally after "/") picks its mask; a text pasted into or dropped on
// any box that holds an address is entered into all four (with its mode and mask,
// when it carries a prefix), as the user would enter it. The boxes are the window's
// OctetBoxes; `fields` must be the window's fields and outlive this.
class WholeAddressEntry final : private AddressEntrySteps {
public:
    WholeAddressEntry(QWidget& window, QtFields& fields);
    WholeAddressEntry(const WholeAddressEntry&) = delete;
    WholeAddressEntry& operator=(const WholeAddressEntry&) = delete;
    // The boxes outlive this: they let go of it.
    ~WholeAddressEntry() override;

private:
    OctetBox& Box(Field box) const;
    bool SeparatorTyped(Field box, char32_t key);
    bool Pasting(std::string_view text);
    void PrefixTyped(int prefix);

    // AddressEntrySteps
    void EditBox(Field box, std::string_view text) override;
    void ClickOption(Field option) override;
    void FocusBox(Field box) override;

    QWidget& window_;
    QtFields& fields_;
    std::array<OctetBox*, kOctetBoxes.size()> boxes_{};
    // Watches the mask list's keys for a prefix length.
    std::unique_ptr<QObject> prefixTyping_;
};

} // namespace quorvane
