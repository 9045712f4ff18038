// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"
#include "Things.h"

namespace quorvane {

// The eight handlers of the window Main, free of any toolkit. A window layer calls
// Handle() for every event it delivers, including the nested ones its own writes raise.
class MainEvents {
public:
    explicit MainEvents(Things& things) noexcept : things_(things) {}

    void Form_Load();
    void IP_Part1_Change();
    void IP_Part2_Change();
    void IP_Part3_Change();
    void IP_Part4_Change();
    void SubnetList_Click();
    void Subsuper1_Click();
    void Subsuper2_Click();

    // Runs the handler of a field's event: the change of an octet box, the click of
    // the mask list or of an option. Other fields have no handler.
    void Handle(Field source);

private:
    void OctetChanged();

    Things& things_;
};

} // namespace quorvane
