// SPDX-License-Identifier: MIT
#include "QtUserActions.h"

#include "MainWindow.h"
#include "Utf8Text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <stdexcept>

namespace quorvane {

namespace {

void Press(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(&target, key, modifiers);
    DeliverPendingEvents();
}

// The key a keyboard reports for a character: Qt names printable keys after the
// upper-case character; a control character, or one beyond the 16-bit range, has
// no key of its own.
Qt::Key KeyFor(char32_t codePoint)
{
    if (codePoint > 0xFFFF || QChar::category(codePoint) == QChar::Other_Control) {
        return Qt::Key_unknown;
    }
    return static_cast<Qt::Key>(QChar::toUpper(codePoint));
}

QString CharacterText(char32_t codePoint)
{
    return QString::fromUcs4(&codePoint, 1);
}

template <typename Control> Control& Find(const MainWindow& window, Field field)
{
    const std::string_view name = NameOf(field);
    auto* control = window.findChild<Control*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (control == nullptr) {
        throw std::logic_error("the window has no such control: " + std::string(name));
    }
    return *control;
}

} // namespace

void DeliverPendingEvents()
{
    QCoreApplication::processEvents();
    // Outside a running loop, deletes deferred by code that ran outside any event
    // wait for a loop that never comes; the running program's loop deletes them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QtUserActions::QtUserActions(MainWindow& window) : window_(window) {}

QWidget& QtUserActions::Control(Field field) const
{
    return Find<QWidget>(window_, field);
}

QWidget& QtUserActions::Focus(Field box) const
{
    QWidget& control = Control(box);
    // The window's focus child, not hasFocus(): the window need not be active.
    if (window_.focusWidget() == &control) return control;
    if (qobject_cast<QLineEdit*>(&control) != nullptr) {
        QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, control.rect().center());
        DeliverPendingEvents();
        return control;
    }
    control.setFocus(Qt::OtherFocusReason);
    if (auto* text = qobject_cast<QPlainTextEdit*>(&control)) text->moveCursor(QTextCursor::End);
    return control;
}

void QtUserActions::Type(Field box, std::string_view utf8)
{
    QWidget& control = Focus(box);
    // Every character goes as a key event that carries it to the control with the
    // focus, which a "." may have moved on; what the control takes is its business.
    // Between two keystrokes only posted events go through, never a timer: the pause
    // that ends a prefix typed into the mask list comes after the last one, as a
    // person types a line, however long the machine stalls in between.
    for (char32_t codePoint : DecodeUtf8(utf8)) {
        QWidget* target = window_.focusWidget();
        QTest::sendKeyEvent(QTest::Click, target != nullptr ? target : &control, KeyFor(codePoint),
                            CharacterText(codePoint), Qt::NoModifier);
        QCoreApplication::sendPostedEvents();
    }
    DeliverPendingEvents();
    // Then the user pauses, which ends a prefix length typed into the mask list.
    if (window_.focusWidget() == &Control(Field::SubnetList))
        QTest::qWait(QApplication::keyboardInputInterval() + 100);
}

void QtUserActions::Backspace(Field box, int count)
{
    QWidget& control = Focus(box);
    for (int i = 0; i < count; ++i)
        Press(control, Qt::Key_Backspace);
}

void QtUserActions::Clear(Field box)
{
    QWidget& control = Focus(box);
    Press(control, Qt::Key_A, Qt::ControlModifier);
    Press(control, Qt::Key_Delete);
}

void QtUserActions::Paste(Field box, std::string_view utf8)
{
    QWidget& control = Focus(box);
    QApplication::clipboard()->setText(QString::fromStdString(SanitizeUtf8(utf8)));
    Press(control, Qt::Key_A, Qt::ControlModifier);
    Press(control, Qt::Key_V, Qt::ControlModifier);
}

bool QtUserActions::Pick(std::string_view entry)
{
    auto& list = Find<QComboBox>(window_, Field::SubnetList);
    const int index =
        list.findText(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())),
                      Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return false;
    // Open the list, move to the entry and press Enter, as a person picks by
    // keyboard; the entry already shown is picked the same way.
    list.setFocus(Qt::OtherFocusReason);
    list.showPopup();
    DeliverPendingEvents();
    QAbstractItemView* view = list.view();
    view->setCurrentIndex(list.model()->index(index, list.modelColumn(), list.rootModelIndex()));
    Press(*view, Qt::Key_Return);
    return true;
}

void QtUserActions::Click(Field option)
{
    auto& button = Find<QRadioButton>(window_, option);
    QStyleOptionButton style;
    style.initFrom(&button);
    style.text = button.text();
    const QRect clickable =
        button.style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, &button);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, clickable.center());
    DeliverPendingEvents();
}

} // namespace quorvane
