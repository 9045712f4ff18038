// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace quorvane::bench {

// Shows the window and, once its first frame has been painted, prints to standard
// output the CLOCK_MONOTONIC time of that moment ("painted_ns=") and the resident
// memory ("rss_kb="), then quits. The launcher subtracts its own time of launch,
// so the start-up measured includes loading the process and its libraries.
int ShowUntilFirstFrame(QWidget& window);

} // namespace quorvane::bench
