// The real dialogs of the Qt prompter, answered by a timer while they run.
#include "app/QtPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// Runs answer on the dialog that is modal next, once it is up.
void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            WhenModal(answer);
            return;
        }
        answer(modal);
    });
}

const FileDialogRequest kRelayRequest{"Relay(*.rel)|*.rel|All Files(*.*)|*.*||", "rel",
                                      "EventFile"};

TEST(QtPrompterTest, MessageBoxIsCaptionedWithTheProductName) {
    bool shown = false;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle().toStdString(), "Corvane");
        EXPECT_EQ(box->text().toStdString(), "No Device Found!");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        shown = true;
        box->accept();
    });
    QtPrompter prompter;
    prompter.showMessage("No Device Found!");
    EXPECT_TRUE(shown);
}

TEST(QtPrompterTest, SaveDialogOffersTheKindAndNeverAsksToOverwrite) {
    QTemporaryDir folder;
    const QString existing = QDir(folder.path()).filePath("EventFile.rel");
    QFile(existing).open(QIODevice::WriteOnly);
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList({"Relay(*.rel) (*.rel)", "All Files(*.*) (*)"}));
        EXPECT_EQ(dialog->defaultSuffix(), "rel");
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->setDirectory(folder.path());
        dialog->selectFile("EventFile");
        static_cast<QDialog*>(dialog)->accept();
    });
    QtPrompter prompter;
    const auto chosen = prompter.chooseSaveFile(kRelayRequest);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, existing.toStdString());
}

TEST(QtPrompterTest, CancelledOpenDialogChoosesNothing) {
    QString initialName;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        initialName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->reject();
    });
    QtPrompter prompter;
    EXPECT_FALSE(prompter.chooseOpenFile(kRelayRequest).has_value());
    // The dialog offers the initial name with the kind's extension.
    EXPECT_EQ(initialName.toStdString(), "EventFile.rel");
}

} // namespace
} // namespace corvane
