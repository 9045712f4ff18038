// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

// Replaces this process with the window program, given the same arguments, so the
// console program never loads a GUI library itself. The window program lies beside
// this one (a build tree) or where the install puts it. Returns only when it could
// not be started: with the exit status, after saying why on standard error.
int StartWindowProgram(char* argv[]);

} // namespace quorvane
