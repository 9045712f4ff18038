// SPDX-License-Identifier: MIT
// The tests' program: the page's, with an operation log between the window and the
// program, and what a replay dump holds besides what the page shows. Not shipped.
#include "PageCalls.h"

#include "Dump.h"
#include "OperationLog.h"
#include "Program.h"

#include <emscripten/emscripten.h>

#include <optional>

namespace {

using namespace quorvane;

struct Started {
    explicit Started(std::string point)
        : model(std::move(point), FieldModel::HostListBox::Shown, true)
    {
    }
    FieldModel model;
    OperationLog log{model};
    Program program{log};
};

std::optional<Started> started;
std::string answer;

} // namespace

namespace quorvane {

FieldModel& StartProgram(std::string decimalPoint)
{
    started.reset();
    started.emplace(std::move(decimalPoint));
    return started->model;
}

} // namespace quorvane

// The calculator's state and the operations since the previous call, as the end of a
// replay dump: "NetClass", "MaskBits", "SubSuperMode" and "ops".
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorvane_recorded_state()
{
    if (!started) return "";
    const Things& things = started->program.things();
    answer = "{\"NetClass\":" + std::to_string(things.NetClass) +
             ",\"MaskBits\":" + std::to_string(things.MaskBits) +
             ",\"SubSuperMode\":" + std::to_string(things.SubSuperMode) + ",\"ops\":[";
    bool first = true;
    for (const OperationLog::Operation& operation : started->log.Take()) {
        answer += first ? "[" : ",[";
        first = false;
        for (std::size_t i = 0; i < operation.size(); ++i)
            answer += (i > 0 ? "," : "") + JsonText(operation[i]);
        answer += ']';
    }
    answer += "]}";
    return answer.c_str();
}
