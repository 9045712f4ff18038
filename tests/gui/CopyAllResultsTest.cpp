// SPDX-License-Identifier: MIT
// Ctrl+Shift+C puts the report on the clipboard, as plain text aligned for a
// monospace font and as HTML tables: the address's own facts, each frame's
// captions and values as shown, then the Hosts/Subnets list as the calculator
// last wrote it, whatever the user has typed into the list box since.
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <optional>

namespace quorvane {
namespace {

struct ReportCase {
    const char* name;
    std::function<void(UserActions&)> enter;
    std::string head;                // the plain report from its start
    std::optional<std::string> tail; // its end; none: `head` is the whole report
};

void PrintTo(const ReportCase& report, std::ostream* os)
{
    *os << report.name;
}

class CopyAllResults : public WindowTest {
protected:
    const QMimeData& CopiedFrom(QWidget& focus)
    {
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(&focus, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return *QApplication::clipboard()->mimeData();
    }
    std::string CopiedText() { return CopiedFrom(*Find<QWidget>("IP_Part1")).text().toStdString(); }
};

class PlainReport : public CopyAllResults, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(PlainReport, ReadsAsExpected)
{
    const ReportCase& expected = GetParam();
    expected.enter(user);
    const std::string report = CopiedText();
    if (!expected.tail) {
        EXPECT_EQ(report, expected.head);
        return;
    }
    EXPECT_EQ(report.substr(0, expected.head.size()), expected.head);
    EXPECT_EQ(report.substr(report.size() - std::min(report.size(), expected.tail->size())),
              *expected.tail);
}

void Paste(UserActions& user, std::string_view address)
{
    user.Paste(Field::IP_Part1, address);
}

const std::string kClassCSubnet = R"(Address:     192.168.1.10/26
Class:       C
Type:        private-use (RFC 1918)
Mask:        255.255.255.192 (/26), wildcard 0.0.0.63
Host range:  192.168.1.1 to 192.168.1.62
Subnets:     4 = 2^2, subnet zero and the all-ones subnet counted (RFC 1878)

IP Information
  Network Class:  C
  Network ID:     192.168.1.x
  Decimal IP:     3232235786
  Host ID:        x.x.x.10

Subnet Information
  Subnet:     192.168.1.0
  Broadcast:  192.168.1.63

Bits + Bobs
  Mask Bits:       26
  Subnet Bits:     2
  Host Bits:       6
  Max. Subnets:    2
  Hosts/Subnet:    62
  Total Hosts:     124
  Host Efficency:  48.8%

Binary View
  Host:       11000000 10101000 00000001 00001010
  Mask:       11111111 11111111 11111111 11000000
  Subnet:     11000000 10101000 00000001 00000000
  Broadcast:  11000000 10101000 00000001 00111111

Hosts/Subnets List
  Subnet           Host Range                     Broadcast
  1) 192.168.1.0   192.168.1.1 to 192.168.1.62    192.168.1.63
  2) 192.168.1.64  192.168.1.65 to 192.168.1.126  192.168.1.127
)";

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainReport,
    ::testing::Values(
        ReportCase{"EmptyWindow", [](UserActions&) {}, "No address has been entered yet.\n", {}},
        ReportCase{"OptionClickedFirst",
                   [](UserActions& u) { u.Click(Field::Subsuper2); },
                   "No address has been entered yet.\n",
                   {}},
        ReportCase{
            "ClassCSubnet", [](UserActions& u) { Paste(u, "192.168.1.10/26"); }, kClassCSubnet, {}},
        // 300 of the subnets, from the address's own on: the widest line numbers
        // and addresses come last, and the columns still line up.
        ReportCase{"ClassA27", [](UserActions& u) { Paste(u, "10.20.30.40/27"); },
                   "Address:     10.20.30.40/27\n"
                   "Class:       A\n"
                   "Type:        private-use (RFC 1918)\n"
                   "Mask:        255.255.255.224 (/27), wildcard 0.0.0.31\n"
                   "Host range:  10.20.30.33 to 10.20.30.62\n"
                   "Subnets:     524288 = 2^19, subnet zero and the all-ones subnet counted "
                   "(RFC 1878)\n"
                   "\n"
                   "IP Information\n"
                   "  Network Class:  A\n"
                   "  Network ID:     10.x.x.x\n"
                   "  Decimal IP:     169090600\n"
                   "  Host ID:        x.20.30.40\n",
                   "  300) 10.20.67.128  10.20.67.129 to 10.20.67.158  10.20.67.159\n"
                   "  (300 of 524286 subnets listed)\n"},
        ReportCase{
            "PointToPoint31", [](UserActions& u) { Paste(u, "198.51.100.7/31"); },
            "Address:     198.51.100.7/31\n"
            "Class:       C\n"
            "Type:        documentation, TEST-NET-2 (RFC 5737)\n"
            "Mask:        255.255.255.254 (/31), wildcard 0.0.0.1\n"
            "Host range:  198.51.100.6 and 198.51.100.7 (point-to-point, RFC 3021)\n"
            "Subnets:     128 = 2^7, subnet zero and the all-ones subnet counted (RFC 1878)\n"
            "\n",
            ""},
        ReportCase{"Supernet", [](UserActions& u) { Paste(u, "203.0.113.9/22"); },
                   "Address:     203.0.113.9/22\n"
                   "Class:       C\n"
                   "Type:        documentation, TEST-NET-3 (RFC 5737)\n"
                   "Mask:        255.255.252.0 (/22), wildcard 0.0.3.255\n"
                   "Host range:  203.0.112.1 to 203.0.115.254\n"
                   "Subnets:     4 = 2^2 class C networks in the block\n\n",
                   "Bits + Bobs\n"
                   "  Mask Bits:       22\n"
                   "  CIDR Mask Bits:  2\n"
                   "  Host Bits:       10\n"
                   "  Subnets/Block:   2\n"
                   "  Hosts/Subnet:    1022\n"
                   "  Total Hosts:     N/A\n"
                   "  Host Efficency:  N/A\n"
                   "\n"
                   "Binary View\n"
                   "  Host:       11001011 00000000 01110001 00001001\n"
                   "  Mask:       11111111 11111111 11111100 00000000\n"
                   "  Subnet:     11001011 00000000 01110000 00000000\n"
                   "  Broadcast:  11001011 00000000 01110011 11111111\n"
                   "\n"
                   "Hosts/Subnets List\n"
                   "  (none in Supernet mode)\n"},
        ReportCase{"NotSubnetted", [](UserActions& u) { Paste(u, "172.16.5.4"); }, "",
                   "  Host Efficency:  100%\n"
                   "\n"
                   "Binary View\n"
                   "  Host:       10101100 00010000 00000101 00000100\n"
                   "  Mask:       11111111 11111111 00000000 00000000\n"
                   "  Subnet:     10101100 00010000 00000000 00000000\n"
                   "  Broadcast:  10101100 00010000 11111111 11111111\n"
                   "\n"
                   "Hosts/Subnets List\n"
                   "  (none: the network is not subnetted)\n"},
        // No prefix and no mask: the window shows "N/A" for both.
        ReportCase{"ClassD", [](UserActions& u) { Paste(u, "224.0.0.5"); },
                   "Address:  224.0.0.5\n"
                   "Class:    D\n"
                   "Type:     multicast (RFC 5771; class D, not subnetted)\n"
                   "\n"
                   "IP Information\n"
                   "  Network Class:  Multicast\n"
                   "  Network ID:     N/A\n",
                   "  Broadcast:  N/A\n"
                   "\n"
                   "Hosts/Subnets List\n"
                   "  (none: class D is not subnetted)\n"},
        ReportCase{"ClassE", [](UserActions& u) { Paste(u, "250.1.2.3"); },
                   "Address:  250.1.2.3\n"
                   "Class:    E\n"
                   "Type:     reserved (RFC 1112; class E, not subnetted)\n"
                   "\n",
                   "Hosts/Subnets List\n"
                   "  (none: class E is not subnetted)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyAllResults, SaysSoInATooltipAtTheFocusedControl)
{
    user.Paste(Field::IP_Part3, "192.168.1.10/26");
    EXPECT_EQ(CopiedFrom(*Find<QWidget>("IP_Part4")).text().count(QLatin1Char('\n')), 36);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text().toStdString(), "Copied the results (36 lines) to the clipboard");
}

TEST_F(CopyAllResults, OffersTablesToEditorsThatTakeHtml)
{
    user.Paste(Field::IP_Part1, "192.168.1.10/26");
    const QMimeData& copied = CopiedFrom(*Find<QWidget>("AccessListBox"));
    EXPECT_EQ(copied.text().toStdString(), kClassCSubnet);
    // The frames' tables are built as the first one is.
    const std::string html = copied.html().toStdString();
    EXPECT_EQ(html.substr(0, html.find("<h3>")),
              "<meta charset=\"utf-8\">\n"
              "<table>\n"
              "<tr><th align=\"left\">Address:</th><td>192.168.1.10/26</td></tr>\n"
              "<tr><th align=\"left\">Class:</th><td>C</td></tr>\n"
              "<tr><th align=\"left\">Type:</th><td>private-use (RFC 1918)</td></tr>\n"
              "<tr><th align=\"left\">Mask:</th><td>255.255.255.192 (/26), wildcard "
              "0.0.0.63</td></tr>\n"
              "<tr><th align=\"left\">Host range:</th><td>192.168.1.1 to 192.168.1.62</td></tr>\n"
              "<tr><th align=\"left\">Subnets:</th><td>4 = 2^2, subnet zero and the all-ones "
              "subnet counted (RFC 1878)</td></tr>\n"
              "</table>\n");
    const std::size_t list = html.find("<h3>Hosts/Subnets List");
    ASSERT_NE(list, std::string::npos) << html;
    EXPECT_EQ(html.substr(list),
              "<h3>Hosts/Subnets List</h3>\n"
              "<table>\n"
              "<tr><th align=\"left\">Subnet</th><th align=\"left\">Host Range</th>"
              "<th align=\"left\">Broadcast</th></tr>\n"
              "<tr><td>1) 192.168.1.0</td><td>192.168.1.1 to 192.168.1.62</td>"
              "<td>192.168.1.63</td></tr>\n"
              "<tr><td>2) 192.168.1.64</td><td>192.168.1.65 to 192.168.1.126</td>"
              "<td>192.168.1.127</td></tr>\n"
              "</table>\n");
}

TEST_F(CopyAllResults, LeavesOutWhatTheUserTypedIntoTheList)
{
    auto& list = *Find<QPlainTextEdit>("AccessListBox");
    QTest::keyClicks(&list, "typed by hand");
    EXPECT_EQ(CopiedText(), "No address has been entered yet.\n");

    user.Paste(Field::IP_Part1, "192.168.1.10/26");
    QTest::keyClick(&list, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&list, "3) 192.168.1.128  -  typed by hand");
    ASSERT_NE(list.toPlainText().indexOf(QStringLiteral("typed by hand")), -1);
    EXPECT_EQ(CopiedText(), kClassCSubnet);
}

} // namespace
} // namespace quorvane
