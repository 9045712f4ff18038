// SPDX-License-Identifier: MIT
// The events the real window raises for the program's writes and a person's
// actions: when, how often, and nested inside which call.
#include "FieldModel.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace quorvane {
namespace {

using WindowEvents = WindowTest;

TEST_F(WindowEvents, BuildingTheWindowRunsNoHandler)
{
    // A handler run while the window was built and loaded would have written to it.
    ExpectSameFields(Capture(FieldModel()), Capture(screen));
}

TEST_F(WindowEvents, ProgramWriteRaisesTheChangeNestedOnlyWhenTheTextDiffers)
{
    RaisedEvents events(fields);
    bool writing = false;
    std::string seen;
    events.during = [&](Field source) {
        EXPECT_TRUE(writing) << "the change must run inside the write";
        seen = screen.Shown(source);
    };

    writing = true;
    fields.SetText(Field::IP_Part2, "25");
    writing = false;
    EXPECT_EQ(events.Take(), std::vector<Field>{Field::IP_Part2});
    EXPECT_EQ(seen, "25");

    fields.SetText(Field::IP_Part2, "25");
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(WindowEvents, FillingTheListRaisesNothingAndSelectsNothing)
{
    RaisedEvents events(fields);
    fields.ListClear();
    fields.ListAdd("255.0.0.0");
    fields.ListAdd("255.128.0.0");
    EXPECT_TRUE(events.Take().empty());
    EXPECT_EQ(screen.ListSelected(), "");
    EXPECT_EQ(Find<QComboBox>("SubnetList")->currentText(), "");

    fields.ListSelect("255.128.0.0");
    fields.ListClear();
    EXPECT_EQ(events.Take(), std::vector<Field>{Field::SubnetList});
    EXPECT_EQ(screen.ListSelected(), "");
}

TEST_F(WindowEvents, SelectingByTextRaisesTheClickNestedAfterSelecting)
{
    fields.ListAdd("a");
    fields.ListAdd("b");
    RaisedEvents events(fields);
    bool selecting = false;
    std::string seen;
    events.during = [&](Field) {
        EXPECT_TRUE(selecting);
        seen = screen.ListSelected();
    };
    selecting = true;
    fields.ListSelect("b");
    selecting = false;
    EXPECT_EQ(events.Take(), std::vector<Field>{Field::SubnetList});
    EXPECT_EQ(seen, "b");

    fields.ListSelect("not there");
    EXPECT_TRUE(events.Take().empty());
    EXPECT_EQ(screen.ListSelected(), "b");
}

TEST_F(WindowEvents, PickingRaisesOneClickAlsoForTheEntryShown)
{
    fields.ListAdd("a");
    fields.ListAdd("b");
    fields.ListSelect("a");
    RaisedEvents events(fields);

    for (const char* entry : {"a", "a", "b"}) {
        SCOPED_TRACE(entry);
        EXPECT_TRUE(user.Pick(entry));
        EXPECT_EQ(events.Take(), std::vector<Field>{Field::SubnetList});
        EXPECT_EQ(screen.ListSelected(), entry);
    }
    EXPECT_FALSE(user.Pick("c"));
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(WindowEvents, ArrowKeyOnTheClosedListPicksTheNextEntry)
{
    fields.ListAdd("a");
    fields.ListAdd("b");
    fields.ListSelect("a");
    RaisedEvents events(fields);
    QTest::keyClick(Find<QComboBox>("SubnetList"), Qt::Key_Down);
    EXPECT_EQ(events.Take(), std::vector<Field>{Field::SubnetList});
    EXPECT_EQ(screen.ListSelected(), "b");
}

TEST_F(WindowEvents, OptionClickRaisesItsClickEvenWhenAlreadySelected)
{
    RaisedEvents events(fields);
    const struct {
        Field option;
        bool subnet;
    } clicks[] = {{Field::Subsuper1, true},
                  {Field::Subsuper2, false},
                  {Field::Subsuper2, false},
                  {Field::Subsuper1, true}};
    for (const auto& click : clicks) {
        SCOPED_TRACE(NameOf(click.option));
        user.Click(click.option);
        EXPECT_EQ(events.Take(), std::vector<Field>{click.option});
        EXPECT_EQ(screen.OptionSelected(Field::Subsuper1), click.subnet);
        EXPECT_EQ(screen.OptionSelected(Field::Subsuper2), !click.subnet);
    }
}

TEST_F(WindowEvents, ArrowKeyBetweenOptionsRaisesTheClick)
{
    RaisedEvents events(fields);
    QRadioButton* subnet = Find<QRadioButton>("Subsuper1");
    subnet->setFocus();
    QTest::keyClick(subnet, Qt::Key_Right);
    EXPECT_EQ(events.Take(), std::vector<Field>{Field::Subsuper2});
    EXPECT_TRUE(screen.OptionSelected(Field::Subsuper2));
}

TEST_F(WindowEvents, CaptionsAndTheListBoxRaiseNothing)
{
    RaisedEvents events(fields);
    fields.SetCaption(Field::Class, "C");
    fields.SetCaption(Field::SubnetBitsLabel, "CIDR Mask Bits:");
    fields.SetText(Field::AccessListBox, "1) 10.0.0.0\r\n");
    user.Type(Field::AccessListBox, "typed");
    user.Clear(Field::AccessListBox);
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(WindowEvents, ListBoxShowsPlainLinesAndReadsBackCrLf)
{
    fields.SetText(Field::AccessListBox, "a\r\nb\r\n");
    EXPECT_EQ(Find<QPlainTextEdit>("AccessListBox")->toPlainText(), QStringLiteral("a\nb\n"));
    EXPECT_EQ(fields.Text(Field::AccessListBox), "a\r\nb\r\n");
}

TEST_F(WindowEvents, KeystrokeRunsTheHandlerOnceOnTheNewText)
{
    Take();
    user.Type(Field::IP_Part1, "1");
    const std::vector<OperationLog::Operation> ops = Take();
    const auto handlers =
        std::count_if(ops.begin(), ops.end(), [](const auto& op) { return op[0] == "event"; });
    // The change, then the default mask's click nested inside the refill.
    EXPECT_EQ(handlers, 2);
    EXPECT_EQ(ops.front(), (OperationLog::Operation{"event", "IP_Part1_Change"}));
    EXPECT_EQ(screen.Shown(Field::Class), "A");
}

} // namespace
} // namespace quorvane
