#include "app/QtPrompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace corvane {

namespace {

const char* const kCaption = "Corvane";
const char* const kInitialName = "EventFile";

QString QtPattern(const QString& pattern) {
    QStringList parts = pattern.split(';', Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == "*.*")
            part = "*";
    }
    return parts.join(' ');
}

} // namespace

QString ToQtFileFilter(const std::string& filter) {
    // Pairs of display text and pattern; the closing "||" leaves empty pieces.
    const QStringList pieces = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].isEmpty())
            break;
        entries << pieces[i] + " (" + QtPattern(pieces[i + 1]) + ")";
    }
    return entries.join(";;");
}

void QtPrompter::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kCaption, QString::fromStdString(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

std::optional<std::string> QtPrompter::chooseOpenFile(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::optional<std::string> QtPrompter::chooseSaveFile(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

std::optional<std::string> QtPrompter::runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog accepts names that do not exist yet; the command decides.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQtFileFilter(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const std::string name = request.initialName.empty() ? kInitialName : request.initialName;
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace corvane
