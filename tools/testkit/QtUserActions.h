// SPDX-License-Identifier: MIT
#pragma once

#include "UserActions.h"

class QWidget;

namespace quorvane {

class MainWindow;

// What the event loop delivers once an input event has been handled, before it
// waits for the next one: posted events (layout and repaint requests), the window
// system's own events (a popup shown or hidden) and deferred deletes. The program
// runs that loop; a tool that sends events itself must let them through too, or
// they pile up.
void DeliverPendingEvents();

// A person at the window: each action is performed with real key and mouse events
// on the controls of Main, so every event reaches the handlers the way the
// toolkit delivers it, and the event loop's follow-up is delivered after each
// key and click as the running program's loop would; but no timer runs between two
// keystrokes of one Type, which come as one burst however slow the machine is.
class QtUserActions final : public UserActions {
public:
    explicit QtUserActions(MainWindow& window);

    void Type(Field box, std::string_view utf8) override;
    void Backspace(Field box, int count) override;
    void Clear(Field box) override;
    void Paste(Field box, std::string_view utf8) override;
    bool Pick(std::string_view entry) override;
    void Click(Field option) override;

private:
    QWidget& Control(Field field) const;
    // The box with the focus: its caret stays where it is when the box had the focus
    // already; otherwise an octet box takes it by a click into it (which selects its
    // text), the list box with the caret at the end.
    QWidget& Focus(Field box) const;

    MainWindow& window_;
};

} // namespace quorvane
