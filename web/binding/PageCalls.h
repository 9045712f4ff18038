// SPDX-License-Identifier: MIT
#pragma once

#include "FieldModel.h"

#include <string>

namespace quorvane {

// Starts the program the page runs, anew, on the window without a screen that keeps
// what its fields mean, with the user's decimal point; returns that window. Each
// build of the module makes it in its own way: the page's plainly, the tests' with an
// operation log between the window and the program.
FieldModel& StartProgram(std::string decimalPoint);

} // namespace quorvane
