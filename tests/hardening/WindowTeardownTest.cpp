// SPDX-License-Identifier: MIT
// A window destroyed while a person is still at it. A shown window loses the focus
// only in the toolkit's part of its teardown, after the window's own members have
// gone; an input method commits the text it is composing at that moment, which
// changes the focused box. No handler may run on the destroyed adapter or
// calculator then. The sanitizer build reports any such use; the default build
// mostly crashes on it.
#include "StartedWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <utility>

namespace quorvane {
namespace {

// The part of an input method that matters here: text being composed in a box
// is committed to it as the focus is about to leave, as IBus and Fcitx do.
class ComposingInputMethod final : public QObject {
public:
    ComposingInputMethod(QLineEdit& box, const QString& composing) : composing_(composing)
    {
        QInputMethodEvent start(composing, {});
        QCoreApplication::sendEvent(&box, &start);
        box.installEventFilter(this);
    }

    bool Committed() const noexcept { return committed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusAboutToChange && !composing_.isEmpty()) {
            QInputMethodEvent commit;
            commit.setCommitString(std::exchange(composing_, {}));
            QCoreApplication::sendEvent(watched, &commit);
            committed_ = true;
        }
        return false;
    }

private:
    QString composing_;
    bool committed_ = false;
};

TEST(WindowTeardown, TextCommittedWhileTheWindowIsDestroyedRunsNoHandler)
{
    auto started = std::make_unique<StartedWindow>();
    MainWindow& window = started->window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    started->user.Type(Field::IP_Part1, "19");
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("IP_Part1"));
    ASSERT_EQ(QApplication::focusWidget(), box);

    ComposingInputMethod input(*box, QStringLiteral("2"));
    started.reset();
    EXPECT_TRUE(input.Committed()) << "the window went without taking the focus from the box";
}

} // namespace
} // namespace quorvane
