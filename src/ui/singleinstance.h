#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <functional>
#include <memory>

namespace quirnel::ui {

// One running program per data folder: two would each save over the other's changes. A
// second start asks the running one to come to the front and ends. A lock left by a
// crashed program does not count, as its process is gone.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this program may run for the folder; false when another runs there and
    // has been asked to show itself. Where no lock can be made at all, the program runs.
    bool claim();
    // The restart after midnight: the lock goes to the program `start` starts, and comes
    // back when it could not be started.
    bool handOver(const std::function<bool()> &start);

signals:
    void showRequested();

private:
    void release();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace quirnel::ui
