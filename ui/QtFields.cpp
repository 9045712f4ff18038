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

// The control of a field of the kind a call expects; null, after an assertion, for a
// field of another kind.
template <typename T, std::size_t N> T* OfKind(const std::array<T*, N>& controls, Field field)
{
    T* control = controls[static_cast<std::size_t>(field)];
    Q_ASSERT_X(control != nullptr, "QtFields", "a field used as a control of another kind");
    return control;
}

} // namespace

QtFields::QtFields(QWidget& window)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        auto* widget = window.findChild<QWidget*>(FromUtf8(info.name));
        if (widget == nullptr) {
            throw std::logic_error("the window has no control named " + std::string(info.name));
        }
        const auto i = static_cast<std::size_t>(info.field);
        widgets_[i] = widget;
        switch (info.kind) {
        case FieldKind::Label: labels_[i] = Checked<QLabel>(widget, info.field); break;
        case FieldKind::TextBox: lineEdits_[i] = Checked<QLineEdit>(widget, info.field); break;
        case FieldKind::MultiLine: listBox_ = Checked<QPlainTextEdit>(widget, info.field); break;
        case FieldKind::DropDown: maskList_ = Checked<QComboBox>(widget, info.field); break;
        case FieldKind::Option: options_[i] = Checked<QRadioButton>(widget, info.field); break;
        }
    }
    for (Field box : kOctetBoxes) {
        QObject::connect(OfKind(lineEdits_, box), &QLineEdit::textChanged, &connections_,
                         [this, box] { Raise(box); });
    }
    // activated, not currentIndexChanged: a pick of the entry already shown is a
    // pick too, and the program's own index changes must stay silent.
    QObject::connect(maskList_, &QComboBox::activated, &connections_,
                     [this] { Raise(Field::SubnetList); });
    for (Field option : {Field::Subsuper1, Field::Subsuper2}) {
        QObject::connect(OfKind(options_, option), &QRadioButton::clicked, &connections_,
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

void QtFields::SetCaption(Field label, std::string_view caption)
{
    if (QLabel* shown = OfKind(labels_, label)) shown->setText(FromUtf8(caption));
}

std::string QtFields::Caption(Field label) const
{
    const QLabel* shown = OfKind(labels_, label);
    return shown != nullptr ? shown->text().toStdString() : std::string();
}

std::string QtFields::Text(Field box) const
{
    if (box == Field::AccessListBox) {
        if (heldList_) return *heldList_;
        return listBox_->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString();
    }
    const QLineEdit* edit = OfKind(lineEdits_, box);
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

void QtFields::WriteListBox(std::string_view text)
{
    // The box shows plain lines. A recalculation often writes the same list
    // again, and laying out hundreds of lines anew is the costly part.
    QString lines = FromUtf8(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (listBox_->toPlainText() == lines) return;
    // One edit that replaces everything, rather than setPlainText: that one passes
    // through an empty document, so the scroll bar, the frames and the window
    // under it repaint too. The outcome is the same: the new text, no undo
    // history, the caret at the start and the view at the top.
    QTextDocument* document = listBox_->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.insertText(lines);
    document->setUndoRedoEnabled(undo);
    listBox_->setTextCursor(QTextCursor(document));
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
    QLineEdit* edit = OfKind(lineEdits_, box);
    if (edit == nullptr) return;
    edit->setText(FromUtf8(text));
    edit->selectAll();
}

void QtFields::ListClear()
{
    const QSignalBlocker quiet(maskList_);
    maskList_->clear();
}

void QtFields::ListAdd(std::string_view entry)
{
    const QSignalBlocker quiet(maskList_);
    // The combo box selects its first entry by itself; only the calculator selects.
    const bool noneSelected = maskList_->currentIndex() < 0;
    maskList_->addItem(FromUtf8(entry));
    if (noneSelected) maskList_->setCurrentIndex(-1);
}

std::string QtFields::ListSelected() const
{
    return maskList_->currentIndex() < 0 ? std::string() : maskList_->currentText().toStdString();
}

void QtFields::ListSelect(std::string_view entry)
{
    const int index =
        maskList_->findText(FromUtf8(entry), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return;
    {
        const QSignalBlocker quiet(maskList_);
        maskList_->setCurrentIndex(index);
    }
    Raise(Field::SubnetList);
}

std::vector<std::string> QtFields::ListEntries() const
{
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(maskList_->count()));
    for (int i = 0; i < maskList_->count(); ++i)
        entries.push_back(maskList_->itemText(i).toStdString());
    return entries;
}

bool QtFields::OptionSelected(Field option) const
{
    const QRadioButton* button = OfKind(options_, option);
    return button != nullptr && button->isChecked();
}

void QtFields::Explain(Field field, std::string_view text)
{
    QWidget* control = widgets_[static_cast<std::size_t>(field)];
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
    SetMaskHints(*maskList_, texts);
}

std::string QtFields::DecimalPoint() const
{
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace quorvane
