// SPDX-License-Identifier: MIT
#pragma once

#include "StartedWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Everything a user can see of the calculator's fields, and where their next
// keystroke goes, for comparing two windows.
struct Snapshot {
    std::vector<std::pair<std::string, std::string>> values; // field name, caption or text
    std::vector<std::string> entries;
    std::string selected;
    bool subnet = false;
    bool supernet = false;
    std::string focus; // the control's name
    std::string caret; // in the octet box that has the focus: the caret and the selection
};

Snapshot Capture(const Screen& screen);

// Compares field by field, so a failure names the field.
void ExpectSameFields(const Snapshot& expected, const Snapshot& actual);

// Takes over a window's events: records each one instead of running a handler,
// and calls `during` while the event is being raised.
class RaisedEvents {
public:
    explicit RaisedEvents(Window& window);
    ~RaisedEvents();
    RaisedEvents(const RaisedEvents&) = delete;
    RaisedEvents& operator=(const RaisedEvents&) = delete;

    std::vector<Field> Take();

    std::function<void(Field)> during;

private:
    Window& window_;
    std::function<void(Field)> saved_;
    std::vector<Field> raised_;
};

// A freshly started window, shown offscreen, with a person to act on it; the log
// between the window and its program records what the program does.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();

    template <typename Control> Control* Find(std::string_view name) const
    {
        return window.findChild<Control*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    std::vector<OperationLog::Operation> Take() { return started.log.Take(); }

    RecordedWindow started;
    MainWindow& window = started.window;
    Window& fields = window.fields();
    Program& program = started.program;
    QtUserActions& user = started.user;
    // What the checks read: the widgets, not what the adapter answers.
    const Screen& screen = started.screen;
};

} // namespace quorvane
