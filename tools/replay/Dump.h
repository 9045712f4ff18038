// SPDX-License-Identifier: MIT
#pragma once

#include "JsonText.h"
#include "OperationLog.h"
#include "Screen.h"
#include "Things.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::replay {

// What the window shows and the state of the calculator as one compact JSON object,
// keys in a fixed order, with the operations since the previous dump.
std::string DumpLine(const Screen& screen, const Things& things,
                     const std::vector<OperationLog::Operation>& operations);

} // namespace quorvane::replay
