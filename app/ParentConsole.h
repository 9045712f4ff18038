// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

// A Windows program with a window has no console of its own: before --help or
// --version prints, its standard output and error go to the console of the command
// prompt that started it (streams redirected to a file or pipe stay as they are).
// Elsewhere the streams are already the terminal's and this does nothing.
#ifdef _WIN32
void UseParentConsole();
#else
inline void UseParentConsole() {}
#endif

} // namespace quorvane
