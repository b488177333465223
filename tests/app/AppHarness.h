#pragma once

#include "app/CorvaneApp.h"
#include "app/MainWindow.h"
#include "events/EventFiles.h"
#include "events/EventKind.h"
#include "panels/EventPanel.h"
#include "platform/Pacer.h"
#include "skin/controls/UIEdit.h"
#include "support/RecordingPrompter.h"
#include "support/SimulatorSettings.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace corvane::test {

// Pauses that take no time.
class InstantPacer final : public Pacer {
public:
    void sleep(int) override {}
    std::chrono::milliseconds now() const override { return {}; }
};

// Sets one key of the simulated controller the program binds.
inline void ConfigureSimulator(const char* key, const std::string& value = {}) {
    ConfigureSimLibrary(CORVANE_SIM_LIBRARY, key, value);
}

// The program started in a temporary event folder, on the default skin of the
// build tree and the simulated controller with instant timing.
class AppHarness : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder.path());
        qputenv("CORVANE_D2XX_LIBRARY", CORVANE_SIM_LIBRARY);
        ConfigureSimulator("reset");
        ConfigureSimulator("timing", "instant");
    }
    void TearDown() override {
        app.exitInstance();
        QDir::setCurrent(previousFolder_);
    }

    // Runs the start-up up to the controller's clock; the messages it showed
    // are in prompter.messages.
    bool start(std::string_view uiPath = kDefaultUiPath) {
        return app.initInstance(uiPath) &&
               (window().activateWindow(), QTest::qWaitForWindowExposed(&window())) &&
               QTest::qWaitFor([this] { return window().controllerChecked(); });
    }

    MainWindow& window() const { return *app.mainWindow(); }
    QWidget* panelControl(EventKind kind, int id) const {
        return window().panel(kind) ? window().panel(kind)->control(id) : nullptr;
    }

    // A left click in the middle of a control of the window or of a panel.
    void click(int id, QWidget* control = nullptr) {
        control = control ? control : window().control(id);
        ASSERT_NE(control, nullptr) << "no control " << id;
        QTest::mouseClick(control, Qt::LeftButton);
    }
    void clickPanel(EventKind kind, int id) { click(id, panelControl(kind, id)); }
    void selectKind(EventKind kind) { click(kSelectorIds[static_cast<std::size_t>(kind)]); }
    void setEventName(const QString& name) {
        window().controlAs<UIEdit>(kIdEventName)->setText(name);
    }
    // Relay events of these names on channels 1, 2, ... in turn.
    void addRelays(const QStringList& names) {
        selectKind(EventKind::Relay);
        for (int i = 0; i < names.size(); ++i) {
            selectItem(EventKind::Relay, kIdRelayChannel, i);
            setEventName(names[i]);
            click(kIdAdd);
        }
    }
    // Send and receive with the file dialog answered by path.
    void send(const std::string& path) { prompter.answerOpen(path), click(kIdSend); }
    void receive(const std::string& path) { prompter.answerSave(path), click(kIdReceive); }
    void selectItem(EventKind kind, int comboId, int index) {
        auto* combo = qobject_cast<QComboBox*>(panelControl(kind, comboId));
        ASSERT_TRUE(combo && index < combo->count())
            << "combo box " << comboId << " item " << index;
        combo->setCurrentIndex(index);
    }

    QStringList listLines() const {
        QStringList lines;
        const QListWidget* list = window().eventList();
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    std::string folderPath(const std::string& name) const {
        return QDir(folder.path()).filePath(QString::fromStdString(name)).toStdString();
    }
    QByteArray eventFile(EventKind kind) const {
        return readFile(EventFilePath(window().eventFolder(), kind));
    }
    static QByteArray readFile(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeFile(const std::string& path, const QByteArray& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path;
    }

    RecordingPrompter prompter;
    InstantPacer pacer;
    CorvaneApp app{prompter, pacer};
    QTemporaryDir folder;

private:
    QString previousFolder_;
};

} // namespace corvane::test
