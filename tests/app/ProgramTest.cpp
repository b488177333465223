// The corvane program as a process: its exit status and the screenshot run.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

struct RunResult {
    int exitCode = -1;
    QString errors;
};

// Runs program in folder with the screenshot run's settings, so that no
// message box waits for an operator.
RunResult RunProgram(const QString& program, const QString& folder, const QString& screenshot) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("CORVANE_D2XX_LIBRARY", CORVANE_SIM_LIBRARY);
    environment.insert("CORVANE_SIM_TIMING", "instant");
    environment.insert("CORVANE_SCREENSHOT", screenshot);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, {});
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(ProgramTest, ScreenshotRunSavesTheMainWindowAtTheSkinsSize) {
    QTemporaryDir folder;
    const QString shot = folder.filePath("corvane.png");
    const RunResult run = RunProgram(CORVANE_PROGRAM, folder.path(), shot);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage image(shot);
    const QImage skin(QString(CORVANE_PROGRAM_DIR) + "/Skins/Corvane/main_n.bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), skin.size());
    EXPECT_TRUE(QFile::exists(folder.filePath("EventWeekInfo.bin")));
}

TEST(ProgramTest, WithoutItsSkinTheProgramSaysSoAndEndsWithStatusOne) {
    QTemporaryDir folder;
    const QString program = folder.filePath("corvane");
    ASSERT_TRUE(QFile::copy(CORVANE_PROGRAM, program));
    const QString shot = folder.filePath("corvane.png");
    const RunResult run = RunProgram(program, folder.path(), shot);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("Failed to set the ui path or the ui path isn't exist!"))
        << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(shot));
}

} // namespace
} // namespace corvane
