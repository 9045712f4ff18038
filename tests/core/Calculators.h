// SPDX-License-Identifier: MIT
#pragma once

#include "Addresses.h"
#include "FieldModel.h"
#include "MainEvents.h"
#include "Program.h"
#include "Things.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The calculator with its handlers on a headless window, driven like a person would.
class Calculator {
public:
    Calculator() = default;
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Pastes each octet over its box's text, in box order.
    void Enter(std::string_view first, std::string_view second, std::string_view third,
               std::string_view fourth);
    // The same for a dotted address such as "192.168.1.0".
    void Enter(std::string_view dotted);
    void Subnet() { window_.Click(Field::Subsuper1); }
    void Supernet() { window_.Click(Field::Subsuper2); }
    // Picks the mask of this prefix length; false when the list does not offer it.
    bool Prefix(int prefix) { return window_.Pick(oracle::Dotted(oracle::MaskOf(prefix))); }

    std::string operator[](Field field) const { return window_.Text(field); }
    FieldModel& window() noexcept { return window_; }
    Things& things() noexcept { return program_.things(); }

private:
    FieldModel window_;
    Program program_{window_};
};

// The calculator alone on a window whose writes raise nothing, with the class bit
// table filled by the load handler: procedures run exactly once each.
struct BareCalculator {
    BareCalculator() { MainEvents(things).Form_Load(); }
    BareCalculator(const BareCalculator&) = delete;
    BareCalculator& operator=(const BareCalculator&) = delete;

    void SetBoxes(std::string_view first, std::string_view second, std::string_view third,
                  std::string_view fourth);

    FieldModel window;
    Things things{window};
};

// Every field's text, the list entries and the selected entry, for comparing states.
std::vector<std::string> Snapshot(const FieldModel& window);

} // namespace quorvane
