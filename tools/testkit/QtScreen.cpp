// SPDX-License-Identifier: MIT
#include "QtScreen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <stdexcept>

namespace quorvane {

namespace {

std::size_t Characters(const QString& text)
{
    return static_cast<std::size_t>(text.toUcs4().size());
}

} // namespace

QtScreen::QtScreen(const QWidget& window) : window_(window)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        const QString name =
            QString::fromLatin1(info.name.data(), static_cast<qsizetype>(info.name.size()));
        widgets_[static_cast<std::size_t>(info.field)] = window.findChild<const QWidget*>(name);
    }
}

template <typename Control> const Control& QtScreen::Widget(Field field) const
{
    const auto* control = qobject_cast<const Control*>(widgets_[static_cast<std::size_t>(field)]);
    if (control == nullptr) {
        throw std::logic_error("the window shows no " + std::string(NameOf(field)) + " of the " +
                               Control::staticMetaObject.className() + " kind");
    }
    return *control;
}

std::string QtScreen::Shown(Field field) const
{
    switch (InfoOf(field).kind) {
    case FieldKind::Label: return Widget<QLabel>(field).text().toStdString();
    case FieldKind::TextBox: return Widget<QLineEdit>(field).text().toStdString();
    case FieldKind::MultiLine:
        return Widget<QPlainTextEdit>(field)
            .toPlainText()
            .replace(u'\n', QStringLiteral("\r\n"))
            .toStdString();
    case FieldKind::DropDown:
    case FieldKind::Option: break;
    }
    throw std::logic_error(std::string(NameOf(field)) + " shows no text of its own");
}

std::vector<std::string> QtScreen::ListEntries() const
{
    const auto& list = Widget<QComboBox>(Field::SubnetList);
    std::vector<std::string> entries;
    for (int i = 0; i < list.count(); ++i)
        entries.push_back(list.itemText(i).toStdString());
    return entries;
}

std::string QtScreen::ListSelected() const
{
    const auto& list = Widget<QComboBox>(Field::SubnetList);
    return list.currentIndex() < 0 ? std::string() : list.currentText().toStdString();
}

bool QtScreen::OptionSelected(Field option) const
{
    return Widget<QRadioButton>(option).isChecked();
}

std::optional<Field> QtScreen::Focused() const
{
    // The window's focus child, not the application's: the window need not be active.
    const QWidget* focus = window_.focusWidget();
    if (focus == nullptr) return std::nullopt;
    for (const FieldInfo& info : kFieldCatalogue) {
        if (widgets_[static_cast<std::size_t>(info.field)] == focus) return info.field;
    }
    return std::nullopt;
}

BoxCaret QtScreen::Caret(Field box) const
{
    const auto& edit = Widget<QLineEdit>(box);
    return {Characters(edit.text().left(edit.cursorPosition())), edit.selectedText().toStdString()};
}

} // namespace quorvane
