#include "app/ConflictMarks.h"

#include "events/EventFiles.h"
#include "events/EventTable.h"
#include "events/conflicts/ConflictLines.h"

#include <QBrush>
#include <QColor>
#include <QListWidget>

namespace corvane {

namespace {

// A dark red under the list's light text, so a marked line stays readable.
const QColor kConflictBackground(0x6b, 0x1f, 0x24);

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::size_t MarkConflicts(QListWidget& list, const std::string& folder, EventKind kind,
                          bool weeklyView) {
    const auto bytes = ReadEventFile(folder, kind);
    const auto table = bytes ? EventTable::fromFile(*bytes, kind) : std::nullopt;
    if (!table)
        return 0;
    const ConflictLines lines = ConflictsByLine(*table, weeklyView);
    for (const auto& [line, others] : lines.others) {
        QListWidgetItem* item = list.item(line);
        if (item == nullptr)
            continue;
        QString tip = QStringLiteral("Conflicts with:");
        for (const auto& other : others)
            tip += QStringLiteral("\n") + Latin1(other);
        item->setBackground(QBrush(kConflictBackground));
        item->setToolTip(tip);
    }
    return lines.pairs;
}

} // namespace corvane
