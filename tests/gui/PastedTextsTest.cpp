// SPDX-License-Identifier: MIT
// Texts as people copy them (consoles, configurations, tickets, chats), each pasted
// over box 4 with Ctrl+V on the real window and on the headless model: what the
// boxes, the mode and the mask then show, and the same on both.
#include "OctetBox.h"
#include "RecordedModel.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

namespace quorvane {
namespace {

struct Copied {
    const char* name;
    const char* text;
    const char* boxes; // the four boxes joined by "|"
    bool supernet;
    const char* mask;
};

void PrintTo(const Copied& copied, std::ostream* os)
{
    *os << copied.name;
}

class PastedTexts : public WindowTest, public ::testing::WithParamInterface<Copied> {};

TEST_P(PastedTexts, ShowTheAddressTheyHold)
{
    const Copied& c = GetParam();
    RecordedModel modelStarted{fields.DecimalPoint()};
    modelStarted.model.Paste(Field::IP_Part4, c.text);
    user.Paste(Field::IP_Part4, c.text);

    std::string boxes;
    for (Field box : kOctetBoxes)
        boxes += (boxes.empty() ? "" : "|") + screen.Shown(box);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(screen.OptionSelected(Field::Subsuper2), c.supernet);
    EXPECT_EQ(screen.ListSelected(), c.mask);
    ExpectSameFields(Capture(modelStarted.model), Capture(screen));
}

// A drop is a paste by the mouse: the same address goes into all four boxes.
TEST_F(WindowTest, TextDroppedOnABoxGoesInAsPasted)
{
    QMimeData dragged;
    dragged.setText(QStringLiteral("gateway: 172.16.0.1/20"));
    auto& box = *Find<OctetBox>("IP_Part2");
    const QPoint at = box.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
    EXPECT_EQ(screen.Shown(Field::IP_Part1) + "." + screen.Shown(Field::IP_Part2) + "." +
                  screen.Shown(Field::IP_Part3) + "." + screen.Shown(Field::IP_Part4),
              "172.16.0.1");
    EXPECT_EQ(screen.ListSelected(), "255.255.240.0");
}

constexpr const char* kIpconfig =
    "Ethernet adapter Ethernet:\r\n\r\n"
    "   Connection-specific DNS Suffix  . : corp.example\r\n"
    "   Link-local IPv6 Address . . . . . : fe80::1c2d:3e4f:5a6b:7c8d%12\r\n"
    "   IPv4 Address. . . . . . . . . . . : 10.20.30.40\r\n"
    "   Subnet Mask . . . . . . . . . . . : 255.255.252.0\r\n"
    "   Default Gateway . . . . . . . . . : 10.20.28.1\r\n";

// In a fresh network namespace: loopback down, and a second address on eth0.
constexpr const char* kIpAddr =
    "1: lo: <LOOPBACK> mtu 65536 qdisc noop state DOWN group default qlen 1000\n"
    "    link/loopback 00:00:00:00:00:00 brd 00:00:00:00:00:00\n"
    "2: eth0: <BROADCAST,MULTICAST,UP,LOWER_UP> mtu 1500 qdisc fq_codel state UP\n"
    "    inet 192.168.1.10/26 brd 192.168.1.63 scope global dynamic eth0\n"
    "    inet 10.1.2.3/16 scope global secondary eth0\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedTexts,
    ::testing::Values(
        // Consoles.
        Copied{"IpAddrLine", "    inet 10.0.2.15/24 brd 10.0.2.255 scope global dynamic eth0",
               "10|0|2|15", false, "255.255.255.0"},
        Copied{"IpAddrWholeOutputTakesTheFirst", kIpAddr, "192|168|1|10", false, "255.255.255.192"},
        Copied{"Ifconfig",
               "        inet 192.168.1.10  netmask 255.255.255.192  broadcast 192.168.1.63",
               "192|168|1|10", false, "255.255.255.192"},
        Copied{"IfconfigHexMaskGivesNone", "inet 172.16.5.4 netmask 0xffff0000 broadcast x",
               "172|16|5|4", false, "255.255.0.0"},
        Copied{"IpconfigBlock", kIpconfig, "10|20|30|40", false, "255.255.252.0"},
        Copied{"IpconfigPreferred",
               "   IPv4 Address. . . : 192.168.0.105(Preferred) \r\n"
               "   Subnet Mask . . . : 255.255.255.128\r\n",
               "192|168|0|105", false, "255.255.255.128"},
        Copied{"IpRoute", "10.8.0.0/16 via 192.168.1.1 dev tun0", "10|8|0|0", false, "255.255.0.0"},
        Copied{"RouteNGatewayZeroHidesTheGenmask",
               "10.8.0.0        0.0.0.0         255.255.0.0     U     0      0        0 tun0",
               "10|8|0|0", false, "255.0.0.0"},
        Copied{"RoutePrintRow", "    192.168.1.0  255.255.255.128    On-link    192.168.1.105  281",
               "192|168|1|0", false, "255.255.255.128"},
        // Configurations.
        Copied{"IosInterface",
               "interface GigabitEthernet0/1\n ip address 10.1.1.1 255.255.255.252\n no shutdown",
               "10|1|1|1", false, "255.255.255.252"},
        Copied{"IosAccessListWildcard", "access-list 101 permit ip 10.0.0.0 0.0.0.255 any",
               "10|0|0|0", false, "255.255.255.0"},
        Copied{"JunosSet", "set interfaces ge-0/0/0 unit 0 family inet address 192.0.2.1/30",
               "192|0|2|1", false, "255.255.255.252"},
        Copied{"JunosBlock", "family inet {\n    address 198.51.100.5/29;\n}", "198|51|100|5",
               false, "255.255.255.248"},
        Copied{"BgpSupernet", "network 198.18.0.0/15", "198|18|0|0", true, "255.254.0.0"},
        // Spreadsheets and data.
        Copied{"CsvCells", "web01,10.1.2.3,255.255.255.128,eu-west", "10|1|2|3", false,
               "255.255.255.128"},
        Copied{"QuotedCsvCell", "\"db02\";\"172.20.4.9/23\"", "172|20|4|9", false, "255.255.254.0"},
        Copied{"JsonValue", "{\"name\": \"gw\", \"ip\": \"10.1.2.3\", \"prefix\": 24}", "10|1|2|3",
               false, "255.0.0.0"},
        // Tickets and chats.
        Copied{"TicketLabel", "IP: 10.20.30.40/27", "10|20|30|40", false, "255.255.255.224"},
        Copied{"ChatTrailingComma", "10.20.30.40/27,", "10|20|30|40", false, "255.255.255.224"},
        Copied{"MaskAfterSlash", "172.16.0.0/255.255.255.192", "172|16|0|0", false,
               "255.255.255.192"},
        Copied{"MarkdownBackticks", "Please route `10.20.30.40/27` to the DMZ.", "10|20|30|40",
               false, "255.255.255.224"},
        Copied{"SentenceFullStop", "Use 192.168.7.1. The mask is 255.255.255.240.", "192|168|7|1",
               false, "255.255.255.240"},
        Copied{"TrailingColon", "ping 10.0.0.5: no reply", "10|0|0|5", false, "255.0.0.0"},
        Copied{"ClosingBracket", "(see 198.51.100.7/28)", "198|51|100|7", false, "255.255.255.240"},
        Copied{"UrlWithPort", "http://10.1.2.3:8080/status", "10|1|2|3", false, "255.0.0.0"},
        Copied{"UrlPathGluedToItsDigits", "https://10.0.0.1/24h-report", "10|0|0|1", false,
               "255.0.0.0"},
        Copied{"Range", "10.0.0.1 - 10.0.0.50", "10|0|0|1", false, "255.0.0.0"},
        Copied{"BrdIsNoMask", "inet 10.1.1.1 brd 10.1.1.255", "10|1|1|1", false, "255.0.0.0"},
        Copied{"LoneCarriageReturn", "10.1.2.3\r255.255.0.0", "10|1|2|3", false, "255.255.0.0"},
        Copied{"UnicodeLineSeparator", "10.1.2.3\u2028255.255.255.0", "10|1|2|3", false,
               "255.255.255.0"},
        Copied{"NoBreakSpaces", "IP\u00a0:\u00a0172.16.1.2\u00a0/\u00a024", "172|16|1|2", false,
               "255.255.255.0"},
        Copied{"GroupsOver255AreCorrected", "10.300.2.999/24", "10|255|2|255", false,
               "255.255.255.0"},
        // No address: cut to three characters, as any paste.
        Copied{"FiveGroups", "1.2.3.4.5", "1|||1.2", false, "255.0.0.0"},
        Copied{"FiveGroupsAfterALetter", "v10.1.2.3.4", "1|||v10", false, "255.0.0.0"},
        Copied{"VersionString", "v6.4.2", "1|||v6.", false, "255.0.0.0"},
        Copied{"Date", "2026.12.08", "1|||202", false, "255.0.0.0"},
        Copied{"Words", "no address here", "1|||no ", false, "255.0.0.0"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvane
