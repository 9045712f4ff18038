// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

class QWidget;

namespace quorvane {

// The window's actions, in its context menu (outside the text boxes, value labels
// included) in this order:
// - "Copy All Results", Ctrl+Shift+C anywhere in the window, also at the end of
//   each octet box's own menu: puts the report (ResultsReport) on the clipboard
//   as plain text and as HTML, and says so in a tooltip at the focused control;
// - a separator;
// - "Quit", the platform's Quit key (Ctrl+Q where it has none): closes the window.
// `fields` must live as long as the window.
void InstallWindowActions(QWidget& window, const Window& fields);

} // namespace quorvane
