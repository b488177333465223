#pragma once

#include "app/CorvaneApp.h"
#include "app/MainWindow.h"
#include "events/EventKind.h"
#include "platform/Pacer.h"
#include "support/RecordingPrompter.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane::test {

// A pacer that only adds up the pauses it was asked for.
class SummingPacer final : public Pacer {
public:
    void sleep(int milliseconds) override { elapsed += milliseconds; }
    std::chrono::milliseconds now() const override { return std::chrono::milliseconds(elapsed); }
    long long elapsed = 0;
};

// Sets one key of the simulated controller inside this process (the same
// library the program binds at run time); fails the test on an unknown key.
void ConfigureSimulator(const char* key, const std::string& value = {});

// The program started in a temporary event folder, on the default skin of the
// build tree and the simulated controller with instant timing.
class AppHarness : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the start-up; the messages it showed are in prompter.messages.
    bool start();
    void stop() { app.exitInstance(); }

    MainWindow& window() const { return *app.mainWindow(); }
    QWidget* control(int id) const;
    QWidget* panelControl(EventKind kind, int id) const;

    // A left click in the middle of a control of the window or of a panel.
    void click(int id);
    void clickPanel(EventKind kind, int id);
    void selectKind(EventKind kind) { click(kSelectorIds[static_cast<std::size_t>(kind)]); }
    void setEventName(const QString& name);
    void selectItem(EventKind kind, int comboId, int index);

    QStringList listLines() const;
    // A click on a line of the event list, as the operator chooses it.
    void clickLine(int line);

    std::string folderPath(const std::string& name) const;
    QByteArray eventFile(EventKind kind) const;
    QByteArray readFile(const std::string& path) const;
    void writeFile(const std::string& path, const QByteArray& bytes) const;

    RecordingPrompter prompter;
    SummingPacer pacer;
    CorvaneApp app{prompter, pacer};
    QTemporaryDir folder;

private:
    QString previousFolder_;
};

} // namespace corvane::test
