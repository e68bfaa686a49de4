// Any bytes, taken as the text of the year box, go the way the window takes
// them: to an integer, checked against Qt's own parser, then to Easter and its
// text. Each step gives a valid result or raises EConvertError; anything else
// aborts.

#include "Misc.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // Qt's parser stops at a NUL character; the year box takes the whole text.
    bool valid = false;
    const int expected = text.toInt(&valid, 10);
    valid = valid && !text.contains(QChar(0));
    int year = 0;
    try {
        year = StrToInt(text);
    } catch (const EConvertError &) {
        if (valid)
            std::abort();
        return 0;
    }
    if (!valid || year != expected)
        std::abort();
    try {
        const TDateTime easter = EasterDate(year);
        if (toQDate(easter).year() != year || DayOfWeek(easter) != 1 || DateToStr(easter).isEmpty())
            std::abort();
    } catch (const EConvertError &) {
        if (year >= 1 && year <= 5174)
            std::abort();
    }
    return 0;
}
