#pragma once

#include "Exceptions.h"

#include <QDate>
#include <QString>

// A date as a count of days since 30 December 1899 (day 0); the fraction is the
// time of day. Every use here looks only at the whole-day part.
using TDateTime = double;

// The text in «», as an error message quotes what the user gave: characters
// that show nothing, or move the terminal's cursor, written as their code
// (U+200F), and long text cut short.
QString quoted(const QString &text);

// Converts decimal text with optional surrounding white space and an optional
// sign to a 32-bit integer; anything else, or a value out of range, raises
// EConvertError.
int StrToInt(const QString &text);

// The TDateTime of a Gregorian date at midnight, years 1 to 9999; any other
// year, month or day raises EConvertError.
TDateTime EncodeDate(int year, int month, int day);

// 1 for Sunday, 2 for Monday, ... 7 for Saturday.
int DayOfWeek(TDateTime date);

// The date in the locale's short date format, the year always in full.
QString DateToStr(TDateTime date);

// Conversions between the day count and Qt's calendar date.
QDate toQDate(TDateTime date);
TDateTime fromQDate(QDate date);
