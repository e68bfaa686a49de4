#include "FeastXlsx.h"

#include "FeastExport.h"
#include "Output.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cmath>

QByteArray toXlsx(const QString &caption, const QList<FeastRow> &rows)
{
    // libxlsxwriter writes only to a named file, through the C library's
    // narrow calls: the workbook is made in a folder of its own, the
    // library's temporary files beside it, and read back.
    const QTemporaryDir folder;
    const QByteArray path = folder.isValid() ? narrowFileName(folder.path()) : QByteArray();
    if (path.isEmpty())
        throw Exception(QStringLiteral("Το βιβλίο Excel δεν φτιάχτηκε: δεν βρέθηκε προσωρινός φάκελος για αυτό."));
    const QByteArray file = path + "/eortologio.xlsx";
    lxw_workbook_options options {LXW_FALSE, const_cast<char *>(path.constData()), LXW_FALSE};
    lxw_workbook *workbook = workbook_new_opt(file.constData(), &options);
    const auto failed = [&](int error) {
        return Exception(QStringLiteral("Το βιβλίο Excel δεν φτιάχτηκε στον προσωρινό φάκελο «%1»: %2.")
                             .arg(QDir::toNativeSeparators(folder.path()),
                                 error == LXW_ERROR_MEMORY_MALLOC_FAILED
                                     ? QStringLiteral("ανεπαρκής μνήμη")
                                     : QStringLiteral("σφάλμα %1 της libxlsxwriter").arg(error)));
    };
    if (!workbook)
        throw failed(LXW_ERROR_CREATING_XLSX_FILE);

    // The sheet is named after the view and its years: a sheet's name has at
    // most 31 characters, none of []:*?/\, so a long caption is cut, never
    // the years.
    const QString years = yearsCovered(rows);
    QString name = caption;
    name.remove(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")));
    name = (name.simplified().left(30 - years.size()).trimmed() + u' ' + years).trimmed();
    const QByteArray title = documentTitle(caption, rows).toUtf8(), sheetName = name.toUtf8();
    lxw_doc_properties properties {};
    properties.title = const_cast<char *>(title.constData());
    workbook_set_properties(workbook, &properties);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, sheetName.isEmpty() ? nullptr : sheetName.constData());
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    // Cells keep to the top of a row that a wrapped feast makes taller; format
    // 14 is the short date of the reader's own regional settings.
    lxw_format *top = workbook_add_format(workbook), *date = workbook_add_format(workbook),
               *wrapped = workbook_add_format(workbook);
    for (lxw_format *format : {top, date, wrapped})
        format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
    format_set_num_format_index(date, 14);
    format_set_text_wrap(wrapped);

    // Column widths in the units of the sheet's font's digits: a Greek or a
    // bold letter is wider, so a text of n letters takes about 1.2 n, plus a
    // margin. A date cell takes about ten, as does a date before 1900, which a
    // spreadsheet cannot hold as a date and gets as the view's text. A feast
    // longer than a screen's width wraps, in a row made tall enough for its
    // lines (not every spreadsheet fits a row's height to wrapped text).
    constexpr double letter = 1.2, widest = 100;
    const auto width = [&](const QString &text) { return std::min(widest, letter * double(text.size()) + 2); };
    const QStringList titles = columnTitles(rows, caption);
    const auto columns = lxw_col_t(titles.size());
    const bool names = nameDays(rows);
    QList<double> widths;
    for (lxw_col_t column = 0; column < columns; ++column) {
        worksheet_write_string(sheet, 0, column, titles[column].toUtf8().constData(), bold);
        widths << width(titles[column]);
    }
    for (int i = 0; i < rows.size(); ++i) {
        const FeastRow &row = rows[i];
        const QStringList texts = cells(row, names);
        const lxw_row_t at = lxw_row_t(i + 1);
        worksheet_write_number(sheet, at, 0, row.number.toInt(), top);
        if (row.date.year() >= 1900) {
            lxw_datetime day {row.date.year(), row.date.month(), row.date.day(), 0, 0, 0};
            worksheet_write_datetime(sheet, at, 1, &day, date);
        } else {
            worksheet_write_string(sheet, at, 1, row.dateText.toUtf8().constData(), top);
        }
        double lines = 1;
        for (lxw_col_t column = 2; column < columns; ++column) {
            worksheet_write_string(sheet, at, column, texts[column].toUtf8().constData(), wrapped);
            lines = std::max(lines, std::ceil(letter * double(texts[column].size()) / (widest - 2)));
        }
        for (lxw_col_t column = 0; column < columns; ++column)
            widths[column] = std::max(widths[column], width(texts[column]));
        if (lines > 1)
            worksheet_set_row(sheet, at, LXW_DEF_ROW_HEIGHT * lines, nullptr);
    }
    for (lxw_col_t column = 0; column < columns; ++column)
        worksheet_set_column(sheet, column, column, widths[column], nullptr);
    worksheet_freeze_panes(sheet, 1, 0); // the header stays in view
    worksheet_autofilter(sheet, 0, 0, lxw_row_t(rows.size()), columns - 1);
    // Printed across, one page wide, the header on every page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, 0, 0);

    if (const lxw_error error = workbook_close(workbook); error != LXW_NO_ERROR)
        throw failed(error);
    QFile made(QFile::decodeName(file));
    if (!made.open(QIODevice::ReadOnly))
        throw failed(LXW_ERROR_READING_TMPFILE);
    return made.readAll();
}
