// Start-up and shut-down of the program: skin, driver, controller and clock.
#include "AppHarness.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane::test {
namespace {

using StartupTest = AppHarness;

TEST_F(StartupTest, AShortClockReplySaysSoAndTheWindowOpens) {
    ConfigureSimulator("clock_reply_bytes", "19");
    ASSERT_TRUE(start());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Time Set is Error!"});
}

TEST_F(StartupTest, ClosingEndsTheLoopExitDeletesTheWindowOnceAndTheProgramStartsAgain) {
    ASSERT_TRUE(start());
    QPointer<MainWindow> shown = &window();
    QTimer::singleShot(0, [this] { click(kIdClose); });
    // Ends a loop that the close failed to end, as a failure instead of a hang.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(2); });
    guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(shown->isVisible());
    app.exitInstance();
    EXPECT_TRUE(shown.isNull());
    app.exitInstance();
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_TRUE(start());
}

TEST_F(StartupTest, AFolderWithABackslashInItsNameKeepsItsEventFiles) {
    const std::string inside = folderPath("a\\b");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(inside)));
    QDir::setCurrent(QString::fromStdString(inside));
    ASSERT_TRUE(start());
    EXPECT_EQ(readFile(inside + "/EventWeekInfo.bin"), QByteArray(16, '\0'));
    EXPECT_FALSE(QDir(QString::fromStdString(folderPath("a"))).exists());
}

TEST_F(StartupTest, AnEventFileThatIsAPipeIsReportedNotWaitedFor) {
    ASSERT_EQ(::mkfifo(folderPath("EventWeekInfo.bin").c_str(), 0666), 0);
    ASSERT_TRUE(start());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"The event file cannot be read!"});
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_TRUE(std::filesystem::is_fifo(folderPath("EventWeekInfo.bin")));
}

TEST_F(StartupTest, WhatAnInterruptedWriteLeftIsRemovedAndTheOldFileKept) {
    const pid_t writer = ::fork();
    if (writer == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(writer, nullptr, 0), writer);
    QByteArray relays(16, '\0');
    relays[0] = 1;
    relays.append(QByteArray(32, '\1'));
    const std::string dead = ".tmp." + std::to_string(writer) + ".0";
    for (const std::string& name : {std::string("relayEvent.bin"), "relayEvent.bin" + dead,
                                    "EventWeekInfo.bin" + dead, "relayEvent.bin.damaged" + dead})
        writeFile(folderPath(name), name == "relayEvent.bin" ? relays : "half a new fil");
    ASSERT_TRUE(start());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"EventWeekInfo.bin", "relayEvent.bin"}));
    selectKind(EventKind::Relay);
    EXPECT_EQ(eventFile(EventKind::Relay), relays);
    EXPECT_EQ(listLines().size(), 1);
}

} // namespace
} // namespace corvane::test
