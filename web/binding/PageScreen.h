// SPDX-License-Identifier: MIT
#pragma once

#include "FieldModel.h"
#include "JsonText.h"

#include <string>
#include <string_view>

namespace quorvane {

// Everything the page draws, read from the program's window after an action, as one
// JSON object: "fields" (each box's text and each label's caption by field name),
// the mask list's "entries", "selected" (null for none) and "hints", "supernet",
// "focus" (the control that takes the next keystroke) and "selectedAll" (whether its
// whole text is selected), "explanations" by field name, and the "link" to the result.
std::string PageScreen(const FieldModel& model);

} // namespace quorvane
