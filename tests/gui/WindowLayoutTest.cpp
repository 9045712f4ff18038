// SPDX-License-Identifier: MIT
// The window as designed: its controls, their kinds and frames, the tab order,
// the start-up state, and texts that must fit their controls.
#include "OctetBox.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <string>
#include <vector>

namespace quorvane {
namespace {

struct Frame {
    const char* name;
    const char* caption;
    std::vector<const char*> controls;
};

const std::vector<Frame> kFrames{
    {"Frame_IP",
     "IP Information",
     {"IP_Part1", "IP_Part2", "IP_Part3", "IP_Part4", "Label1", "DecIP", "Label_Dec", "Label_NC",
      "Class", "HostID", "HostIDLabel", "NetIDLabel", "NetID"}},
    {"Frame_Subnet",
     "Subnet Information",
     {"SubnetList", "Label2", "Label_Subnet", "IPSubnet", "IPBroadcast", "Label_BC"}},
    {"FrameSubSuper", "Subnet or Supernet", {"Subsuper2", "Subsuper1"}},
    {"Frame_Bin",
     "Binary View",
     {"BinBC", "Label_BinBC", "Label_BinMask", "BinMask", "Label_BinSubnet", "BinSubnet", "BinHost",
      "Label_BinHost"}},
    {"Frame_Bob",
     "Bits + Bobs",
     {"Label4", "PercVal", "TotalHostsValue", "TotalHostsLabel", "MaxHostsLabel", "MaxHostsValue",
      "MaxSubnetsLabel", "MaxSubnetsValue", "MaskBitsLabel", "MaskBitsValue", "HostBitsValue",
      "HostBitsLabel", "SubnetBitsValue", "SubnetBitsLabel"}},
    {"Frame_List",
     "Hosts/Subnets List",
     {"AccessListBox", "List_Range", "List_Broadcast", "List_Subnet"}},
};

const char* ExpectedClass(const std::string& name)
{
    if (name.rfind("IP_Part", 0) == 0) return "quorvane::OctetBox";
    if (name == "SubnetList") return "QComboBox";
    if (name.rfind("Subsuper", 0) == 0) return "QRadioButton";
    if (name == "AccessListBox") return "QPlainTextEdit";
    return "QLabel";
}

using WindowLayout = WindowTest;

TEST_F(WindowLayout, HasTheSixFramesTheTitleAndTheirFortySevenControls)
{
    EXPECT_EQ(window.objectName(), "Main");
    EXPECT_EQ(window.windowTitle(), "Quorvane");
    QLabel* title = Find<QLabel>("Title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->parentWidget(), &window);
    EXPECT_EQ(title->text(), "Quorvane");

    int controls = 0;
    for (const Frame& frame : kFrames) {
        SCOPED_TRACE(frame.name);
        auto* box = Find<QGroupBox>(frame.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), &window);
        EXPECT_EQ(box->title(), frame.caption);
        for (const char* name : frame.controls) {
            SCOPED_TRACE(name);
            auto* control = Find<QWidget>(name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->parentWidget(), box);
            EXPECT_STREQ(control->metaObject()->className(), ExpectedClass(name));
            ++controls;
        }
    }
    EXPECT_EQ(controls, 47);
    EXPECT_EQ(window.findChildren<QGroupBox*>().size(), 6);
}

// Where the frame's style puts its caption.
QRect CaptionRect(const QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    return frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         &frame);
}

// As drawn: the top border line runs through the caption's letters, not above or
// below them.
TEST_F(WindowLayout, EachFrameCaptionSitsOnItsBorderLine)
{
    for (const Frame& frame : kFrames) {
        SCOPED_TRACE(frame.name);
        auto* box = Find<QGroupBox>(frame.name);
        const QImage drawn = box->grab().toImage();
        const QRgb background = drawn.pixel(0, 0);
        const auto inked = [&](int y, int left, int right) {
            int count = 0;
            for (int x = left; x <= right; ++x)
                count += drawn.pixel(x, y) != background ? 1 : 0;
            return count;
        };
        const QRect caption = CaptionRect(*box);
        // The line: the first row drawn all along from the caption to the right edge.
        const int lineLeft = caption.right() + 4, lineRight = drawn.width() - 4;
        int line = -1;
        for (int y = 0; y < drawn.height() && line < 0; ++y) {
            if (inked(y, lineLeft, lineRight) == lineRight - lineLeft + 1) line = y;
        }
        int top = -1, bottom = -1;
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            if (inked(y, caption.left(), caption.right()) == 0) continue;
            if (top < 0) top = y;
            bottom = y;
        }
        EXPECT_TRUE(top < line && line < bottom)
            << "the caption's letters on rows " << top << " to " << bottom << ", the line on row "
            << line;
    }
}

TEST_F(WindowLayout, HasAFixedClientAreaOfTheDesignedSize)
{
    EXPECT_EQ(window.size(), QSize(457, 505));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(WindowLayout, StartsEmptyInSubnetModeWithTheFocusInTheFirstBox)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        SCOPED_TRACE(info.name);
        if (info.kind == FieldKind::Label && info.field != Field::SubnetBitsLabel &&
            info.field != Field::MaxSubnetsLabel) {
            EXPECT_EQ(screen.Shown(info.field), "");
        } else if (info.kind == FieldKind::TextBox || info.kind == FieldKind::MultiLine) {
            EXPECT_EQ(screen.Shown(info.field), "");
        }
    }
    EXPECT_EQ(screen.Shown(Field::SubnetBitsLabel), "Subnet Bits:");
    EXPECT_EQ(screen.Shown(Field::MaxSubnetsLabel), "Max. Subnets:");
    EXPECT_TRUE(screen.ListEntries().empty());
    EXPECT_TRUE(screen.OptionSelected(Field::Subsuper1));
    EXPECT_FALSE(screen.OptionSelected(Field::Subsuper2));
    EXPECT_EQ(window.focusWidget(), Find<QWidget>("IP_Part1"));
}

// What a screen reader says for a value label, through Qt's accessibility interface:
// an empty value is "blank", never nothing.
TEST_F(WindowLayout, EmptyValuesAreSpokenAsBlank)
{
    const auto spoken = [this](std::string_view label) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(Find<QLabel>(label));
        return reader != nullptr ? reader->text(QAccessible::Name).toStdString() : "(none)";
    };
    for (const FieldInfo& info : kFieldCatalogue) {
        if (info.kind != FieldKind::Label || info.field == Field::SubnetBitsLabel ||
            info.field == Field::MaxSubnetsLabel) {
            continue;
        }
        EXPECT_TRUE(spoken(info.name).ends_with(": blank"))
            << info.name << ": " << spoken(info.name);
    }
    EXPECT_EQ(spoken("DecIP"), "Decimal address: blank");
}

const std::vector<QString> kTabOrder{"IP_Part1",   "IP_Part2",  "IP_Part3",  "IP_Part4",
                                     "SubnetList", "Subsuper1", "Subsuper2", "AccessListBox"};

TEST_F(WindowLayout, OnlyTheInputControlsTakeTheFocusInTabOrder)
{
    std::vector<QString> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(&window)) {
            chain.push_back(w->objectName());
        }
    }
    EXPECT_EQ(chain, kTabOrder);
}

// Qt's rule for an exclusive pair: Tab stops once in it, at its first option, and
// the arrow keys move between the options.
TEST_F(WindowLayout, TabWalksTheBoxesTheListOneOptionAndTheListBox)
{
    const std::vector<QString> expected{"IP_Part2",  "IP_Part3",      "IP_Part4", "SubnetList",
                                        "Subsuper1", "AccessListBox", "IP_Part1"};
    for (bool supernet : {false, true}) {
        SCOPED_TRACE(supernet ? "Supernet selected" : "Subnet selected");
        Find<QRadioButton>(supernet ? "Subsuper2" : "Subsuper1")->setChecked(true);
        Find<QWidget>("IP_Part1")->setFocus();
        std::vector<QString> seen;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            seen.push_back(window.focusWidget()->objectName());
        }
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(WindowLayout, ListBoxScrollsVerticallyWrapsAndIsEditable)
{
    auto* list = Find<QPlainTextEdit>("AccessListBox");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(list->isReadOnly());
    EXPECT_TRUE(list->tabChangesFocus());
    EXPECT_FALSE(Find<QComboBox>("SubnetList")->isEditable());
}

// Texts as wide as any the calculator writes, and the fixed captions.
TEST_F(WindowLayout, EveryTextFitsItsLabel)
{
    const std::pair<const char*, const char*> widest[] = {
        {"BinHost", "11111111 11111111 11111111 11111111"},
        {"BinMask", "11111111 11111111 11111111 11111111"},
        {"BinSubnet", "11111111 11111111 11111111 11111111"},
        {"BinBC", "11111111 11111111 11111111 11111111"},
        {"IPSubnet", "255.255.255.255"},
        {"IPBroadcast", "255.255.255.255"},
        {"DecIP", "4294967295"},
        {"Class", "Experimental"},
        {"NetID", "255.255.255.x"},
        {"HostID", "x.255.255.255"},
        {"SubnetBitsLabel", "CIDR Mask Bits:"},
        {"MaxSubnetsLabel", "Subnets/Block:"},
        {"MaxSubnetsValue", "4194304"},
        {"MaxHostsValue", "16777214"},
        {"TotalHostsValue", "16777214"},
        {"PercVal", "99.6%"},
        {"MaskBitsValue", "30"},
        {"HostBitsValue", "24"},
        {"SubnetBitsValue", "22"},
    };
    for (const auto& [name, text] : widest) {
        SCOPED_TRACE(name);
        auto* label = Find<QLabel>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromUtf8(text)), label->width());
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_LE(label->fontMetrics().height(), label->height());
    }
    for (auto* option : window.findChildren<QRadioButton*>()) {
        SCOPED_TRACE(option->objectName().toStdString());
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect text =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        EXPECT_LE(text.left() + option->fontMetrics().horizontalAdvance(option->text()),
                  option->width());
    }
}

TEST_F(WindowLayout, CaptionsOfOneColumnEndOnOneLine)
{
    const std::vector<std::vector<const char*>> columns{
        {"Label_NC", "Label_Dec"},
        {"NetIDLabel", "HostIDLabel"},
        {"Label_Subnet", "Label_BC"},
        {"Label_BinHost", "Label_BinMask", "Label_BinSubnet"},
        {"MaskBitsLabel", "SubnetBitsLabel", "HostBitsLabel", "MaxSubnetsLabel", "MaxHostsLabel",
         "TotalHostsLabel", "Label4"},
    };
    for (const auto& column : columns) {
        SCOPED_TRACE(column.front());
        const int right = Find<QLabel>(column.front())->geometry().right();
        for (const char* name : column) {
            auto* label = Find<QLabel>(name);
            EXPECT_EQ(label->geometry().right(), right) << name;
            EXPECT_TRUE(label->alignment() & Qt::AlignRight) << name;
        }
    }
}

TEST_F(WindowLayout, OctetBoxesShareTheirBorderLines)
{
    for (int i = 1; i < 4; ++i) {
        const QRect left = Find<QWidget>("IP_Part" + std::to_string(i))->geometry();
        const QRect right = Find<QWidget>("IP_Part" + std::to_string(i + 1))->geometry();
        EXPECT_EQ(right.left(), left.right()) << "boxes " << i << " and " << i + 1;
        EXPECT_EQ(right.top(), left.top());
    }
}

} // namespace
} // namespace quorvane
