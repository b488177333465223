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

TEST(QtPrompterTest, FileDialogsOfferTheKindAndTheSaveDialogNeverAsksToOverwrite) {
    QTemporaryDir folder;
    const QString chosen = QDir(folder.path()).filePath("EventFile.rel");
    QString initialName;
    auto answer = [&](bool save) {
        WhenModal([&, save](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->acceptMode(),
                      save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog->defaultSuffix(), "rel");
            EXPECT_TRUE(!save || dialog->testOption(QFileDialog::DontConfirmOverwrite));
            initialName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->setDirectory(folder.path());
            dialog->selectFile("EventFile");
            save ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        });
    };
    QtPrompter prompter;
    answer(true);
    EXPECT_EQ(prompter.chooseSaveFile(kRelayRequest), std::optional(chosen.toStdString()));
    answer(false); // a cancelled dialog chooses nothing
    EXPECT_FALSE(prompter.chooseOpenFile(kRelayRequest).has_value());
    EXPECT_EQ(initialName.toStdString(),
              "EventFile.rel"); // the initial name with the kind's extension
}

} // namespace
} // namespace corvane
