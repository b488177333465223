#include "app/ListWidgetEventView.h"

#include <QListWidget>

namespace corvane {

void ListWidgetEventView::reset() {
    list_.clear();
}

void ListWidgetEventView::addLine(const std::string& line) {
    // Event names are stored as bytes; show them as Latin-1 so that any byte
    // of an imported file gets a character instead of a replacement mark.
    list_.addItem(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

int ListWidgetEventView::currentLine() const {
    // A row counts only when the operator chose it, which also selects it:
    // the list never deletes a line nobody picked.
    const QListWidgetItem* item = list_.currentItem();
    if (item == nullptr || !item->isSelected())
        return -1;
    return list_.currentRow();
}

} // namespace corvane
