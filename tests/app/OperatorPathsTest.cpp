// The operator's everyday paths through the main window: several lines at
// once, undo and redo and the notes after each command.
#include "AppHarness.h"

#include <QApplication>
#include <QItemSelectionModel>

namespace corvane::test {
namespace {

class OperatorPathsTest : public AppHarness {
protected:
    void SetUp() override {
        AppHarness::SetUp();
        ASSERT_TRUE(start());
    }
    QStringList names() const {
        QStringList result;
        for (const QString& line : listLines())
            result << line.section(':', 0, 0);
        return result;
    }
    void doubleClickFirstLine() {
        QListWidget* list = window().eventList();
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

TEST_F(OperatorPathsTest, DeleteRemovesEveryChosenLineAndNothingElse) {
    addRelays({"A", "B", "C", "D"});
    click(kIdDelete);       // nothing chosen yet
    doubleClickFirstLine(); // a double click on a line changes nothing
    EXPECT_EQ(names(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(eventFile(EventKind::Relay).size(), 16 + 4 * 32);
    QListWidget* list = window().eventList();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    click(kIdDelete);
    EXPECT_EQ(names(), QStringList({"B", "D"}));
    EXPECT_EQ(eventFile(EventKind::Relay).size(), 16 + 2 * 32);
    click(kIdDelete); // the refill leaves no line chosen: a second delete does nothing
    EXPECT_EQ(names(), QStringList({"B", "D"}));
}

struct HistoryStep {
    const char* name;
    bool undo; // else redo
    QStringList names;
    const char* note;
};

TEST_F(OperatorPathsTest, UndoAndRedoWalkBackAndForthThroughTheKindsChanges) {
    addRelays({"A"});
    click(kIdClear);
    selectKind(EventKind::Midi);
    click(kIdAdd); // another kind's change is not on the relay history
    selectKind(EventKind::Relay);
    window().eventList()->setFocus();
    // clang-format off
    const HistoryStep steps[] = {
        {"undo the clear", true, {"A"}, "Undone. 1 event now."},
        {"undo adding A", true, {}, "Undone. 0 events now."},
        {"nothing left", true, {}, "Nothing to undo."},
        {"redo adding A", false, {"A"}, "Redone. 1 event now."},
    };
    // clang-format on
    for (const HistoryStep& step : steps) {
        key(Qt::Key_Z, step.undo ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(names(), step.names) << step.name;
        EXPECT_EQ(window().statusNote(), step.note) << step.name;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OperatorPathsTest, UndoLeavesAFileAnotherProgramChangedAsItIs) {
    addRelays({"A"});
    writeFile(EventFilePath(window().eventFolder(), EventKind::Relay), QByteArray(16, '\0'));
    window().eventList()->setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{std::string(kChangedOutsideMessage)});
    EXPECT_EQ(eventFile(EventKind::Relay), QByteArray(16, '\0'));
}

TEST_F(OperatorPathsTest, WeeklyAddWithoutADaySaysSoAndStoresNothing) {
    selectKind(EventKind::WeekClock);
    click(kIdAdd);
    EXPECT_EQ(window().statusNote(), "Tick at least one day.");
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_TRUE(prompter.messages.empty());
}

struct NoteCase {
    const char* name;
    int command;
    const char* openAnswer; // the file the dialog answers, in the event folder; nullptr: none
    const char* saveAnswer;
    const char* note;
};

TEST_F(OperatorPathsTest, EachFinishedCommandLeavesANoteWithTheCount) {
    addRelays({"A", "B"});
    // clang-format off
    const NoteCase cases[] = {
        {"export", kIdExport, nullptr, "two.rel", "Exported 2 events."},
        {"import", kIdImport, "two.rel", nullptr, "Imported 2 events."},
        {"send", kIdSend, "two.rel", nullptr, "Sent 2 events."},
        {"receive", kIdReceive, nullptr, "back.rel", "Received 2 events."},
        {"empty", kIdEmpty, nullptr, nullptr, "Emptied the controller's table."},
        {"receive nothing", kIdReceive, nullptr, "back.rel", "Received an empty table: no events."},
    };
    // clang-format on
    for (const NoteCase& c : cases) {
        if (c.openAnswer)
            prompter.answerOpen(folderPath(c.openAnswer));
        if (c.saveAnswer)
            prompter.answerSave(folderPath(c.saveAnswer));
        click(c.command);
        EXPECT_EQ(window().statusNote(), c.note) << c.name;
    }
    EXPECT_TRUE(prompter.messages.empty());
    for (const auto& requests : {prompter.openRequests, prompter.saveRequests})
        for (const FileDialogRequest& request : requests) // the kind's extension, one name
            EXPECT_EQ(request.defaultExtension + " " + request.initialName, "rel EventFile");
}

TEST_F(OperatorPathsTest, SendRefusesAFileOfAnotherKindOrWithoutEvents) {
    selectKind(EventKind::Midi);
    click(kIdAdd);
    prompter.answerSave(folderPath("one.mdi"));
    click(kIdExport);
    selectKind(EventKind::Relay);
    click(kIdClear);
    prompter.answerSave(folderPath("none.rel"));
    click(kIdExport);
    for (const char* file : {"one.mdi", "none.rel"})
        send(folderPath(file));
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"The file is not a valid event file for this kind!",
                                        "There are no events to send."}));
}

} // namespace
} // namespace corvane::test
