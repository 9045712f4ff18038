// SPDX-License-Identifier: MIT
// Ctrl+Shift+C puts the whole report on the clipboard, laid out line by line as
// the window shows it; with no address yet, the captions alone.
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace quorvane {
namespace {

class CopyAllResults : public WindowTest {
protected:
    std::string CopiedFrom(QWidget& focus)
    {
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(&focus, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return QApplication::clipboard()->text().toStdString();
    }
};

TEST_F(CopyAllResults, CopiesWhatIsShownFromAnyControl)
{
    EXPECT_EQ(CopiedFrom(*Find<QWidget>("IP_Part1")),
              "IP address:\nSubnet mask:\nNetwork Class:\nNetwork ID:\nDecimal IP:\nHost ID:\n"
              "Subnet:\nBroadcast:\nMask Bits:\nSubnet Bits:\nHost Bits:\nMax. Subnets:\n"
              "Hosts/Subnet:\nTotal Hosts:\nHost Efficency:\nHost:\nMask:\nSubnet:\n"
              "Broadcast:\n");

    user.Paste(Field::IP_Part1, "192.168.1.10/26");
    EXPECT_EQ(CopiedFrom(*Find<QWidget>("AccessListBox")),
              "IP address: 192.168.1.10/26\n"
              "Subnet mask: 255.255.255.192\n"
              "Network Class: C\n"
              "Network ID: 192.168.1.x\n"
              "Decimal IP: 3232235786\n"
              "Host ID: x.x.x.10\n"
              "Subnet: 192.168.1.0\n"
              "Broadcast: 192.168.1.63\n"
              "Mask Bits: 26\n"
              "Subnet Bits: 2\n"
              "Host Bits: 6\n"
              "Max. Subnets: 2\n"
              "Hosts/Subnet: 62\n"
              "Total Hosts: 124\n"
              "Host Efficency: 48.8%\n"
              "Host: 11000000 10101000 00000001 00001010\n"
              "Mask: 11111111 11111111 11111111 11000000\n"
              "Subnet: 11000000 10101000 00000001 00000000\n"
              "Broadcast: 11000000 10101000 00000001 00111111\n"
              "1) 192.168.1.0              -  192.168.1.1 to 192.168.1.62                -  "
              "192.168.1.63\n"
              "2) 192.168.1.64            -  192.168.1.65 to 192.168.1.126            -  "
              "192.168.1.127\n");
}

} // namespace
} // namespace quorvane
