#pragma once

// Feast rows as an Excel workbook, through libxlsxwriter. Qt Core only.

#include "Feasts.h"

#include <QByteArray>
#include <QList>
#include <QString>

// An Excel workbook (.xlsx) of one sheet named after the caption and the
// years: the columns' titles in bold with a filter, the dates as dates in the
// reader's short date format, columns wide enough for their longest text, a
// long feast wrapped, printed landscape one page wide.
QByteArray toXlsx(const QString &caption, const QList<FeastRow> &rows);
