// SPDX-License-Identifier: MIT
#pragma once

#include "RecordedModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvane {

// A freshly started program on the headless model, recording what it does.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() { Take(); }

    std::vector<OperationLog::Operation> Take() { return started.log.Take(); }

    // Runs of Calculate that computed something: each starts by writing the host bits.
    static int Calculations(const std::vector<OperationLog::Operation>& ops)
    {
        return static_cast<int>(std::count_if(ops.begin(), ops.end(), [](const auto& op) {
            return op[0] == "set" && op[1] == "HostBitsValue";
        }));
    }
    static int Refills(const std::vector<OperationLog::Operation>& ops)
    {
        return static_cast<int>(
            std::count_if(ops.begin(), ops.end(), [](const auto& op) { return op[0] == "clear"; }));
    }
    static int Events(const std::vector<OperationLog::Operation>& ops, const std::string& handler)
    {
        return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const auto& op) {
            return op[0] == "event" && op[1] == handler;
        }));
    }

    RecordedModel started;
    FieldModel& model = started.model;
    Things& things = started.program.things();
};

} // namespace quorvane
