// SPDX-License-Identifier: MIT
#pragma once

#include "UserActions.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvane::bench {

// One user action to time, and the untimed steps around it. The same scenarios run
// on the headless model and on the real window, so their costs compare directly.
struct ActionScenario {
    std::string name;
    // Once, after the window has loaded: type the address, pick the mask.
    std::function<void(UserActions&)> prepare;
    // Before every timed action, untimed: back to the state the action starts from.
    // Empty when the action alternates between two states by itself.
    std::function<void(UserActions&)> reset;
    // The timed user action. It may keep state between calls: time a fresh copy of
    // the scenario in every run.
    std::function<void(UserActions&)> action;
};

// The two starting points: 192.168.1.1 with 255.255.255.192 picked (a 2-line
// list), and 10.1.1.1 with 255.255.255.254 (a class A /31: the list is cut at 300).
void PrepareClassC26(UserActions& user);
void PrepareClassA31(UserActions& user);

// An action that runs `first` on odd calls and `second` on even ones.
std::function<void(UserActions&)> Alternate(std::function<void(UserActions&)> first,
                                            std::function<void(UserActions&)> second);

// The actions a user does most, and the heaviest ones: corrected octets while the
// 300-line list is shown, and a corrected first octet that changes the class.
std::vector<ActionScenario> ActionScenarios();

} // namespace quorvane::bench
