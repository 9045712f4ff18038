// SPDX-License-Identifier: MIT
// The calculator under the C library's locales of countries that write numbers
// differently: input keeps reading "." as the decimal point, and every figure keeps
// the digits 0-9 with no grouping.
#include "FieldModel.h"
#include "LocaleNames.h"
#include "Program.h"
#include "WindowInvariants.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

namespace quorvane {
namespace {

class ProcessLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (std::setlocale(LC_ALL, GetParam()) == nullptr) {
            GTEST_SKIP() << GetParam() << " is not installed (Debian package locales-all)";
        }
#ifndef _WIN32 // mingw's C++ library has the C locale only: there the C runtime's is the test
        try {
            std::locale::global(std::locale(GetParam()));
        } catch (const std::runtime_error&) {
            GTEST_SKIP() << GetParam() << " has no C++ locale";
        }
#endif
    }
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_P(ProcessLocale, BoxesReadThePointAsDecimalPoint)
{
    FieldModel window;
    Program program(window);
    window.Type(Field::IP_Part1, "192");
    window.Type(Field::IP_Part2, "168");
    window.Type(Field::IP_Part3, "1");
    const struct {
        const char* typed;
        const char* hostPart;
    } rows[] = {{"2.5", "x.x.x.2"}, {"3.5", "x.x.x.4"}, {"1,5", "x.x.x.1"}, {"1e2", "x.x.x.100"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        window.Paste(Field::IP_Part4, row.typed);
        EXPECT_EQ(window.Text(Field::IP_Part4), row.typed);
        EXPECT_EQ(window.Caption(Field::HostID), row.hostPart);
    }
}

TEST_P(ProcessLocale, FiguresKeepPlainDigits)
{
    FieldModel window;
    Program program(window);
    EnterOctets(window, {"10", "200", "30", "40"});
    ASSERT_TRUE(window.Pick("255.255.255.254"));
    EXPECT_EQ(window.Caption(Field::DecIP), "180887080");
    EXPECT_EQ(window.Caption(Field::MaxSubnetsValue), "8388606");
    EXPECT_EQ(window.Caption(Field::TotalHostsValue), "8388606");
    EXPECT_EQ(hardening::CheckWindow(window), std::vector<std::string>{});

    ASSERT_TRUE(window.Pick("255.255.0.0"));
    EXPECT_EQ(window.Caption(Field::PercVal), "99.2%") << "the headless window keeps the point";
    EXPECT_EQ(hardening::CheckWindow(window), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Locales, ProcessLocale,
                         ::testing::Values(locale_names::kGerman, locale_names::kFrench,
                                           locale_names::kArabic),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 5);
                         });

} // namespace
} // namespace quorvane
