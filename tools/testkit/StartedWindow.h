// SPDX-License-Identifier: MIT
#pragma once

#include "MainWindow.h"
#include "OperationLog.h"
#include "Program.h"
#include "QtUserActions.h"

// The window with the program started on it, as the program starts, and a person
// at it. Members are built in order and go in reverse: the program before the
// window.
struct StartedWindow {
    MainWindow window;
    quorvane::Program program{window.fields()};
    QtUserActions user{window};
};

// The same with an operation log between the window and its program, recording
// what the program does.
struct RecordedWindow {
    MainWindow window;
    quorvane::OperationLog log{window.fields()};
    quorvane::Program program{log};
    QtUserActions user{window};
};
