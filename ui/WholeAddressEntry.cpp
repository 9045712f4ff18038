// SPDX-License-Identifier: MIT
#include "WholeAddressEntry.h"

#include "OctetBox.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

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

// Keys typed into the closed mask list: the digits of a prefix length (and a "/"
// before them) go to `typed` and no further, so the list's own search by the
// entries' first characters never picks a mask on the way. A prefix that one more
// digit could still extend waits for the pause between two keystrokes of a word.
class PrefixTyping final : public QObject {
public:
    PrefixTyping(QComboBox& list, std::function<void(int prefix)> typed)
        : list_(list), typed_(std::move(typed))
    {
        pause_.setSingleShot(true);
        connect(&pause_, &QTimer::timeout, this, &PrefixTyping::Finish);
        list_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &list_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Shift is part of typing a character on many layouts (a "/" on a German
        // keyboard, the digits on a French one), so pressing it drops nothing; a chord
        // with Ctrl, Alt or Meta is not.
        if (key->key() == Qt::Key_Shift) return false;
        const auto chord = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (text.size() != 1 || (key->modifiers() & chord) != Qt::NoModifier) {
            keys_.Key(U'\0');
            pause_.stop();
            return false;
        }
        switch (keys_.Key(text.at(0).unicode())) {
        case PrefixKeys::Taken::No: pause_.stop(); return false;
        case PrefixKeys::Taken::Waiting: pause_.start(QApplication::keyboardInputInterval()); break;
        case PrefixKeys::Taken::Complete: Finish(); break;
        }
        return true;
    }

private:
    void Finish()
    {
        pause_.stop();
        if (const auto prefix = keys_.Finish()) typed_(*prefix);
    }

    QComboBox& list_;
    std::function<void(int)> typed_;
    PrefixKeys keys_;
    QTimer pause_;
};

} // namespace

WholeAddressEntry::WholeAddressEntry(QWidget& window, QtFields& fields)
    : window_(window), fields_(fields)
{
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i) {
        const Field box = kOctetBoxes[i];
        boxes_[i] = &Find<OctetBox>(window_, box);
        boxes_[i]->separatorTyped = [this, box](char32_t key) { return SeparatorTyped(box, key); };
        boxes_[i]->pasting = [this](const QString& text) { return Pasting(text.toStdString()); };
    }
    prefixTyping_ = std::make_unique<PrefixTyping>(Find<QComboBox>(window_, Field::SubnetList),
                                                   [this](int prefix) { PrefixTyped(prefix); });
}

WholeAddressEntry::~WholeAddressEntry()
{
    for (OctetBox* box : boxes_) {
        box->separatorTyped = nullptr;
        box->pasting = nullptr;
    }
}

OctetBox& WholeAddressEntry::Box(Field box) const
{
    return *boxes_[static_cast<std::size_t>(box) - static_cast<std::size_t>(Field::IP_Part1)];
}

bool WholeAddressEntry::SeparatorTyped(Field box, char32_t key)
{
    const auto next = FieldAfterSeparator(box, key, fields_.Text(box));
    if (!next) return false;
    if (*next == Field::SubnetList) {
        Find<QComboBox>(window_, Field::SubnetList).setFocus(Qt::TabFocusReason);
        return true;
    }
    // As Tab moves on: the next box's whole text selected, to be typed over.
    OctetBox& nextBox = Box(*next);
    nextBox.setFocus(Qt::TabFocusReason);
    nextBox.selectAll();
    return true;
}

bool WholeAddressEntry::Pasting(std::string_view text)
{
    const auto address = FindAddress(text);
    if (!address) return false;
    // Up to four recalculations each write a list of up to 300 lines, and nobody
    // sees the lists between the first and the last: only the last is laid out.
    const QtFields::ListHold hold(fields_);
    EnterAddress(*address, fields_, *this);
    return true;
}

void WholeAddressEntry::PrefixTyped(int prefix)
{
    const QtFields::ListHold hold(fields_);
    ChoosePrefix(prefix, fields_, *this);
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
