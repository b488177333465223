// skingen on small skins written into a temporary folder: what it writes, and
// the authoring mistakes it refuses instead of rendering a wrong skin.

#include "SkinGenerator.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane::skingen {
namespace {

constexpr const char* kResourceHeader =
    "#define SKIN_ONE 1000\n#define IDC_FIRST 1001\n#define IDC_SECOND 1002\n";

constexpr const char* kWindow =
    "[SkinGen]\nWindows=SKIN_ONE\n"
    "[SKIN_ONE]\nBKN=one_n.bmp\nBKH=one_h.bmp\nBKS=one_s.bmp\nBKD=one_d.bmp\nSize=120,80\n";

constexpr const char* kTwoChecks =
    "[SKIN_ONE_0]\nType=CHECK\nRect=8,8,48,28\nIDs=IDC_FIRST\nBKCN=c_n.bmp\n"
    "[SKIN_ONE_1]\nType=CHECK\nRect=8,40,48,60\nIDs=IDC_SECOND\nBKCN=c_n.bmp\n";

class SkinGeneratorTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    void write(const QString& name, const QByteArray& text) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    bool generate(const QByteArray& ui) {
        write("the.ui", ui);
        write("Resource.h", kResourceHeader);
        generator_ = std::make_unique<SkinGenerator>(path("the.ui").toStdString(), path("out"),
                                                     path("preview"));
        return generator_->run();
    }

    QTemporaryDir folder_;
    std::unique_ptr<SkinGenerator> generator_;
};

// The state images' sizes show in the default skin the build generates.
TEST_F(SkinGeneratorTest, Writes24BitBitmapsCheckedImagesAndPreviewsAndDropsStaleBitmaps) {
    QDir().mkpath(path("out"));
    write("out/old.bmp", "left over");
    ASSERT_TRUE(generate(QByteArray(kWindow) + kTwoChecks)) << qPrintable(generator_->error());
    QFile bmp(path("out/one_n.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    const QByteArray header = bmp.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(header.at(28), 24); // bits per pixel
    EXPECT_EQ(QImage(path("out/c_n.bmp")).size(), QSize(40, 20));
    EXPECT_FALSE(QFile::exists(path("out/old.bmp")));
    EXPECT_EQ(QImage(path("preview/skin_one.png")).size(), QSize(120, 80));
    EXPECT_FALSE(QImage(path("preview/skin_one_states.png")).isNull());
}

TEST_F(SkinGeneratorTest, RefusesAuthoringMistakes) {
    const QByteArray window = kWindow;
    const QByteArray check = window + "[SKIN_ONE_0]\nType=CHECK\nRect=8,8,48,28\nBKCN=c_n.bmp\n";
    const std::pair<QByteArray, const char*> cases[] = {
        {"[SKIN_ONE]\nBKN=one_n.bmp\nSize=10,10\n", "lists no windows"},
        {"[SkinGen]\nWindows=SKIN_TWO\n", "no section"},
        {"[SkinGen]\nWindows=SKIN_ONE\n[SKIN_ONE]\nBKN=one_n.bmp\n", "no Size"},
        {"[SkinGen]\nWindows=SKIN_ONE\n[SKIN_ONE]\nSize=10,10\n", "no BKN"},
        {window + "[SKIN_ONE_0]\nType=PUSHBUTTON\nRect=1,1,9,9\nFace=Shiny\n", "unknown Face"},
        {check + "[SKIN_ONE_1]\nType=CHECK\nRect=8,40,60,60\nBKCN=c_n.bmp\n", "shared by controls"},
    };
    for (const auto& [ui, errorPart] : cases) {
        EXPECT_FALSE(generate(ui)) << errorPart;
        EXPECT_TRUE(generator_->error().contains(QLatin1String(errorPart)))
            << qPrintable(generator_->error());
    }
}

} // namespace
} // namespace corvane::skingen
