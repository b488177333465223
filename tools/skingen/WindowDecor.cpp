#include "WindowDecor.h"

#include "skin/UiFile.h"

#include <QStringList>
#include <string_view>

namespace corvane::skingen {

namespace {

constexpr std::size_t kBuffer = 520;

QString ReadText(const UiFile& ui, const std::string& section, const std::string& key) {
    return QString::fromStdString(ui.readString(section, key, "", kBuffer));
}

// Key1, Key2, ... until the first one that is missing.
std::vector<QString> ReadNumbered(const UiFile& ui, const std::string& section,
                                  const std::string& key) {
    std::vector<QString> values;
    for (int n = 1;; ++n) {
        const QString value = ReadText(ui, section, key + std::to_string(n));
        if (value.isEmpty())
            break;
        values.push_back(value);
    }
    return values;
}

} // namespace

QRect ParseDecorRect(const QString& text, QString* caption) {
    const QStringList parts = text.split(u',');
    if (parts.size() < 4)
        return {};
    int edges[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        edges[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    if (caption)
        *caption = parts.mid(4).join(u',').trimmed();
    return QRect(QPoint(edges[0], edges[1]), QPoint(edges[2] - 1, edges[3] - 1));
}

WindowDecor ReadWindowDecor(const UiFile& ui, const std::string& section) {
    WindowDecor decor;
    const QStringList size = ReadText(ui, section, "Size").split(u',');
    if (size.size() == 2)
        decor.size = QSize(size[0].toInt(), size[1].toInt());
    decor.rounded = ReadText(ui, section, "Shape").compare(u"Rounded", Qt::CaseInsensitive) == 0;
    decor.titleBar = ui.readInt(section, "TitleBar", 0);
    decor.title = ReadText(ui, section, "Title");
    decor.subtitle = ReadText(ui, section, "Subtitle");
    for (const char* key : {"Group", "Heading", "Column"}) {
        for (const QString& value : ReadNumbered(ui, section, key)) {
            Heading heading;
            heading.rect = ParseDecorRect(value, &heading.caption);
            heading.centred = std::string_view(key) == "Column";
            if (heading.rect.isValid())
                decor.headings.push_back(heading);
        }
    }
    for (const QString& value : ReadNumbered(ui, section, "Well")) {
        if (const QRect r = ParseDecorRect(value); r.isValid())
            decor.wells.push_back(r);
    }
    for (const QString& value : ReadNumbered(ui, section, "Panel")) {
        if (const QRect r = ParseDecorRect(value); r.isValid())
            decor.cards.push_back(r);
    }
    return decor;
}

} // namespace corvane::skingen
