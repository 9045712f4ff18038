// SPDX-License-Identifier: MIT
#pragma once

#include "FieldModel.h"

#include <string>
#include <string_view>

namespace quorvane {

// What a link to the result the window shows holds (the page's URL fragment): the
// address with its prefix length ("10.20.30.40/27"), and ",supernet" where the prefix
// alone does not choose Supernet mode (the class's own prefix, or none for classes D
// and E). Empty before any address.
std::string LinkOf(const Window& window);

// Enters a link as the user would: the mode it names (Subnet unless marked), then the
// text pasted into box 4, so its address and prefix go in as any pasted text's do.
void OpenLink(std::string_view link, FieldModel& model);

} // namespace quorvane
