// The corvane program as a process: its exit status and the screenshot run.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// Runs program in folder with the screenshot run's settings, so that no
// message box waits for an operator; the exit status (-1: crashed) and errors.
std::pair<int, std::string> RunProgram(const QString& program, const QString& folder,
                                       const QString& screenshot) {
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
            process.readAllStandardError().toStdString()};
}

TEST(ProgramTest, ScreenshotRunSavesTheMainWindowAtTheSkinsSize) {
    QTemporaryDir folder;
    const QString shot = folder.filePath("corvane.png");
    const auto [status, errors] = RunProgram(CORVANE_PROGRAM, folder.path(), shot);
    EXPECT_EQ(status, 0) << errors;
    ASSERT_FALSE(QImage(shot).isNull());
    EXPECT_EQ(QImage(shot).size(),
              QImage(QString(CORVANE_PROGRAM_DIR) + "/Skins/Corvane/main_n.bmp").size());
    EXPECT_TRUE(QFile::exists(folder.filePath("EventWeekInfo.bin")));
}

TEST(ProgramTest, WithoutItsSkinTheProgramSaysSoAndEndsWithStatusOne) {
    QTemporaryDir folder;
    const QString program = folder.filePath("corvane");
    ASSERT_TRUE(QFile::copy(CORVANE_PROGRAM, program));
    const QString shot = folder.filePath("corvane.png");
    const auto [status, errors] = RunProgram(program, folder.path(), shot);
    EXPECT_EQ(status, 1);
    EXPECT_NE(errors.find("Failed to set the ui path or the ui path isn't exist!"),
              std::string::npos)
        << errors;
    EXPECT_FALSE(QFile::exists(shot));
}

} // namespace
} // namespace corvane
