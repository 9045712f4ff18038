// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// Classes as the calculator numbers them; 0 means no address has been read yet.
namespace net_class {
inline constexpr std::int16_t kNone = 0;
inline constexpr std::int16_t kA = 1; // loopback included
inline constexpr std::int16_t kB = 2;
inline constexpr std::int16_t kC = 3;
inline constexpr std::int16_t kMulticast = 4;
inline constexpr std::int16_t kExperimental = 5;
} // namespace net_class

// A class of addresses, decided by the first octet.
struct AddressClass {
    std::int16_t netClass;
    char letter;
    // The first octets of its addresses, from firstOctet to lastOctet.
    int firstOctet;
    int lastOctet;
    std::string_view caption; // what the Class label shows
};

// Classes A to E in class number order; their first octets follow each other, but
// for loopback's.
inline constexpr std::array<AddressClass, 5> kClasses{{
    {net_class::kA, 'A', 1, 126, "A"},
    {net_class::kB, 'B', 128, 191, "B"},
    {net_class::kC, 'C', 192, 223, "C"},
    {net_class::kMulticast, 'D', 224, 239, "Multicast"},
    {net_class::kExperimental, 'E', 240, 255, "Experimental"},
}};

// Loopback, the one first octet between classes A and B: counted as class A, under a
// caption of its own.
inline constexpr int kLoopbackOctet = 127;
inline constexpr std::string_view kLoopbackCaption = "Loopback";

// The row of a class A to E.
constexpr const AddressClass& ClassRow(std::int16_t netClass) noexcept
{
    return kClasses[static_cast<std::size_t>(netClass - net_class::kA)];
}

// "class A" to "class E".
std::string ClassName(std::int16_t netClass);

// The first octets of a class A to E: "1 to 126".
std::string FirstOctets(std::int16_t netClass);

// A class D or E by its caption, with its letter: "Multicast (class D)".
std::string CaptionedClass(std::int16_t netClass);

// Every class with its first octets: "A 1 to 126 (127 loopback), B 128 to 191, ...,
// experimental (class E) 240 to 255".
std::string ClassRanges();

// An address of class D or E by what it is, with its class: "a multicast address
// (class D)", "an experimental address (class E)". Neither class is subnetted.
std::string NotSubnettedAddress(std::int16_t netClass);

} // namespace quorvane
