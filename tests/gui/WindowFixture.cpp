// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include <QTest>

namespace quorvane {

Snapshot Capture(const Screen& screen)
{
    Snapshot shot;
    for (const FieldInfo& info : kFieldCatalogue) {
        switch (info.kind) {
        case FieldKind::Label:
        case FieldKind::TextBox:
        case FieldKind::MultiLine:
            shot.values.emplace_back(info.name, screen.Shown(info.field));
            break;
        case FieldKind::DropDown:
            shot.entries = screen.ListEntries();
            shot.selected = screen.ListSelected();
            break;
        case FieldKind::Option: break;
        }
    }
    shot.subnet = screen.OptionSelected(Field::Subsuper1);
    shot.supernet = screen.OptionSelected(Field::Subsuper2);
    // Where the next keystroke goes. Another box's selection matters to nobody until
    // the box takes the focus, which sets it anew.
    const std::optional<Field> focus = screen.Focused();
    shot.focus = focus ? NameOf(*focus) : "(no field)";
    if (focus && InfoOf(*focus).kind == FieldKind::TextBox) {
        const BoxCaret caret = screen.Caret(*focus);
        shot.caret =
            "caret at " + std::to_string(caret.position) + ", \"" + caret.selected + "\" selected";
    }
    return shot;
}

void ExpectSameFields(const Snapshot& expected, const Snapshot& actual)
{
    ASSERT_EQ(expected.values.size(), actual.values.size());
    for (std::size_t i = 0; i < expected.values.size(); ++i) {
        EXPECT_EQ(expected.values[i], actual.values[i]) << "field " << expected.values[i].first;
    }
    EXPECT_EQ(expected.entries, actual.entries) << "SubnetList entries";
    EXPECT_EQ(expected.selected, actual.selected) << "SubnetList selection";
    EXPECT_EQ(expected.subnet, actual.subnet) << "Subsuper1";
    EXPECT_EQ(expected.supernet, actual.supernet) << "Subsuper2";
    EXPECT_EQ(expected.focus, actual.focus) << "the focus";
    EXPECT_EQ(expected.caret, actual.caret) << "in " << expected.focus;
}

RaisedEvents::RaisedEvents(Window& window) : window_(window), saved_(window.eventHandler)
{
    window_.eventHandler = [this](Field source) {
        raised_.push_back(source);
        if (during) during(source);
    };
}

RaisedEvents::~RaisedEvents()
{
    window_.eventHandler = saved_;
}

std::vector<Field> RaisedEvents::Take()
{
    std::vector<Field> taken;
    taken.swap(raised_);
    return taken;
}

WindowTest::WindowTest()
{
    window.show();
    window.activateWindow();
    // Keyboard focus moves only within the active window.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

} // namespace quorvane
