#include "Misc.h"

// Julian computus, counting from 21 March (Julian):
//   r19  year in the 19-year lunar cycle (golden number - 1)   [0, 18]
//   r7, r4  the year's place in the weekday and leap cycles   [0, 6], [0, 3]
//   d    days from 21 March to the Paschal full moon           [1, 29], never 0
//   e    days from that full moon to the next Sunday            [0, 6]
//   s    Easter as days after 21 March, Julian                  [1, 35]
//   k    century; k - k/4 - 2 is the Julian-to-Gregorian shift  (-2 for years 1-99,
//        13 for 1900-2099, 37 at 5100-5199)
// After the shift, s counts days after 21 March, Gregorian: s > 40 lands in May,
// s > 10 in April, otherwise in March (s down to -1: 20 March 72). A June date
// (s > 71, only from 5175 on) becomes May 32 or later, which EncodeDate rejects.
// Division and remainder truncate toward zero, as C++ does; for years below 1 the
// encoding rejects the result whatever it is.
TDateTime EasterDate(int year)
{
    const int r19 = year % 19;
    const int r7 = year % 7;
    const int r4 = year % 4;

    const int d = (19 * r19 + 16) % 30;
    const int e = (2 * r4 + 4 * r7 + 6 * d) % 7;
    int s = d + e;

    const int k = year / 100;
    s = s + k - (k / 4) - 2;

    int month;
    int day;
    if (s > 40) {
        month = 5;
        day = s - 40;
    } else if (s > 10) {
        month = 4;
        day = s - 10;
    } else {
        month = 3;
        day = s + 21;
    }
    return EncodeDate(year, month, day);
}
