// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include <QTest>

namespace quorvane {

Snapshot Capture(const Window& window)
{
    Snapshot shot;
    for (const FieldInfo& info : kFieldCatalogue) {
        switch (info.kind) {
        case FieldKind::Label:
            shot.values.emplace_back(info.name, window.Caption(info.field));
            break;
        case FieldKind::TextBox:
        case FieldKind::MultiLine:
            shot.values.emplace_back(info.name, window.Text(info.field));
            break;
        case FieldKind::DropDown:
            shot.entries = window.ListEntries();
            shot.selected = window.ListSelected();
            break;
        case FieldKind::Option: break;
        }
    }
    shot.subnet = window.OptionSelected(Field::Subsuper1);
    shot.supernet = window.OptionSelected(Field::Subsuper2);
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
