// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// A descriptor's input a line at a time, read straight from it: no C++ stream, whose
// start-up would cost the console program more than a report does.
class InputLines {
public:
    explicit InputLines(int descriptor) : descriptor_(descriptor) {}

    // The next line, without its line break (LF or CRLF); false at the end.
    bool Next(std::string& line);
    // Whether more input is at hand, so that reading on would not wait for it.
    bool AtHand() const;

private:
    int descriptor_;
    std::string buffer_;
    std::size_t start_ = 0; // of what is not read yet
    bool end_ = false;
};

// Writes all of `text` to the descriptor; false, with errno saying why, when it could
// not.
bool WriteAll(int descriptor, std::string_view text);

} // namespace quorvane
