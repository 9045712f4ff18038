// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QWidget;

namespace quorvane::replay {

// What the window explains, as one JSON object: the tooltip of each octet box and
// value label by control name (the boxes, then the labels in reading order), then the mask list's
// tooltip and, in list order, each entry as the open list shows it (the mask, then
// its hint). Read from the widgets.
std::string DescribeLine(const QWidget& window);

} // namespace quorvane::replay
