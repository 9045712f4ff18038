// SPDX-License-Identifier: MIT
// The page's program: the window without a screen, explained, and the program on it.
#include "PageCalls.h"

#include "Program.h"

#include <optional>

namespace quorvane {

FieldModel& StartProgram(std::string decimalPoint)
{
    struct Started {
        explicit Started(std::string point)
            : model(std::move(point), FieldModel::HostListBox::Shown, true)
        {
        }
        FieldModel model;
        Program program{model};
    };
    static std::optional<Started> started;
    started.reset();
    started.emplace(std::move(decimalPoint));
    return started->model;
}

} // namespace quorvane
