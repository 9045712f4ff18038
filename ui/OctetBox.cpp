// SPDX-License-Identifier: MIT
#include "OctetBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvane {

namespace {

// An octet box holds at most this many characters (code points).
constexpr std::size_t kBoxLength = 3;

// Whether a keystroke of this character inserts it into the box: control
// characters (tab and line breaks among them) never do.
bool InsertsAsKeystroke(char32_t codePoint)
{
    return !(codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F));
}

// The text's code points; a lone surrogate (half of a pair) is not a character
// and is dropped.
std::vector<char32_t> CodePoints(const QString& text)
{
    std::vector<char32_t> out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(unit, text.at(i + 1)));
            ++i;
        } else if (!unit.isSurrogate()) {
            out.push_back(unit.unicode());
        }
    }
    return out;
}

QString FirstCharacters(const QString& text, std::size_t limit)
{
    std::vector<char32_t> kept = CodePoints(text);
    kept.resize(std::min(kept.size(), limit));
    return QString::fromUcs4(kept.data(), static_cast<qsizetype>(kept.size()));
}

// Cuts whatever reaches the box by other ways than a key (paste, drop, a program
// write) to the box's length.
class CodePointLimit final : public QValidator {
public:
    explicit CodePointLimit(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& pos) const override
    {
        const QString kept = FirstCharacters(input, kBoxLength);
        if (kept != input) {
            input = kept;
            pos = std::min(pos, static_cast<int>(kept.size()));
        }
        return Acceptable;
    }
};

bool IsShortcutChord(Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    return modifiers == Qt::ControlModifier ||
           modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
}

} // namespace

OctetBox::OctetBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(static_cast<int>(kBoxLength));
    setValidator(new CodePointLimit(this));
}

void OctetBox::AllowWideCharacters()
{
    // Kept by keyPressEvent and the validator from here on.
    setMaxLength(2 * static_cast<int>(kBoxLength));
}

std::size_t OctetBox::Room(int replacementStart, int replacementLength) const
{
    // As the line edit applies the input: the selection goes first, then the
    // replaced units counted from where the caret stands after that.
    QString kept = text();
    int caret = cursorPosition();
    if (hasSelectedText()) {
        caret = selectionStart();
        kept.remove(caret, selectionLength());
    }
    const int start = std::max(0, caret + replacementStart);
    if (replacementLength > 0 && start + replacementLength <= kept.size()) {
        kept.remove(start, replacementLength);
    }
    const std::size_t stays = CodePoints(kept).size();
    return stays < kBoxLength ? kBoxLength - stays : 0;
}

bool OctetBox::PastingTaken(QClipboard::Mode mode)
{
    return !isReadOnly() && pasting && pasting(QGuiApplication::clipboard()->text(mode));
}

void OctetBox::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 opens the context menu at the caret, as the Menu key does. Where the
    // system opens it itself (Windows), the key never arrives here.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint caret = cursorRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, caret, mapToGlobal(caret),
                               event->modifiers());
        QCoreApplication::sendEvent(this, &menu);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        // Ctrl+Shift+Insert pastes the X selection, as the line edit has it.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        if (PastingTaken(selection ? QClipboard::Selection : QClipboard::Clipboard)) {
            event->accept();
        } else {
            QLineEdit::keyPressEvent(event);
        }
        return;
    }
    const std::vector<char32_t> typed = CodePoints(event->text());
    const bool inserts = !typed.empty() && !IsShortcutChord(event->modifiers()) &&
                         std::all_of(typed.begin(), typed.end(), InsertsAsKeystroke);
    if (!inserts) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() == 1 && (typed[0] == U'.' || typed[0] == U'/') && separatorTyped &&
        separatorTyped(typed[0])) {
        event->accept();
        return;
    }
    // The box inserts character keys itself so that a full box refuses the key
    // without touching its text (and so raises no change).
    if (const std::size_t room = Room(); room > 0) insert(FirstCharacters(event->text(), room));
    event->accept();
}

void OctetBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The press that gives the focus arrives after it; see mouseReleaseEvent.
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void OctetBox::mousePressEvent(QMouseEvent* event)
{
    // Only a left click selects; a right click opens the menu over the box as it is.
    if (event->button() != Qt::LeftButton) selectOnRelease_ = false;
    QLineEdit::mousePressEvent(event);
}

void OctetBox::mouseReleaseEvent(QMouseEvent* event)
{
    // Where the window system has a selection, a middle click pastes it.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        PastingTaken(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    // A click that brought the focus selects the whole text, so typing over a filled
    // box replaces it rather than being refused or adding to it; a drag keeps what it
    // selected.
    if (std::exchange(selectOnRelease_, false) && event->button() == Qt::LeftButton &&
        !hasSelectedText())
        selectAll();
}

void OctetBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste (its text in the line edit's own words, then the shortcut)
    // pastes through `pasting` first.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteText) continue;
        QObject::disconnect(action, nullptr, this, nullptr);
        connect(action, &QAction::triggered, this, [this] {
            if (!PastingTaken(QClipboard::Clipboard)) paste();
        });
    }
    // Actions added to the box (the window's Copy All Results) end the menu.
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void OctetBox::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!isReadOnly() && pasting && data->hasText()) {
        // The drop caret the drag showed goes, as when the drag leaves.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        if (pasting(data->text())) {
            event->acceptProposedAction();
            return;
        }
    }
    QLineEdit::dropEvent(event);
}

void OctetBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    const std::size_t room = Room(event->replacementStart(), event->replacementLength());
    if (commit.isEmpty() || CodePoints(commit).size() <= room) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent trimmed(event->preeditString(), event->attributes());
    trimmed.setCommitString(FirstCharacters(commit, room), event->replacementStart(),
                            event->replacementLength());
    QLineEdit::inputMethodEvent(&trimmed);
    event->accept();
}

} // namespace quorvane
