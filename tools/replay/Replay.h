// SPDX-License-Identifier: MIT
#pragma once

#include "OperationLog.h"
#include "Screen.h"
#include "Things.h"
#include "UserActions.h"

#include <functional>
#include <istream>
#include <ostream>
#include <string>

namespace quorvane::replay {

inline constexpr int kScriptError = 2;

// Performs each line of the script as one user action on a program started on a
// window (its calculator: `things`) that `log` wraps, writing one JSON line per
// dump with what `screen` shows and what the log recorded since the previous one,
// and after it what `describe` returns, if set, as a line of its own. Stops at the
// first bad line with a message naming it on `errors` and returns kScriptError;
// otherwise 0.
int Run(std::istream& script, OperationLog& log, UserActions& user, const Screen& screen,
        const Things& things, std::ostream& out, std::ostream& errors,
        const std::function<std::string()>& describe = {});

} // namespace quorvane::replay
