// The real call on a session bus (the test runs under dbus-run-session), received by a
// small stand-in for the desktop's notification service.

#include "ui/notifier.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QSignalSpy>
#include <QVariantMap>

namespace {

class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received;

public slots:
    uint Notify(const QString &app, uint, const QString &, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int timeout)
    {
        received << app << summary << body << QString::number(timeout);
        emit notified();
        return 1;
    }

signals:
    void notified();
};

TEST(DesktopNotifier, SummaryAndBodyReachTheService)
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        GTEST_SKIP() << "no session bus";
    // Nobody answers yet: nothing fails and nothing waits.
    quirnel::ui::DesktopNotifier().notify("vorher", "");
    QDBusConnection service
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "notification-service");
    FakeNotificationService fake;
    ASSERT_TRUE(service.registerObject("/org/freedesktop/Notifications", &fake,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService("org.freedesktop.Notifications"));
    QSignalSpy notified(&fake, &FakeNotificationService::notified);
    quirnel::ui::DesktopNotifier().notify("Zahnarzt", "um 10:30 Uhr");
    ASSERT_TRUE(notified.wait(5000));
    EXPECT_EQ(fake.received, QStringList({"QUIRNEL", "Zahnarzt", "um 10:30 Uhr", "-1"}));
}

} // namespace

#include "notifier_test.moc"
