// Any bytes, taken as the text of the year box, go the way the window takes
// them: to an integer, to Easter, to the fixed feasts of that year, and every
// date to its text and its day of the week. Each step must give a valid result
// or raise EConvertError; anything else is a crash.

#include "DateUtils.h"
#include "Misc.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

void check(bool condition, const char *what, const QString &text)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s, for the text \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

// The integer that decimal text stands for, by the standard library's parser:
// a second opinion on StrToInt.
std::optional<int> plainInteger(const QString &text)
{
    QString digits = text.trimmed();
    if (digits.size() > 1 && digits.at(0) == u'+' && digits.at(1).isDigit())
        digits.remove(0, 1);
    for (QChar c : digits)
        if (c.unicode() > 0x7f)
            return std::nullopt;
    const std::string ascii = digits.toStdString();
    int value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

void checkDate(TDateTime date, int year, const QString &text)
{
    const QDate day = toQDate(date);
    check(day.year() == year, "a date outside its year", text);
    const int weekday = DayOfWeek(date);
    check(weekday >= 1 && weekday <= 7, "a day of the week outside 1 to 7", text);
    const QString shown = DateToStr(date);
    check(!shown.isEmpty(), "an empty date text", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<int> expected = plainInteger(text);

    int year = 0;
    try {
        year = StrToInt(text);
    } catch (const EConvertError &) {
        check(!expected, "a valid integer refused", text);
        return 0;
    }
    check(expected && *expected == year, "an integer read wrongly", text);

    try {
        const TDateTime easter = EasterDate(year);
        checkDate(easter, year, text);
        check(DayOfWeek(easter) == 1, "an Easter that is not a Sunday", text);
    } catch (const EConvertError &) {
        check(year < 1 || year > 5174, "an Easter refused between 1 and 5174", text);
    }

    // The month and day of each fixed feast.
    static constexpr int fixedFeasts[8][2] = {{1, 1}, {12, 25}, {1, 6}, {5, 1}, {3, 25}, {8, 15}, {10, 26}, {10, 28}};
    for (const auto &[month, day] : fixedFeasts) {
        try {
            checkDate(EncodeDate(year, month, day), year, text);
        } catch (const EConvertError &) {
            check(year < 1 || year > 9999, "a fixed feast refused in years 1 to 9999", text);
        }
    }
    return 0;
}
