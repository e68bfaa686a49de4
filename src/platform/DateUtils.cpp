#include "DateUtils.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QDate dayZero(1899, 12, 30);

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

// The text as the error message quotes it: characters that show nothing
// (direction marks, zero-width and other unusual spaces, control characters)
// written as their code, e.g. U+200F, and long pastes cut short so that the
// message box stays readable.
QString quoted(const QString &text)
{
    constexpr qsizetype maxShown = 40;
    QString shown;
    for (const char32_t c : text.left(maxShown).toUcs4()) {
        const QChar::Category category = QChar::category(c);
        const bool invisible = category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph
            || (category == QChar::Separator_Space && c != U' ');
        shown += invisible ? QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper()
                           : QString::fromUcs4(&c, 1);
    }
    return u'«' + shown + (text.size() > maxShown ? QStringLiteral("…»") : QStringLiteral("»"));
}

int StrToInt(const QString &text)
{
    const auto notAnInteger
        = [&text] { return EConvertError(QStringLiteral("Το %1 δεν είναι ακέραιος αριθμός.").arg(quoted(text))); };
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        throw EConvertError(QStringLiteral("Δεν γράφτηκε αριθμός."));
    const bool negative = digits.front() == u'-';
    qsizetype i = negative || digits.front() == u'+' ? 1 : 0; // past the sign
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
            throw EConvertError(
                QStringLiteral("Ο αριθμός %1 είναι πολύ %2.")
                    .arg(quoted(text), negative ? QStringLiteral("μικρός") : QStringLiteral("μεγάλος")));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999)
        throw EConvertError(QStringLiteral("Το έτος %1 είναι εκτός των ορίων 1 έως 9999.").arg(year));
    if (!QDate::isValid(year, month, day))
        throw EConvertError(QStringLiteral("Η ημερομηνία %1/%2/%3 δεν υπάρχει.").arg(day).arg(month).arg(year));
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
