// SPDX-License-Identifier: MIT
#include "ActionScenarios.h"

namespace quorvane::bench {

void PrepareClassC26(UserActions& user)
{
    EnterOctets(user, {"192", "168", "1", "1"});
    user.Pick("255.255.255.192");
}

// Class A with the longest prefix: 8388606 subnets, so the list is cut at 300 lines.
void PrepareClassA31(UserActions& user)
{
    EnterOctets(user, {"10", "1", "1", "1"});
    user.Pick("255.255.255.254");
}

// Each call runs the next of two actions, so a run alternates between two states.
// The turn is part of the action's own copy: a copied scenario starts with `first`.
std::function<void(UserActions&)> Alternate(std::function<void(UserActions&)> first,
                                            std::function<void(UserActions&)> second)
{
    return [first, second, odd = false](UserActions& user) mutable {
        odd = !odd;
        (odd ? first : second)(user);
    };
}

std::vector<ActionScenario> ActionScenarios()
{
    std::vector<ActionScenario> scenarios;

    scenarios.push_back({"keystroke box 4; C /26 (1 Calculate)",
                         PrepareClassC26,
                         {},
                         Alternate([](UserActions& u) { u.Type(Field::IP_Part4, "0"); },
                                   [](UserActions& u) { u.Backspace(Field::IP_Part4, 1); })});

    scenarios.push_back({"mask pick; C /26 <-> /27 (1 Calculate)",
                         PrepareClassC26,
                         {},
                         Alternate([](UserActions& u) { u.Pick("255.255.255.224"); },
                                   [](UserActions& u) { u.Pick("255.255.255.192"); })});

    scenarios.push_back({"option click; C (1 refill; 2 Calculate)",
                         PrepareClassC26,
                         {},
                         Alternate([](UserActions& u) { u.Click(Field::Subsuper2); },
                                   [](UserActions& u) { u.Click(Field::Subsuper1); })});

    scenarios.push_back({"keystroke box 4; A /31; 300 lines (1 Calculate)",
                         PrepareClassA31,
                         {},
                         Alternate([](UserActions& u) { u.Type(Field::IP_Part4, "0"); },
                                   [](UserActions& u) { u.Backspace(Field::IP_Part4, 1); })});

    scenarios.push_back({"mask pick; A /31 <-> /30; 300 lines (1 Calculate)",
                         PrepareClassA31,
                         {},
                         Alternate([](UserActions& u) { u.Pick("255.255.255.252"); },
                                   [](UserActions& u) { u.Pick("255.255.255.254"); })});

    // A whole address with its prefix pasted into box 3: boxes 2 to 4 change (3
    // Calculate), and the /31 already shown is picked again (1 Calculate).
    scenarios.push_back(
        {"dotted paste with a prefix box 3; A /31; 300 lines (4 Calculate)",
         PrepareClassA31,
         {},
         Alternate([](UserActions& u) { u.Paste(Field::IP_Part3, "10.2.2.2/31"); },
                   [](UserActions& u) { u.Paste(Field::IP_Part3, "10.1.1.1/31"); })});

    // "30" becomes "300", which is corrected to "255": the box's change runs nested.
    scenarios.push_back({"corrected keystroke box 2; A /31; 300 lines (2 Calculate)",
                         PrepareClassA31, [](UserActions& u) { u.Paste(Field::IP_Part2, "30"); },
                         [](UserActions& u) { u.Type(Field::IP_Part2, "0"); }});

    // Box 1 holds "1": erasing it is corrected back to "1", class A stays, 300 lines twice.
    scenarios.push_back({"corrected backspace box 1; A /31; 300 lines (2 Calculate)",
                         [](UserActions& u) {
                             PrepareClassA31(u);
                             u.Paste(Field::IP_Part1, "1");
                         },
                         {},
                         [](UserActions& u) { u.Backspace(Field::IP_Part1, 1); }});

    // Box 1 from "30" to "300": corrected to "255", experimental, the list refilled
    // by the nested and by the outer handler.
    scenarios.push_back({"corrected keystroke box 1; A -> Experimental (2 refills; 4 Calculate)",
                         PrepareClassA31, [](UserActions& u) { u.Paste(Field::IP_Part1, "30"); },
                         [](UserActions& u) { u.Type(Field::IP_Part1, "0"); }});

    // And back: emptying box 1 is corrected to "1", class A again.
    scenarios.push_back({"corrected clear box 1; Experimental -> A (2 refills; 4 Calculate)",
                         PrepareClassA31, [](UserActions& u) { u.Paste(Field::IP_Part1, "255"); },
                         [](UserActions& u) { u.Clear(Field::IP_Part1); }});

    return scenarios;
}

} // namespace quorvane::bench
