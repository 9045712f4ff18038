// SPDX-License-Identifier: MIT
#pragma once

#include "FieldModel.h"
#include "OperationLog.h"
#include "Program.h"

#include <string>
#include <utility>

namespace quorvane {

// The program started on the headless model, with an operation log between the
// model and the program; the model is also the user acting on it.
struct RecordedModel {
    explicit RecordedModel(std::string decimalPoint = ".") : model(std::move(decimalPoint)) {}

    FieldModel model;
    OperationLog log{model};
    Program program{log};
};

} // namespace quorvane
