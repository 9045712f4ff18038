// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace quorvane {

// Lets a screen reader read each value label of the window as what it holds and
// its value, "Network class: C", in plain words rather than in the captions' own;
// the values whose meaning changes with the mode are named after the mode. A name
// is made only when an assistive technology asks for it, so a window that nobody
// reads through one pays nothing.
void NameValueLabels(QWidget& window);

} // namespace quorvane
