#include "TestSkin.h"
#include "skin/ControlReader.h"
#include "skin/SkinFiles.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// The main window and the seven editor panels of the default skin.
constexpr int kSkinNumbers[] = {1000, 1020, 1055, 1080, 1098, 1114, 1125, 1142};

TEST(DefaultSkin, BuildsEveryWindowWithAllItsControls) {
    const QString ui = QStringLiteral(CORVANE_DEFAULT_SKIN_DIR "/the.ui");
    if (!QFileInfo::exists(ui))
        GTEST_SKIP() << "the default skin is not built: " << ui.toStdString();
    ASSERT_EQ(SetUIPath(ui.toStdString()), 0);
    test::TestWindow main(1000);
    ASSERT_TRUE(main.createSkin());
    for (const int number : kSkinNumbers) {
        test::TestWindow panel(number, &main);
        ASSERT_TRUE(panel.createSkin()) << number;
        const auto descriptions =
            ReadControlDescriptions(SkinFiles::current(), panel.sectionName().toStdString());
        EXPECT_FALSE(descriptions.empty()) << number;
        EXPECT_EQ(panel.controls().size(), descriptions.size()) << number;
        for (const ControlEntry& entry : panel.controls()) {
            EXPECT_EQ(entry.control->parentWidget(), &panel);
            EXPECT_FALSE(entry.control->size().isEmpty())
                << number << " " << entry.typeName.toStdString();
        }
        EXPECT_FALSE(panel.image(kImageNormal).isNull());
        EXPECT_EQ(panel.size(), panel.image(kImageNormal).size());
    }
}

} // namespace
} // namespace corvane
