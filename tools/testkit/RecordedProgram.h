// SPDX-License-Identifier: MIT
#pragma once

#include "OperationLog.h"
#include "Program.h"

#include <vector>

namespace quorvane {

// The program on a window, with every write it makes and every handler start
// recorded in order: the calculator writes through an operation log, and the
// window's events reach the handlers through it. On the real window it takes the
// events over from the window's own program, which then never runs again (its
// load handler wrote nothing to the window); the window outlives it.
class RecordedProgram {
public:
    explicit RecordedProgram(Window& window) : log_(window), program_(log_) {}

    // The load event, recorded as its handler's start.
    void Load()
    {
        log_.HandlerStarted("Form_Load");
        program_.Load();
    }

    Things& things() noexcept { return program_.things(); }

    // What the program did since the previous call.
    std::vector<OperationLog::Operation> Take() { return log_.Take(); }

private:
    OperationLog log_;
    Program program_;
};

} // namespace quorvane
