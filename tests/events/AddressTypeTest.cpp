// SPDX-License-Identifier: MIT
// The type an address's class explanation names: each reserved block from its first
// to its last address, and the public addresses just outside it.
#include "AddressType.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

struct TypeCase {
    std::uint32_t a, b, c, d;
    const char* type; // the start of the type's words
};

class AddressTypes : public ::testing::TestWithParam<TypeCase> {};

TEST_P(AddressTypes, NameTheBlockThatHoldsTheAddress)
{
    const TypeCase& row = GetParam();
    const std::string type(AddressType(row.a << 24 | row.b << 16 | row.c << 8 | row.d));
    EXPECT_EQ(type.rfind(row.type, 0), 0U)
        << row.a << '.' << row.b << '.' << row.c << '.' << row.d << " is \"" << type << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Registry, AddressTypes,
    ::testing::Values(
        TypeCase{0, 0, 0, 0, "\"this network\""}, TypeCase{0, 255, 255, 255, "\"this network\""},
        TypeCase{1, 0, 0, 0, "public"}, TypeCase{9, 255, 255, 255, "public"},
        TypeCase{10, 0, 0, 0, "private-use"}, TypeCase{10, 255, 255, 255, "private-use"},
        TypeCase{11, 0, 0, 0, "public"}, TypeCase{100, 63, 255, 255, "public"},
        TypeCase{100, 64, 0, 0, "shared address space"},
        TypeCase{100, 127, 255, 255, "shared address space"}, TypeCase{100, 128, 0, 0, "public"},
        TypeCase{127, 0, 0, 0, "loopback"}, TypeCase{127, 255, 255, 255, "loopback"},
        TypeCase{169, 253, 255, 255, "public"}, TypeCase{169, 254, 0, 0, "link-local"},
        TypeCase{169, 254, 255, 255, "link-local"}, TypeCase{172, 15, 255, 255, "public"},
        TypeCase{172, 16, 0, 0, "private-use"}, TypeCase{172, 31, 255, 255, "private-use"},
        TypeCase{172, 32, 0, 0, "public"}, TypeCase{192, 0, 0, 0, "IETF protocol assignments"},
        TypeCase{192, 0, 0, 255, "IETF protocol assignments"}, TypeCase{192, 0, 1, 0, "public"},
        TypeCase{192, 0, 2, 0, "documentation"}, TypeCase{192, 0, 2, 255, "documentation"},
        TypeCase{192, 0, 3, 0, "public"}, TypeCase{192, 167, 255, 255, "public"},
        TypeCase{192, 168, 0, 0, "private-use"}, TypeCase{192, 168, 255, 255, "private-use"},
        TypeCase{192, 169, 0, 0, "public"}, TypeCase{198, 17, 255, 255, "public"},
        TypeCase{198, 18, 0, 0, "benchmarking"}, TypeCase{198, 19, 255, 255, "benchmarking"},
        TypeCase{198, 20, 0, 0, "public"}, TypeCase{198, 51, 99, 255, "public"},
        TypeCase{198, 51, 100, 0, "documentation"}, TypeCase{198, 51, 100, 255, "documentation"},
        TypeCase{198, 51, 101, 0, "public"}, TypeCase{203, 0, 112, 255, "public"},
        TypeCase{203, 0, 113, 0, "documentation"}, TypeCase{203, 0, 113, 255, "documentation"},
        TypeCase{203, 0, 114, 0, "public"}, TypeCase{223, 255, 255, 255, "public"},
        TypeCase{224, 0, 0, 0, "multicast"}, TypeCase{239, 255, 255, 255, "multicast"},
        TypeCase{240, 0, 0, 0, "reserved"}, TypeCase{255, 255, 255, 254, "reserved"},
        TypeCase{255, 255, 255, 255, "limited broadcast"}));

} // namespace
} // namespace quorvane
