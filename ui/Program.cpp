// SPDX-License-Identifier: MIT
#include "Program.h"

namespace quorvane {

Program::Program(Window& window) : window_(window), things_(window), events_(things_)
{
    window.raise = [this](Field source) { events_.Raise(source); };
    things_.DecimalPoint = window.DecimalPoint();
    window.Load([this] { events_.Form_Load(); });
}

Program::~Program()
{
    window_.raise = nullptr;
}

} // namespace quorvane
