#pragma once

// Feast rows as a document of pages: printed, or as PDF. Qt Gui, for the fonts.

#include "Feasts.h"

#include <QByteArray>
#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

// The page of every document: no margins of the device's own, since the
// rows are laid out 2 cm from the page's edges; for a PDF also A4 (a printer's
// paper stays as the printer is set up).
void preparePage(QPagedPaintDevice *device, bool pdf);

// A document titled with the caption and the years covered, and the columns,
// long feasts wrapped, laid out on the device's pages.
void printRows(QPagedPaintDevice *device, const QString &caption, const QList<FeastRow> &rows);

// The same document as PDF.
QByteArray toPdf(const QString &caption, const QList<FeastRow> &rows);
