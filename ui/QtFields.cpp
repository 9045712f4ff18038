// SPDX-License-Identifier: MIT
#include "QtFields.h"

#include "MaskHints.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <stdexcept>

namespace quorvane {

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename T> T* Checked(QWidget* widget, Field field)
{
    T* typed = qobject_cast<T*>(widget);
    if (typed == nullptr) {
        throw std::logic_error("window field " + std::string(NameOf(field)) +
                               " is not the kind of control the calculator expects");
    }
    return typed;
}

} // namespace

QtFields::QtFields(QWidget& window)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        auto* widget = window.findChild<QWidget*>(FromUtf8(info.name));
        if (widget == nullptr) {
            throw std::logic_error("the window has no control named " + std::string(info.name));
        }
        widgets_[static_cast<std::size_t>(info.field)] = widget;
    }
    for (Field box : kOctetBoxes) {
        QObject::connect(LineEdit(box), &QLineEdit::textChanged, &connections_,
                         [this, box] { Raise(box); });
    }
    // activated, not currentIndexChanged: a pick of the entry already shown is a
    // pick too, and the program's own index changes must stay silent.
    QComboBox* list = MaskList();
    QObject::connect(list, &QComboBox::activated, &connections_,
                     [this] { Raise(Field::SubnetList); });
    for (Field option : {Field::Subsuper1, Field::Subsuper2}) {
        QRadioButton* button = Option(option);
        QObject::connect(button, &QRadioButton::clicked, &connections_,
                         [this, option] { Raise(option); });
    }
}

QtFields::ListHold::ListHold(QtFields& fields) : fields_(fields)
{
    fields_.listHeld_ = true;
}

QtFields::ListHold::~ListHold()
{
    fields_.listHeld_ = false;
    if (fields_.heldList_) {
        const std::string text = std::move(*fields_.heldList_);
        fields_.heldList_.reset();
        fields_.WriteListBox(text);
    }
}

void QtFields::Raise(Field source) const
{
    if (eventHandler) eventHandler(source);
}

QLabel* QtFields::Label(Field field) const
{
    return Checked<QLabel>(Widget(field), field);
}

QLineEdit* QtFields::LineEdit(Field field) const
{
    return Checked<QLineEdit>(Widget(field), field);
}

QPlainTextEdit* QtFields::ListBox() const
{
    return Checked<QPlainTextEdit>(Widget(Field::AccessListBox), Field::AccessListBox);
}

QComboBox* QtFields::MaskList() const
{
    return Checked<QComboBox>(Widget(Field::SubnetList), Field::SubnetList);
}

QRadioButton* QtFields::Option(Field field) const
{
    return Checked<QRadioButton>(Widget(field), field);
}

void QtFields::SetCaption(Field label, std::string_view caption)
{
    Label(label)->setText(FromUtf8(caption));
}

std::string QtFields::Caption(Field label) const
{
    return Label(label)->text().toStdString();
}

std::string QtFields::Text(Field box) const
{
    if (box == Field::AccessListBox) {
        if (heldList_) return *heldList_;
        return ListBox()->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString();
    }
    return LineEdit(box)->text().toStdString();
}

void QtFields::WriteListBox(std::string_view text)
{
    // The box shows plain lines. A recalculation often writes the same list
    // again, and laying out hundreds of lines anew is the costly part.
    QString lines = FromUtf8(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPlainTextEdit* edit = ListBox();
    if (edit->toPlainText() == lines) return;
    // One edit that replaces everything, rather than setPlainText: that one passes
    // through an empty document, so the scroll bar, the frames and the window
    // under it repaint too. The outcome is the same: the new text, no undo
    // history, the caret at the start and the view at the top.
    QTextDocument* document = edit->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.insertText(lines);
    document->setUndoRedoEnabled(undo);
    edit->setTextCursor(QTextCursor(document));
}

void QtFields::SetText(Field box, std::string_view text)
{
    if (box == Field::AccessListBox) {
        if (listHeld_) {
            heldList_ = std::string(text);
        } else {
            WriteListBox(text);
        }
        return;
    }
    // Raises the change through textChanged, nested, when the text differs. A
    // correction is then selected whole, so that the next keystroke replaces it
    // instead of being added to it (or refused by a full box).
    QLineEdit* edit = LineEdit(box);
    edit->setText(FromUtf8(text));
    edit->selectAll();
}

void QtFields::ListClear()
{
    QComboBox* list = MaskList();
    const QSignalBlocker quiet(list);
    list->clear();
}

void QtFields::ListAdd(std::string_view entry)
{
    QComboBox* list = MaskList();
    const QSignalBlocker quiet(list);
    // The combo box selects its first entry by itself; only the calculator selects.
    const bool noneSelected = list->currentIndex() < 0;
    list->addItem(FromUtf8(entry));
    if (noneSelected) list->setCurrentIndex(-1);
}

std::string QtFields::ListSelected() const
{
    const QComboBox* list = MaskList();
    return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
}

void QtFields::ListSelect(std::string_view entry)
{
    QComboBox* list = MaskList();
    const int index = list->findText(FromUtf8(entry), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return;
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    Raise(Field::SubnetList);
}

std::vector<std::string> QtFields::ListEntries() const
{
    const QComboBox* list = MaskList();
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        entries.push_back(list->itemText(i).toStdString());
    return entries;
}

bool QtFields::OptionSelected(Field option) const
{
    return Option(option)->isChecked();
}

void QtFields::Explain(Field field, std::string_view text)
{
    QWidget* control = Widget(field);
    const QString explanation = FromUtf8(text);
    if (control->toolTip() == explanation) return;
    control->setToolTip(explanation);
    control->setAccessibleDescription(explanation);
}

void QtFields::ExplainEntries(const std::vector<std::string>& hints)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(hints.size()));
    for (const std::string& hint : hints)
        texts.push_back(QString::fromStdString(hint));
    SetMaskHints(*MaskList(), texts);
}

std::string QtFields::DecimalPoint() const
{
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace quorvane
