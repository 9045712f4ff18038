// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

#include <string>

namespace quorvane {

// Everything the window shows, as plain text to paste elsewhere: the address with
// its prefix length and the mask, then each caption with its value as shown, frame
// by frame in reading order, then the lines of the Hosts/Subnets list as the list
// box holds them. One line each, ending in "\n". Before any address it holds the
// captions with empty values.
std::string ResultsReport(const Window& window);

} // namespace quorvane
