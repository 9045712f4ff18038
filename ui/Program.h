// SPDX-License-Identifier: MIT
#pragma once

#include "MainEvents.h"
#include "Things.h"
#include "Window.h"

namespace quorvane {

// The calculator and its handlers running on one window: the calculator reads and
// writes the window's fields, and the window's events reach the handlers.
class Program {
public:
    explicit Program(Window& window);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Unhooks the handlers from the window, which may outlive the program.
    ~Program();

    // The window's load event; a window raises it once, before any input.
    void Load() { events_.Form_Load(); }

    Things& things() noexcept { return things_; }

private:
    Window& window_;
    Things things_;
    MainEvents events_;
};

} // namespace quorvane
