// SPDX-License-Identifier: MIT
#pragma once

#include "RecordedProgram.h"
#include "UserActions.h"
#include "Window.h"

#include <istream>
#include <ostream>

namespace quorvane::replay {

inline constexpr int kScriptError = 2;

// Performs each line of the script as one user action on a freshly started
// program, writing one JSON line per dump. Stops at the first bad line with a
// message naming it on `errors` and returns kScriptError; otherwise 0.
int Run(std::istream& script, Window& window, UserActions& user, RecordedProgram& program,
        std::ostream& out, std::ostream& errors);

} // namespace quorvane::replay
