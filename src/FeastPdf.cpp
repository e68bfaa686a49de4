#include "FeastPdf.h"

#include "FeastExport.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <climits>
#include <utility>

void preparePage(QPagedPaintDevice *device, bool pdf)
{
    device->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (pdf)
        device->setPageSize(QPageSize(QPageSize::A4));
}

// The rows are laid out and drawn page by page, each once, so that the time
// grows with the rows alone: 2 cm around the page; the title on the first
// page; the columns' titles in bold at the top of every page; each row whole
// on one page, as tall as its longest text wrapped within its column; at the
// foot of every page «σελίδα 3 από 11», for which the pages are first counted
// in a pass that draws nothing. A row taller than a page (All Saints' Sunday
// with its hundreds of names) is set in smaller letters until it fits one.
void printRows(QPagedPaintDevice *device, const QString &caption, const QList<FeastRow> &rows)
{
    QPainter painter(device);
    const double mm = device->logicalDpiX() / 25.4;
    const QRectF body = QRectF(0, 0, device->width(), device->height()).adjusted(20 * mm, 20 * mm, -20 * mm, -20 * mm);
    const double padding = 0.8 * mm;
    painter.setPen(QPen(Qt::black, 0.25 * mm));

    const bool names = nameDays(rows, caption);
    const QFont plain = QGuiApplication::font();
    QFont bold = plain, heading = plain;
    bold.setBold(true);
    heading.setBold(true);
    heading.setPointSizeF(14);

    // The number, date and day as wide as their widest text; the names and
    // the feast or commemoration share the rest, 30 to 37.
    const QStringList titles = columnTitles(rows, caption);
    const qsizetype narrow = titles.size() - (names ? 2 : 1);
    QList<double> widths(titles.size());
    const QFontMetricsF plainMetrics(plain, device), boldMetrics(bold, device);
    for (qsizetype column = 0; column < narrow; ++column)
        widths[column] = boldMetrics.horizontalAdvance(titles[column]);
    for (const FeastRow &row : rows) {
        const QStringList texts = cells(row, names);
        for (qsizetype column = 0; column < narrow; ++column)
            widths[column] = std::max(widths[column], plainMetrics.horizontalAdvance(texts[column]));
    }
    double rest = body.width();
    for (qsizetype column = 0; column < narrow; ++column)
        rest -= widths[column] += 2 * padding + mm;
    widths[narrow] = names ? rest * 30 / 67 : rest;
    widths.last() = names ? rest * 37 / 67 : rest;
    QList<double> left = {body.left()};
    for (const double width : widths)
        left << left.last() + width;

    // The pages a printer was asked for (all by default); the others are laid
    // out but not drawn.
    const auto *printer = dynamic_cast<const QPrinter *>(device);
    const int from = printer && printer->fromPage() > 0 ? printer->fromPage() : 1;
    const int to = printer && printer->toPage() > 0 ? printer->toPage() : INT_MAX;
    int page = 1, pages = 0; // pages: 0 while they are counted
    bool drawn = false; // a page was begun
    const auto shown = [&] { return pages && page >= from && page <= to; };
    const auto begin = [&] {
        if (shown() && std::exchange(drawn, true))
            device->newPage();
    };

    // A row's height, and the row drawn with its top at y.
    const auto height = [&](const QStringList &texts, const QFont &font) {
        const QFontMetricsF metrics(font, device);
        double most = metrics.height();
        for (int column = 0; column < texts.size(); ++column) {
            const double width = left[column + 1] - left[column] - 2 * padding;
            if (metrics.horizontalAdvance(texts[column]) > width) // only long texts are wrapped
                most = std::max(
                    most, metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, texts[column]).height());
        }
        return most + 2 * padding;
    };
    const auto draw = [&](double y, double rowHeight, const QStringList &texts, const QFont &font) {
        if (!shown())
            return;
        painter.setFont(font);
        for (int column = 0; column < texts.size(); ++column) {
            const QRectF cell(left[column], y, left[column + 1] - left[column], rowHeight);
            painter.drawRect(cell);
            painter.drawText(cell.adjusted(padding, padding, -padding, -padding), Qt::TextWordWrap, texts[column]);
        }
    };

    // The page's number, below its rows.
    const auto foot = [&] {
        if (!shown())
            return;
        painter.setFont(plain);
        painter.drawText(QRectF(body.left(), body.bottom() + 4 * mm, body.width(), 12 * mm), Qt::AlignHCenter,
            QStringLiteral("σελίδα %1 από %2").arg(page).arg(pages));
    };
    const QString title = documentTitle(caption, rows);
    const double titleHeight = QFontMetricsF(heading, device).boundingRect(body, Qt::TextWordWrap, title).height();
    const double titlesHeight = height(titles, bold);
    QList<double> heights;
    QList<QFont> fonts;
    const double room = body.height() - titlesHeight;
    for (const FeastRow &row : rows) {
        QFont font = plain;
        double tall = height(cells(row, names), font);
        while (tall > room && font.pointSizeF() > 3) {
            font.setPointSizeF(font.pointSizeF() * 0.9);
            tall = height(cells(row, names), font);
        }
        heights << tall;
        fonts << font;
    }
    // Once to count the pages, once to draw them.
    for (int pass = 0; pass < 2; ++pass) {
        page = 1;
        begin();
        if (shown()) {
            painter.setFont(heading);
            painter.drawText(body, Qt::TextWordWrap, title);
        }
        double y = body.top() + titleHeight + 2 * mm;
        draw(y, titlesHeight, titles, bold);
        y += titlesHeight;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (y + heights[i] > body.bottom() && y > body.top() + titlesHeight) {
                foot();
                ++page;
                begin();
                y = body.top();
                draw(y, titlesHeight, titles, bold);
                y += titlesHeight;
            }
            draw(y, heights[i], cells(rows[i], names), fonts[i]);
            y += heights[i];
        }
        foot();
        pages = page;
    }
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
