// SPDX-License-Identifier: MIT
#pragma once

#include "MainWindow.h"
#include "OperationLog.h"
#include "Program.h"
#include "QtScreen.h"
#include "QtUserActions.h"

namespace quorvane {

// The window with the program started on it, as the program starts, and a person
// at it: what they do and what they see. Members are built in order and go in
// reverse: the program before the window.
struct StartedWindow {
    MainWindow window;
    Program program{window.fields()};
    QtUserActions user{window};
    QtScreen screen{window};
};

// The same with an operation log between the window and its program, recording
// what the program does.
struct RecordedWindow {
    MainWindow window;
    OperationLog log{window.fields()};
    Program program{log};
    QtUserActions user{window};
    QtScreen screen{window};
};

} // namespace quorvane
