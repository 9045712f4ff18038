// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <functional>

namespace quorvane {

// A single-line box that holds at most three characters, counted as code points
// (an emoji is one character). A character key that would overflow it is refused
// outright; an input method's commit is cut to the room it leaves; pasted or
// dropped text is cut to its first three characters. A click into the box when it
// does not have the focus selects its whole text, as Tab does, so the digits typed
// next replace it; a click into the focused box places the caret, and a drag selects
// what it covers. A "." or "/" keystroke and a paste or drop are first offered to
// the window (see `separatorTyped` and `pasting`). Its context
// menu (also Shift+F10 and the Menu key) is the line edit's, then the actions added
// to the box (QWidget::addAction).
class OctetBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit OctetBox(QWidget* parent = nullptr);

    // QLineEdit's maxLength (3 in the design) counts UTF-16 units, and three
    // characters take up to six of them: this raises it to six. Call it after the
    // design has been applied. The three-character limit itself stays.
    void AllowWideCharacters();

    // What only the window, which sees all four boxes, decides: each returns true
    // when it took the input, which then goes nowhere else. A "." or "/" keystroke:
    std::function<bool(char32_t key)> separatorTyped;
    // Text pasted from the clipboard (keys, the context menu) or the X selection
    // (middle click), or dropped on the box, before it goes in:
    std::function<bool(const QString& text)> pasting;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Offers the text of the clipboard or the selection to `pasting`.
    bool PastingTaken(QClipboard::Mode mode);
    // How many more characters fit once the selection, and then the
    // `replacementLength` UTF-16 units at `replacementStart` from the caret (what an
    // input method's commit replaces), are gone.
    std::size_t Room(int replacementStart = 0, int replacementLength = 0) const;

    // The focus came with a press of the left button: its release selects the text.
    bool selectOnRelease_ = false;
};

} // namespace quorvane
