// SPDX-License-Identifier: MIT
#pragma once

#include "MainEvents.h"
#include "OperationLog.h"
#include "Things.h"
#include "Window.h"

#include <optional>

namespace quorvane {

// The calculator and its handlers running on one window: the window's events reach
// the handlers, and the calculator writes through an operation log when asked to.
class Program {
public:
    enum class Recording { Off, On };

    explicit Program(Window& window, Recording recording = Recording::Off);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Unhooks the handlers from the window, which may outlive the program.
    ~Program();

    // The window's load event; a window raises it once, before any input.
    void Load() { events_.Form_Load(); }

    Things& things() noexcept { return things_; }
    MainEvents& events() noexcept { return events_; }
    // Present when recording.
    OperationLog* log() noexcept { return log_ ? &*log_ : nullptr; }

private:
    Window& window_;
    std::optional<OperationLog> log_;
    Things things_;
    MainEvents events_;
};

} // namespace quorvane
