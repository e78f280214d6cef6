#include "app/CInstanceActivation.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(InstanceActivation, ASecondStartReachesTheRunningInstance) {
    const QString name =
        QStringLiteral("tessalyne-activation-test-%1").arg(QCoreApplication::applicationPid());
    CInstanceActivation running(name);
    ASSERT_TRUE(running.Listen());
    QWidget window;
    window.show();
    window.showMinimized();
    QSignalSpy spy(&running, &CInstanceActivation::activationRequested);

    const CInstanceActivation secondStart(name);
    EXPECT_TRUE(secondStart.AskRunningInstanceToActivate());
    EXPECT_TRUE(spy.wait(3000));
    EXPECT_FALSE(window.isMinimized());
}

TEST(InstanceActivation, NobodyListeningIsReported) {
    const CInstanceActivation secondStart(
        QStringLiteral("tessalyne-nobody-%1").arg(QCoreApplication::applicationPid()));
    EXPECT_FALSE(secondStart.AskRunningInstanceToActivate());
}

} // namespace
