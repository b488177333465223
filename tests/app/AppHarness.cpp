#include "AppHarness.h"

#include "events/EventFiles.h"
#include "panels/EventPanel.h"
#include "skin/controls/UIEdit.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <dlfcn.h>

namespace corvane::test {

void ConfigureSimulator(const char* key, const std::string& value) {
    void* library = dlopen(CORVANE_SIM_LIBRARY, RTLD_NOW);
    ASSERT_NE(library, nullptr) << dlerror();
    using Configure = int (*)(const char*, const char*);
    auto configure = reinterpret_cast<Configure>(dlsym(library, "corvaneSimConfigure"));
    ASSERT_NE(configure, nullptr);
    ASSERT_EQ(configure(key, value.c_str()), 0) << key << "=" << value;
}

void AppHarness::SetUp() {
    ASSERT_TRUE(folder.isValid());
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(folder.path());
    qputenv("CORVANE_D2XX_LIBRARY", CORVANE_SIM_LIBRARY);
    ConfigureSimulator("reset");
    ConfigureSimulator("timing", "instant");
}

void AppHarness::TearDown() {
    app.exitInstance();
    QDir::setCurrent(previousFolder_);
}

bool AppHarness::start() {
    if (!app.initInstance())
        return false;
    window().activateWindow();
    return QTest::qWaitForWindowExposed(&window());
}

QWidget* AppHarness::control(int id) const {
    return window().control(id);
}

QWidget* AppHarness::panelControl(EventKind kind, int id) const {
    EventPanel* panel = window().panel(kind);
    return panel == nullptr ? nullptr : panel->control(id);
}

void AppHarness::click(int id) {
    QWidget* widget = control(id);
    ASSERT_NE(widget, nullptr) << "no control " << id;
    QTest::mouseClick(widget, Qt::LeftButton);
}

void AppHarness::clickPanel(EventKind kind, int id) {
    QWidget* widget = panelControl(kind, id);
    ASSERT_NE(widget, nullptr) << "no panel control " << id;
    QTest::mouseClick(widget, Qt::LeftButton);
}

void AppHarness::setEventName(const QString& name) {
    auto* field = window().controlAs<UIEdit>(kIdEventName);
    ASSERT_NE(field, nullptr);
    field->setText(name);
}

void AppHarness::selectItem(EventKind kind, int comboId, int index) {
    auto* combo = qobject_cast<QComboBox*>(panelControl(kind, comboId));
    ASSERT_NE(combo, nullptr) << "no combo box " << comboId;
    ASSERT_LT(index, combo->count());
    combo->setCurrentIndex(index);
}

QStringList AppHarness::listLines() const {
    QStringList lines;
    const QListWidget* list = window().eventList();
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void AppHarness::clickLine(int line) {
    QListWidget* list = window().eventList();
    ASSERT_LT(line, list->count());
    const QRect rect = list->visualItemRect(list->item(line));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

std::string AppHarness::folderPath(const std::string& name) const {
    return QDir(folder.path()).filePath(QString::fromStdString(name)).toStdString();
}

QByteArray AppHarness::eventFile(EventKind kind) const {
    return readFile(EventFilePath(window().eventFolder(), kind));
}

QByteArray AppHarness::readFile(const std::string& path) const {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void AppHarness::writeFile(const std::string& path, const QByteArray& bytes) const {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace corvane::test
