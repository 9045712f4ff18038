// SPDX-License-Identifier: MIT
#include "WholeAddressEntry.h"

#include "OctetBox.h"

#include <QRadioButton>

#include <stdexcept>
#include <string>

namespace quorvane {

namespace {

template <typename Control> Control& Find(QWidget& window, Field field)
{
    const std::string_view name = NameOf(field);
    auto* control = window.findChild<Control*>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (control == nullptr) {
        throw std::logic_error("the window has no control named " + std::string(name) +
                               " of the kind the address entry expects");
    }
    return *control;
}

} // namespace

WholeAddressEntry::WholeAddressEntry(QWidget& window, QtFields& fields)
    : window_(window), fields_(fields)
{
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i) {
        const Field box = kOctetBoxes[i];
        boxes_[i] = &Find<OctetBox>(window_, box);
        boxes_[i]->dotTyped = [this, box] { return DotTyped(box); };
        boxes_[i]->pasting = [this](const QString& text) { return Pasting(text.toStdString()); };
    }
}

WholeAddressEntry::~WholeAddressEntry()
{
    for (OctetBox* box : boxes_) {
        box->dotTyped = nullptr;
        box->pasting = nullptr;
    }
}

OctetBox& WholeAddressEntry::Box(Field box) const
{
    return *boxes_[static_cast<std::size_t>(box) - static_cast<std::size_t>(Field::IP_Part1)];
}

bool WholeAddressEntry::DotTyped(Field box)
{
    const auto next = BoxAfterDot(box, fields_.Text(box));
    if (!next) return false;
    // As Tab moves on: the next box's whole text selected, to be typed over.
    OctetBox& nextBox = Box(*next);
    nextBox.setFocus(Qt::TabFocusReason);
    nextBox.selectAll();
    return true;
}

bool WholeAddressEntry::Pasting(std::string_view text)
{
    const auto address = ReadPastedAddress(text);
    if (!address) return false;
    // Up to four recalculations each write a list of up to 300 lines, and nobody
    // sees the lists between the first and the last: only the last is laid out.
    const QtFields::ListHold hold(fields_);
    EnterAddress(*address, fields_, *this);
    return true;
}

void WholeAddressEntry::EditBox(Field box, std::string_view text)
{
    OctetBox& edit = Box(box);
    const QString wanted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (edit.text() == wanted) {
        edit.end(false);
        return;
    }
    // Typed over the whole text, as the user would: one change, and a correction
    // made by its handler leaves the box selected.
    edit.selectAll();
    edit.insert(wanted);
}

void WholeAddressEntry::ClickOption(Field option)
{
    Find<QRadioButton>(window_, option).click();
}

void WholeAddressEntry::FocusBox(Field box)
{
    Box(box).setFocus(Qt::OtherFocusReason);
}

} // namespace quorvane
