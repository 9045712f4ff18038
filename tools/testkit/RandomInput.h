// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace quorvane {

// Random choices and random text from one seed, for random user actions: the same
// seed gives the same sequence everywhere.
class RandomInput {
public:
    explicit RandomInput(std::uint32_t seed) : random_(seed) {}

    // A number from 0 to n - 1.
    std::size_t Pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    // `pieces` pieces of what a user may type or paste: mostly digits, but also
    // everything else a keyboard or a clipboard can bring, a multi-byte character
    // and a control character included.
    std::string Text(std::size_t pieces)
    {
        static constexpr std::array<std::string_view, 24> kPieces{"0",
                                                                  "1",
                                                                  "2",
                                                                  "3",
                                                                  "4",
                                                                  "5",
                                                                  "6",
                                                                  "7",
                                                                  "8",
                                                                  "9",
                                                                  "25",
                                                                  "255",
                                                                  "300",
                                                                  "127",
                                                                  "224",
                                                                  ".",
                                                                  "e",
                                                                  "E",
                                                                  "+",
                                                                  "-",
                                                                  " ",
                                                                  "a",
                                                                  "\xF0\x9F\x98\x80",
                                                                  "\t"};
        std::string text;
        for (std::size_t i = 0; i < pieces; ++i)
            text += kPieces[Pick(kPieces.size())];
        return text;
    }

private:
    std::mt19937 random_;
};

} // namespace quorvane
