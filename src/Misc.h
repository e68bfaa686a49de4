#pragma once

#include "DateUtils.h"

// Orthodox Easter Sunday of a year, as a Gregorian date (proleptic before 1583).
// The Easter of the Julian computus, moved to the Gregorian calendar. Exact for
// years 1 to 5174; later years whose Easter would fall in June, every year from
// 9649 on, and years below 1 raise EConvertError from the date encoding.
TDateTime EasterDate(int year);
