#include "gui/when_on_screen.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(WhenOnScreen, RunsOnceAfterTheWindowIsExposedOrAfterAWaitWhenItNeverIs) {
    QWindow shown;
    int runs = 0;
    bool exposedWhenRun = false;
    WhenOnScreen(shown, [&] {
        ++runs;
        exposedWhenRun = shown.isExposed();
    });
    EXPECT_EQ(runs, 0);
    shown.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 200));
    EXPECT_TRUE(exposedWhenRun);
    shown.hide();
    shown.show(); // exposed again: nothing more runs
    QTest::qWait(300);
    EXPECT_EQ(runs, 1);

    QWindow hidden;
    bool ran = false;
    WhenOnScreen(hidden, [&] { ran = true; });
    QTest::qWait(50);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }, 1000));
}

} // namespace
} // namespace pw
