// SPDX-License-Identifier: MIT
#include "Program.h"

namespace quorvane {

Program::Program(Window& window) : window_(window), things_(window), events_(things_)
{
    window.eventHandler = [this](Field source) { events_.Handle(source); };
    things_.DecimalPoint = window.DecimalPoint();
    window.Load([this] { events_.Form_Load(); });
}

Program::~Program()
{
    window_.eventHandler = nullptr;
}

} // namespace quorvane
