#include "FeastPdf.h"

#include "FeastExport.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

void preparePage(QPagedPaintDevice *device, bool pdf)
{
    device->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (pdf)
        device->setPageSize(QPageSize(QPageSize::A4));
}

void printRows(QPagedPaintDevice *device, const QString &caption, const QList<FeastRow> &rows)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(documentTitle(caption, rows), heading);

    // The header row repeats on every page; the feast column takes what the
    // others leave and wraps long names.
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    const bool names = nameDays(rows, caption);
    QList<QTextLength> widths;
    for (const int percent : names ? QList<int> {6, 15, 12, 30, 37} : QList<int> {6, 17, 15, 62})
        widths << QTextLength(QTextLength::PercentageLength, percent);
    format.setColumnWidthConstraints(widths);
    const QStringList titles = columnTitles(rows, caption);
    QTextTable *table = cursor.insertTable(int(rows.size()) + 1, int(titles.size()), format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int column = 0; column < titles.size(); ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(titles[column], bold);
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList row = cells(rows[i], names);
        for (int column = 0; column < row.size(); ++column)
            table->cellAt(i + 1, column).firstCursorPosition().insertText(row[column]);
    }
    document.print(device);
}

QByteArray toPdf(const QString &caption, const QList<FeastRow> &rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(documentTitle(caption, rows));
        writer.setCreator(QStringLiteral("Εορτολόγιο"));
        preparePage(&writer, true);
        printRows(&writer, caption, rows);
    }
    return buffer.data();
}
