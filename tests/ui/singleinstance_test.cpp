// One program per data folder: a second start there asks the first to show itself; the
// restart hands the folder over; a crashed owner blocks nothing.

#include "ui/singleinstance.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

using quirnel::ui::SingleInstance;

TEST(SingleInstance, OnePerFolderHandedOverAtRestartFreedByACrash)
{
    const QTemporaryDir runtime, folder, otherFolder;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    SingleInstance second(folder.path() + "/."), elsewhere(otherFolder.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(shown.wait(2000));
    EXPECT_TRUE(elsewhere.claim());

    // The next day's program takes the folder over; a start that fails gives it back.
    EXPECT_TRUE(first.handOver([&] { return second.claim(); }));
    EXPECT_FALSE(SingleInstance(folder.path()).claim());
    EXPECT_FALSE(second.handOver([] { return false; }));
    EXPECT_FALSE(SingleInstance(folder.path()).claim());
    EXPECT_TRUE(second.handOver([] { return true; }));

    // A program that ends without releasing the lock, as a crash does.
    const pid_t child = fork();
    if (child == 0)
        _exit(SingleInstance(folder.path()).claim() ? 0 : 1);
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(SingleInstance(folder.path()).claim());
}
