// SPDX-License-Identifier: MIT
#include "Program.h"

namespace quorvane {

Program::Program(Window& window) : window_(window), things_(window), events_(things_)
{
    window.eventHandler = [this](Field source) {
        ++running_;
        events_.Handle(source);
        if (--running_ == 0 && window_.Explains()) explainer_.Explain(things_, window_);
    };
    things_.DecimalPoint = window.DecimalPoint();
    window.Load([this] { events_.Form_Load(); });
    if (window.Explains()) explainer_.Explain(things_, window_);
}

Program::~Program()
{
    window_.eventHandler = nullptr;
}

} // namespace quorvane
