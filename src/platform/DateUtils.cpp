#include "DateUtils.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

const QDate dayZero(1899, 12, 30);

// The text as the error message quotes it: long pastes are cut short so that the
// message box stays readable.
QString quoted(const QString &text)
{
    constexpr qsizetype maxShown = 40;
    if (text.size() <= maxShown)
        return u'«' + text + u'»';
    return u'«' + text.left(maxShown) + QStringLiteral("…»");
}

// The locale's short date format with every year field written in full: a
// two-digit year cannot tell 1910 from 2010 in a calendar of years 1 to 9999.
QString fullYearFormat(const QString &format)
{
    QString result;
    bool inQuote = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            inQuote = !inQuote;
            result += c;
            ++i;
        } else if (!inQuote && c == u'y') {
            while (i < format.size() && format.at(i) == u'y')
                ++i;
            result += QStringLiteral("yyyy");
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

} // namespace

int StrToInt(const QString &text)
{
    const auto notAnInteger = [&text] {
        return EConvertError(QStringLiteral("Το %1 δεν είναι έγκυρος ακέραιος αριθμός").arg(quoted(text)));
    };
    const QString digits = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < digits.size() && (digits.at(i) == u'+' || digits.at(i) == u'-')) {
        negative = digits.at(i) == u'-';
        ++i;
    }
    if (i == digits.size())
        throw notAnInteger();

    // Accumulated as a magnitude in 64 bits and checked after every digit, so no
    // length of text can wrap around.
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 magnitude = 0;
    for (; i < digits.size(); ++i) {
        const char16_t c = digits.at(i).unicode();
        if (c < u'0' || c > u'9')
            throw notAnInteger();
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            throw EConvertError(QStringLiteral("Το %1 είναι εκτός των ορίων ακέραιου αριθμού (%2 έως %3)")
                                    .arg(quoted(text))
                                    .arg(std::numeric_limits<int>::min())
                                    .arg(std::numeric_limits<int>::max()));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        throw EConvertError(
            QStringLiteral("Μη έγκυρη ημερομηνία: ημέρα %1, μήνας %2, έτος %3").arg(day).arg(month).arg(year));
    return fromQDate(QDate(year, month, day));
}

QDate toQDate(TDateTime date)
{
    return dayZero.addDays(static_cast<qint64>(std::trunc(date)));
}

TDateTime fromQDate(QDate date)
{
    return static_cast<TDateTime>(dayZero.daysTo(date));
}

int DayOfWeek(TDateTime date)
{
    return toQDate(date).dayOfWeek() % 7 + 1; // Qt counts Monday 1 .. Sunday 7
}

QString DateToStr(TDateTime date)
{
    // The format is looked up again only when the default locale changes.
    thread_local QLocale locale(QLocale::c());
    thread_local QString format;
    const QLocale current;
    if (format.isEmpty() || current != locale) {
        locale = current;
        format = fullYearFormat(locale.dateFormat(QLocale::ShortFormat));
    }
    return locale.toString(toQDate(date), format);
}
