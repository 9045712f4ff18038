// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

// Makes the faces the window's layout was measured with (DejaVu Sans, regular and
// bold) known to Qt before the window is built. Windows builds carry them inside the
// program; elsewhere the system's font package serves and this does nothing.
#ifdef _WIN32
void AddBundledFaces();
#else
inline void AddBundledFaces() {}
#endif

} // namespace quorvane
