// Undo and redo of event file changes; the window's tests walk the steps and
// meet a file another program changed.
#include "events/EditHistory.h"

#include "events/EventFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Outcome = EditHistory::Outcome;

TEST(EditHistory, NewChangeDropsWhatCouldBeRedone) {
    test::TempFolder folder;
    EditHistory history{folder.path()};
    const std::string path = EventFilePath(folder.path(), EventKind::Sensor);
    // One command's change to the file, recorded as the window does.
    const auto change = [&](std::uint8_t byte) {
        FileContent before = history.read(EventKind::Sensor);
        test::TempFolder::writeFile(path, {byte});
        history.recordChange(EventKind::Sensor, std::move(before));
    };
    change(1);
    change(2);
    ASSERT_EQ(history.undo(EventKind::Sensor), Outcome::Done);
    change(3);
    EXPECT_FALSE(history.canRedo(EventKind::Sensor));
    EXPECT_EQ(history.undo(EventKind::Sensor), Outcome::Done);
    EXPECT_EQ(test::TempFolder::readFile(path), Bytes{1});
}

} // namespace
} // namespace corvane
