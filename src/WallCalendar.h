#pragma once

// A wall calendar of a year: twelve landscape pages, a month each, a cell for
// every day with its number, its feast, up to three names and the sign of its
// fast, Sundays and public holidays in red, Easter and its week shaded, and a
// legend of the signs at the foot of every page. Printed, or as a PDF with
// its fonts embedded.

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// Draws the year on the device, a month a page; it sets the device to A4
// landscape when asked. A year whose Easter cannot be dated has no fast or
// holiday, only its fixed days.
void paintWallCalendar(QPagedPaintDevice *device, int year, const QString &country, bool setPage);
QByteArray wallCalendarPdf(int year, const QString &country);
