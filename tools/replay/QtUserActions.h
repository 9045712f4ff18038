// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

class MainWindow;
class QWidget;

// A person at the window: each action is performed with real key and mouse events
// on the controls of Main, so every event reaches the handlers the way the
// toolkit delivers it.
class QtUserActions final : public quorvane::UserActions {
public:
    explicit QtUserActions(MainWindow& window);

    void Type(quorvane::Field box, std::string_view utf8) override;
    void Backspace(quorvane::Field box, int count) override;
    void Clear(quorvane::Field box) override;
    void Paste(quorvane::Field box, std::string_view utf8) override;
    bool Pick(std::string_view entry) override;
    void Click(quorvane::Field option) override;

private:
    QWidget& Control(quorvane::Field field) const;
    // Focus in the box and the caret at its end, with nothing selected.
    QWidget& CaretToEnd(quorvane::Field box) const;

    MainWindow& window_;
};
