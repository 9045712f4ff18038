// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

class QWidget;

namespace quorvane {

// Puts the report of everything the window shows (ResultsReport) on the clipboard
// as plain text and as HTML: Ctrl+Shift+C anywhere in the window, and "Copy All
// Results" in the context menu of the window outside its text boxes, value labels
// included. `fields` must live
// as long as the window.
void OfferCopyAllResults(QWidget& window, const Window& fields);

} // namespace quorvane
