// SPDX-License-Identifier: MIT
#include "BitStrings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace quorvane {
namespace {

const std::string kAllOnes = "11111111 11111111 11111111 11111111";
const std::string kAllZeros = "00000000 00000000 00000000 00000000";
const std::string kAddress = "11000000 10101000 00000001 00000100"; // 192.168.1.4
const std::string kMask26 = "11111111 11111111 11111111 11000000";

TEST(OctetToBits, GivesEightBitsMostSignificantFirstAndConsumesTheOctet)
{
    const struct {
        std::int16_t octet;
        const char* bits;
    } rows[] = {
        {0, "00000000"},   {1, "00000001"},   {5, "00000101"},   {127, "01111111"},
        {128, "10000000"}, {170, "10101010"}, {192, "11000000"}, {255, "11111111"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.octet);
        std::int16_t octet = row.octet;
        EXPECT_EQ(OctetToBits(octet), row.bits);
        EXPECT_EQ(octet, 0);
    }
}

TEST(BitsToNumber, WeighsEveryCharacterByItsPositionFromTheRight)
{
    const struct {
        const char* name;
        std::string bits;
        double value;
    } rows[] = {
        {"empty", "", 0},
        {"group 192", "11000000", 192},
        {"group 1", "00000001", 1},
        {"packed 192.168.1.1", "11000000101010000000000100000001", 3232235777.0},
        {"packed all ones", "11111111111111111111111111111111", 4294967295.0},
        {"a space takes a position", "1 1", 5},
        {"a letter takes a position", "10x1", 9},
        {"the digit 2 is no one bit", "2", 0},
        {"spaced 192.168.1.1 shifts weights", "11000000 10101000 00000001 00000001", 25813844481.0},
        {"longer than 32 characters", "1" + std::string(40, '0'), 1099511627776.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string before = row.bits;
        EXPECT_EQ(BitsToNumber(row.bits), row.value);
        EXPECT_EQ(row.bits, before);
    }
}

TEST(ApplyMask, CombinesAddressAndMaskPositionByPosition)
{
    const struct {
        const char* name;
        std::string address;
        std::string mask;
        std::int16_t fill;
        std::string result;
    } rows[] = {
        {"subnet of 192.168.1.4/26", kAddress, kMask26, 0, "11000000 10101000 00000001 00000000"},
        {"broadcast of 192.168.1.4/26", kAddress, kMask26, 1,
         "11000000 10101000 00000001 00111111"},
        {"fill -1 acts as 1", kAddress, kMask26, -1, "11000000 10101000 00000001 00111111"},
        {"all-ones mask, fill 0", kAddress, kAllOnes, 0, kAddress},
        {"all-ones mask, fill 1", kAddress, kAllOnes, 1, kAddress},
        {"all-ones mask, fill -1", kAddress, kAllOnes, -1, kAddress},
        {"all-zeros mask, fill 0", kAddress, kAllZeros, 0, kAllZeros},
        {"all-zeros mask, fill 1", kAddress, kAllZeros, 1, kAllOnes},
        {"all-zeros mask, fill -1", kAddress, kAllZeros, -1, kAllOnes},
        {"17-character mask gives 17 characters", kAddress, "11111111 00000000", 1,
         "11000000 11111111"},
        {"short address reads as zeros under ones", "101", kAllOnes, 0,
         "10100000 00000000 00000000 00000000"},
        {"empty address", "", kMask26, 1, "00000000 00000000 00000000 00111111"},
        {"empty mask", kAddress, "", 1, ""},
        {"other mask characters add nothing", "1111", "1x02", 0, "10"},
        {"only 35 positions are walked", kAllOnes + "1111", kAllOnes + "1111", 0, kAllOnes},
        {"address spaces do not matter under a one", "1 1", "111", 0, "101"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string address = row.address;
        const std::string mask = row.mask;
        const std::int16_t fill = row.fill;
        EXPECT_EQ(ApplyMask(address, mask, fill), row.result);
        EXPECT_EQ(address, row.address);
        EXPECT_EQ(mask, row.mask);
        EXPECT_EQ(fill, row.fill);
    }
}

} // namespace
} // namespace quorvane
