// SPDX-License-Identifier: MIT
#pragma once

#include "OperationLog.h"
#include "Screen.h"
#include "Things.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::replay {

// A JSON string literal (RFC 8259) of UTF-8 text.
std::string JsonString(std::string_view utf8);

// What the window shows and the state of the calculator as one compact JSON object,
// keys in a fixed order, with the operations since the previous dump.
std::string DumpLine(const Screen& screen, const Things& things,
                     const std::vector<OperationLog::Operation>& operations);

} // namespace quorvane::replay
