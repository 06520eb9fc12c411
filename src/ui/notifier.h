#pragma once

#include <QString>

namespace quirnel::ui {

// Where reminders go; tests put their own in its place.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString &summary, const QString &body) = 0;
};

// The desktop's notification service on the session bus. Without a bus or a service
// nothing is shown and nothing fails; the call never waits for an answer.
class DesktopNotifier final : public Notifier
{
public:
    void notify(const QString &summary, const QString &body) override;
};

} // namespace quirnel::ui
