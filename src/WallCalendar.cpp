#include "WallCalendar.h"

#include "Exceptions.h"
#include "Feasts.h"
#include "Glance.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

void paintWallCalendar(QPagedPaintDevice *device, int year, const QString &country, bool setPage)
{
    if (setPage) {
        device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    }
    const QList<GlanceDay> days = glanceDays(QDate(year, 1, 1), QDate(year, 12, 31), country);
    const QLocale greek(QLocale::Greek);
    // A printer or a file that does not open (a file named as a folder, say)
    // is said to have failed, not left as an empty success.
    QPainter painter;
    if (!painter.begin(device))
        throw Exception(QStringLiteral("Το ημερολόγιο τοίχου δεν τυπώθηκε: ο εκτυπωτής ή το αρχείο δεν ανοίγει."));
    const double mm = device->logicalDpiX() / 25.4;
    const QRectF page = QRectF(0, 0, device->width(), device->height()).adjusted(12 * mm, 10 * mm, -12 * mm, -10 * mm);
    const QFont base = QGuiApplication::font();
    const auto font = [&](double points, bool bold = false, bool italic = false) {
        QFont f = base;
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    };
    const QColor red(0xc0, 0, 0), shade(0xf3, 0xea, 0xc8);
    for (int month = 1; month <= 12; ++month) {
        if (month > 1)
            device->newPage();
        painter.setPen(Qt::black);
        painter.setFont(font(26, true));
        const QRectF heading(page.left(), page.top(), page.width(), 14 * mm);
        painter.drawText(
            heading, Qt::AlignCenter, QStringLiteral("%1 %2").arg(greek.standaloneMonthName(month)).arg(year));
        const QRectF legend(page.left(), page.bottom() - 8 * mm, page.width(), 8 * mm);
        painter.setFont(font(10));
        painter.drawText(legend, Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("Με κόκκινο οι Κυριακές και οι αργίες· σκιασμένη η εβδομάδα του Πάσχα. ") + fastLegend());
        const QDate start(year, month, 1);
        const int lead = start.dayOfWeek() - 1, rows = (lead + start.daysInMonth() + 6) / 7;
        const double top = heading.bottom() + 9 * mm, width = page.width() / 7,
                     height = (legend.top() - 2 * mm - top) / rows;
        painter.setFont(font(12, true));
        for (int column = 0; column < 7; ++column) {
            painter.setPen(column == 6 ? red : Qt::black);
            painter.drawText(QRectF(page.left() + column * width, top - 8 * mm, width, 7 * mm), Qt::AlignCenter,
                weekdayName(column + 1));
        }
        for (int day = 1; day <= start.daysInMonth(); ++day) {
            const GlanceDay &d = days[start.dayOfYear() - 1 + day - 1];
            const int cell = lead + day - 1;
            const QRectF box(page.left() + cell % 7 * width, top + cell / 7 * height, width, height);
            painter.setPen(QPen(Qt::gray, 0.3 * mm));
            painter.setBrush(d.easterWeek ? QBrush(shade) : Qt::NoBrush);
            painter.drawRect(box);
            const QRectF inside = box.adjusted(2 * mm, 1 * mm, -2 * mm, -1 * mm);
            painter.setPen(d.red ? red : Qt::black);
            painter.setFont(font(22, true));
            painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, QString::number(day));
            painter.setFont(font(14, true));
            painter.drawText(inside, Qt::AlignRight | Qt::AlignTop, fastLevelSign(d.fast));
            QRectF text = inside.adjusted(0, 10 * mm, 0, 0);
            const QString feast = !d.feast.isEmpty() ? d.feast : d.holiday;
            if (!feast.isEmpty()) {
                painter.setFont(font(7.5, false, true));
                QRectF used;
                painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    QString(feast).replace(u'\n', QStringLiteral(" · ")), &used);
                text.setTop(used.bottom() + 0.5 * mm);
            }
            painter.setPen(Qt::black);
            painter.setFont(font(9));
            painter.drawText(
                text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, d.names.mid(0, 3).join(QStringLiteral(", ")));
        }
    }
}

QByteArray wallCalendarPdf(int year, const QString &country)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Εορτολόγιο"));
        writer.setTitle(QStringLiteral("Ημερολόγιο τοίχου %1").arg(year));
        paintWallCalendar(&writer, year, country, true);
    }
    return buffer.data();
}
