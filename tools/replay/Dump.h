// SPDX-License-Identifier: MIT
#pragma once

#include "OperationLog.h"
#include "Things.h"
#include "Window.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::replay {

// A JSON string literal (RFC 8259) of UTF-8 text.
std::string JsonString(std::string_view utf8);

// The state of the window and the calculator as one compact JSON object, keys in
// a fixed order, with the operations since the previous dump.
std::string DumpLine(const Window& window, const Things& things,
                     const std::vector<OperationLog::Operation>& operations);

} // namespace quorvane::replay
