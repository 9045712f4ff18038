// SPDX-License-Identifier: MIT
#pragma once

#include "AddressInText.h"
#include "Window.h"

#include <string>
#include <vector>

namespace quorvane {

// Where the window did not take a text's address or prefix as written, once the
// address has been entered: one sentence each, saying what the text said and what
// is shown instead ("octet 1 (300) is above 255; shown as 255", "class A has no /32
// mask; shown with /8", "255.0.255.0 is not a mask; shown with /8", "/24 ignored: a
// multicast address (class D) is not subnetted"). None when all was taken.
std::vector<std::string> NotTakenAsWritten(const PastedAddress& written, const Window& window);

} // namespace quorvane
