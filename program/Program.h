// SPDX-License-Identifier: MIT
#pragma once

#include "Explanations.h"
#include "MainEvents.h"
#include "Things.h"
#include "Window.h"

namespace quorvane {

// The calculator and its handlers running on one window: the calculator reads and
// writes the window's fields, and the window's events reach the handlers.
class Program {
public:
    // Builds the program on the window's fields and starts it, the one way the
    // program starts: the decimal separator of the window's number settings, then
    // the window's load event. After the load and after each event the user's action
    // raised (with the events nested in it), the window's fields get their
    // explanations, on a window that shows them.
    explicit Program(Window& window);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Unhooks the handlers from the window, which may outlive the program.
    ~Program();

    Things& things() noexcept { return things_; }
    const Things& things() const noexcept { return things_; }

private:
    Window& window_;
    Things things_;
    MainEvents events_;
    Explainer explainer_;
    // Handlers running: nested events explain nothing until the outermost ends.
    int running_ = 0;
};

} // namespace quorvane
