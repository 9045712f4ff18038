// SPDX-License-Identifier: MIT
#pragma once

#include "Classify.h"
#include "Fields.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvane {

namespace mode {
inline constexpr std::int16_t kSubnet = 0;
inline constexpr std::int16_t kSupernet = 1;
} // namespace mode

// The calculator: the little state that lives outside the window, and the
// procedures that read and write the window through its fields. Procedures may be
// re-entered through the events their own writes raise, so they keep their working
// values local.
class Things {
public:
    explicit Things(Fields& fields) noexcept : fields_(fields) {}
    Things(const Things&) = delete;
    Things& operator=(const Things&) = delete;

    std::int16_t NetClass = net_class::kNone;
    std::int16_t MaskBits = 0;
    std::int16_t SubSuperMode = mode::kSubnet;
    // Classful bit counts, class by class with the kind varying fastest:
    // [2 * (class - 1) + kind], kind 0 = host bits, 1 = network bits.
    std::array<std::int16_t, 6> ClassBits{};

    // The decimal separator of the user's number settings, used for the efficiency.
    std::string DecimalPoint = ".";

    std::int16_t ClassHostBits(std::int16_t netClass) const;
    std::int16_t ClassNetworkBits(std::int16_t netClass) const;

    void ReadAddress();
    void FillMaskList();
    void Calculate();

    Fields& fields() const noexcept { return fields_; }

private:
    Fields& fields_;
};

} // namespace quorvane
