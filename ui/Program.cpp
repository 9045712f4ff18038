// SPDX-License-Identifier: MIT
#include "Program.h"

namespace quorvane {

namespace {

Fields& WritePath(Window& window, std::optional<OperationLog>& log, Program::Recording recording)
{
    if (recording == Program::Recording::Off) return window;
    return log.emplace(window);
}

} // namespace

Program::Program(Window& window, Recording recording)
    : window_(window), things_(WritePath(window, log_, recording)), events_(things_)
{
    window.raise = [this](Field source) { events_.Raise(source); };
    if (log_) {
        events_.onHandler = [this](std::string_view handler) { log_->HandlerStarted(handler); };
    }
}

Program::~Program()
{
    window_.raise = nullptr;
}

} // namespace quorvane
