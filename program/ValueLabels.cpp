// SPDX-License-Identifier: MIT
#include "ValueLabels.h"

namespace quorvane {

std::string_view FrameCaption(Frame frame)
{
    switch (frame) {
    case Frame::IPInformation: return "IP Information";
    case Frame::SubnetInformation: return "Subnet Information";
    case Frame::BitsAndBobs: return "Bits + Bobs";
    case Frame::BinaryView: return "Binary View";
    }
    return {};
}

const ValueLabel* FindValueLabel(Field field)
{
    for (const ValueLabel& label : kValueLabels) {
        if (label.value == field) return &label;
    }
    return nullptr;
}

} // namespace quorvane
