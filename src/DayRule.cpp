#include "DayRule.h"

#include <QFile>
#include <QRegularExpression>

std::optional<DayRule> readDayRule(const QString &text)
{
    static const QRegularExpression fixed(QStringLiteral("^(\\d\\d)-(\\d\\d)$")),
        fromEaster(QStringLiteral("^Π([+-]\\d{1,3})$"));
    if (const auto m = fixed.match(text);
        m.hasMatch() && QDate(2000, m.captured(1).toInt(), m.captured(2).toInt()).isValid())
        return DayRule {.month = m.captured(1).toInt(), .day = m.captured(2).toInt()};
    if (const auto e = fromEaster.match(text); e.hasMatch() && std::abs(e.captured(1).toInt()) <= 100)
        return DayRule {.fromEaster = true, .offset = e.captured(1).toInt()};
    return std::nullopt;
}

std::optional<DaySpan> readDaySpan(const QString &text)
{
    if (text == u"*")
        return DaySpan {true, {}, {}};
    const QStringList ends = text.split(QStringLiteral(".."));
    const auto first = readDayRule(ends.first());
    const auto last = readDayRule(ends.last());
    if (ends.size() > 2 || !first || !last)
        return std::nullopt;
    return DaySpan {.first = *first, .last = *last};
}

QList<DataLine> dataLines(const QString &text)
{
    QList<DataLine> lines;
    const QStringList all = text.split(u'\n');
    for (int i = 0; i < all.size(); ++i) {
        const QString line = all[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(QStringLiteral(" | "));
        for (QString &field : fields)
            field = field.trimmed();
        lines.append({i + 1, fields});
    }
    return lines;
}

QString builtInData(const QString &name)
{
    QFile file(QStringLiteral(":/data/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
