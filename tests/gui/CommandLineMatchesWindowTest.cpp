// SPDX-License-Identifier: MIT
// The command line's figures are the window's: for random addresses, prefixes and
// modes, every JSON field the command line prints equals what the real window shows
// after the same paste into box 4, or what follows from it by plain arithmetic.
#include "Addresses.h"
#include "CommandLineRun.h"
#include "MaskList.h"
#include "RandomInput.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

#include <nlohmann/json.hpp>

#include <bit>
#include <string>

namespace quorvane {
namespace {

using Json = nlohmann::json;

// What the window shows as a JSON value: null for "N/A", a number for digits.
Json AsShown(const std::string& shown, const Json& like)
{
    if (shown == kNotApplicable) return nullptr;
    if (like.is_number_float()) return std::stod(shown.substr(0, shown.size() - 1));
    if (like.is_number()) return std::stoull(shown);
    return shown;
}

// "k) subnet  -  first to last  -  broadcast" lines, as JSON objects; a /31's hosts
// are the pair itself, its subnet and broadcast.
Json ListShown(const std::string& list, bool pairs)
{
    Json lines = Json::array();
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find("\r\n", start);
        std::string line = list.substr(start, end - start);
        std::string cells[4];
        std::size_t cell = 0;
        for (const std::string& word :
             {std::string(")"), std::string(" - "), std::string(" to "), std::string(" - ")}) {
            const std::size_t at = line.find(word);
            if (cell > 0) cells[cell - 1] = line.substr(0, at);
            line = line.substr(at + word.size());
            ++cell;
        }
        cells[3] = line;
        for (std::string& text : cells)
            text.erase(0, text.find_first_not_of(" -")), text.erase(text.find_last_not_of(' ') + 1);
        lines.push_back({{"subnet", cells[0]},
                         {"first_host", pairs ? cells[0] : cells[1]},
                         {"last_host", pairs ? cells[3] : cells[2]},
                         {"broadcast", cells[3]}});
        start = end + 2;
    }
    return lines;
}

// An address as people copy it: any first octet, and now and then a group over 255;
// with a prefix, a mask, or neither; now and then inside words.
std::string RandomText(RandomInput& random)
{
    std::string text = std::to_string(1 + random.Pick(255));
    for (int i = 0; i < 3; ++i)
        text +=
            "." + std::to_string(random.Pick(20) == 0 ? 256 + random.Pick(700) : random.Pick(256));
    switch (random.Pick(4)) {
    case 0: text += "/" + std::to_string(random.Pick(33)); break;
    case 1:
        text += " " + std::string(MaskText(kShortestPrefix +
                                           static_cast<int>(random.Pick(kLongestPrefix - 1))));
        break;
    case 2:
        text = "IP: " + text + "/" + std::to_string(kShortestPrefix + random.Pick(30)) + ",";
        break;
    default: break;
    }
    return text;
}

TEST_F(WindowTest, CommandLineJsonIsWhatTheWindowShows)
{
    RandomInput random(20261208);
    const std::pair<const char*, Field> kFields[] = {{"network_id", Field::NetID},
                                                     {"host_id", Field::HostID},
                                                     {"decimal", Field::DecIP},
                                                     {"subnet", Field::IPSubnet},
                                                     {"broadcast", Field::IPBroadcast},
                                                     {"mask_bits", Field::MaskBitsValue},
                                                     {"subnet_bits", Field::SubnetBitsValue},
                                                     {"host_bits", Field::HostBitsValue},
                                                     {"max_subnets", Field::MaxSubnetsValue},
                                                     {"hosts_per_subnet", Field::MaxHostsValue},
                                                     {"total_hosts", Field::TotalHostsValue},
                                                     {"host_efficiency", Field::PercVal},
                                                     {"binary_host", Field::BinHost},
                                                     {"binary_mask", Field::BinMask},
                                                     {"binary_subnet", Field::BinSubnet},
                                                     {"binary_broadcast", Field::BinBC}};
    for (int i = 0; i < 300; ++i) {
        const std::string text = RandomText(random);
        ReportRequest request;
        request.format = FormatNamed("json");
        request.full = true;
        request.supernet = random.Pick(2) == 0;
        const Json json = Json::parse(ReportOf(text, request)->text);
        SCOPED_TRACE(text + (request.supernet ? " (Supernet)" : ""));

        // The mode is chosen first, which also gives the class its own mask again.
        user.Click(request.supernet ? Field::Subsuper2 : Field::Subsuper1);
        user.Paste(Field::IP_Part4, text);
        for (const auto& [key, field] : kFields)
            EXPECT_EQ(json.at(key), AsShown(screen.Shown(field), json.at(key))) << key;
        EXPECT_EQ(json.at("mode"), screen.OptionSelected(Field::Subsuper2) ? "supernet" : "subnet");
        const std::string mask = screen.ListSelected();
        EXPECT_EQ(json.at("mask"), mask == kNotApplicable ? Json(nullptr) : Json(mask));
        const auto address = static_cast<std::uint32_t>(std::stoull(screen.Shown(Field::DecIP)));
        EXPECT_EQ(json.at("address"), oracle::Dotted(address));
        const char classLetter = "AAAAAAAABBBBCCDE"[address >> 28];
        EXPECT_EQ(json.at("class"), std::string(1, classLetter));
        EXPECT_TRUE(Find<QLabel>("Class")->toolTip().contains(
            QString::fromStdString(json.at("type").get<std::string>())))
            << json.at("type");

        const auto maskValue = oracle::ParseDotted(mask);
        const int prefix = maskValue ? std::popcount(*maskValue) : 0;
        EXPECT_EQ(json.at("prefix"), maskValue ? Json(prefix) : Json(nullptr));
        EXPECT_EQ(json.at("wildcard"), maskValue ? Json(oracle::Dotted(~*maskValue)) : nullptr);
        if (maskValue) {
            const auto subnet = *oracle::ParseDotted(screen.Shown(Field::IPSubnet));
            const auto broadcast = *oracle::ParseDotted(screen.Shown(Field::IPBroadcast));
            const bool pair = prefix == kLongestPrefix;
            EXPECT_EQ(json.at("first_host"), oracle::Dotted(pair ? subnet : subnet + 1));
            EXPECT_EQ(json.at("last_host"), oracle::Dotted(pair ? broadcast : broadcast - 1));
            EXPECT_EQ(json.at("cidr_subnets"),
                      std::uint64_t{1} << std::stoi(screen.Shown(Field::SubnetBitsValue)));
        } else {
            for (const char* key : {"first_host", "last_host", "cidr_subnets"})
                EXPECT_EQ(json.at(key), nullptr) << key;
        }
        EXPECT_EQ(json.at("list"),
                  ListShown(screen.Shown(Field::AccessListBox), prefix == kLongestPrefix));

        // --full is what the window's Copy All Results copies, when all was taken.
        request.format = FormatNamed("text");
        const Report full = *ReportOf(text, request);
        if (i % 10 == 0 && full.notes.empty()) {
            QTest::keyClick(Find<QWidget>("IP_Part4"), Qt::Key_C,
                            Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_EQ(full.text, QApplication::clipboard()->text().toStdString());
        }
    }
}

} // namespace
} // namespace quorvane
