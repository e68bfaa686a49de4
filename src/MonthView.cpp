#include "MonthView.h"

#include "ContactBook.h"
#include "DayClock.h"
#include "Feasts.h"
#include "Glance.h"

#include <QAbstractTextDocumentLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace {

constexpr int weeks = 6;

// A cell's text is HTML: drawn as a rich text document, clipped to the cell.
class HtmlDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setHtml(index.data().toString());
        document.setTextWidth(option.rect.width());
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setClipRect(QRect(QPoint(), option.rect.size()));
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = option.palette;
        if (option.state & QStyle::State_Selected)
            context.palette.setColor(QPalette::Text, option.palette.color(QPalette::HighlightedText));
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }
};

QString escaped(const QStringList &texts)
{
    return texts.join(QStringLiteral(", ")).toHtmlEscaped();
}

} // namespace

MonthView::MonthView(ContactBook *book, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , book(book)
{
    setWindowTitle(QStringLiteral("Μήνας – Ονομαστικές εορτές"));
    setObjectName(QStringLiteral("MonthView"));
    resize(900, 640);
    auto *earlier = new QPushButton(QStringLiteral("◀"), this);
    earlier->setToolTip(QStringLiteral("Ο προηγούμενος μήνας (PageUp)"));
    earlier->setAccessibleName(QStringLiteral("Ο προηγούμενος μήνας"));
    auto *later = new QPushButton(QStringLiteral("▶"), this);
    later->setToolTip(QStringLiteral("Ο επόμενος μήνας (PageDown)"));
    later->setAccessibleName(QStringLiteral("Ο επόμενος μήνας"));
    auto *today = new QPushButton(QStringLiteral("&Σήμερα"), this);
    today->setToolTip(QStringLiteral("Ο σημερινός μήνας (Home)"));
    title = new QLabel(this);
    title->setObjectName(QStringLiteral("monthLabel"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    grid = new QTableWidget(weeks, 7, this);
    grid->setObjectName(QStringLiteral("monthGrid"));
    grid->setAccessibleName(QStringLiteral("Οι ημέρες του μήνα"));
    for (int day = 1; day <= 7; ++day)
        grid->setHorizontalHeaderItem(day - 1, new QTableWidgetItem(weekdayName(day)));
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setItemDelegate(new HtmlDelegate(grid));
    grid->setWordWrap(true);
    grid->installEventFilter(this);
    details = new QLabel(this);
    details->setObjectName(QStringLiteral("dayLabel"));
    details->setWordWrap(true);
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *legend = new QLabel(QStringLiteral("Με κόκκινο οι Κυριακές και οι αργίες. ") + fastLegend(), this);
    legend->setObjectName(QStringLiteral("legendLabel"));
    legend->setWordWrap(true);

    auto *top = new QHBoxLayout;
    top->addWidget(earlier);
    top->addWidget(title, 1, Qt::AlignCenter);
    top->addWidget(today);
    top->addWidget(later);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid, 1);
    layout->addWidget(details);
    layout->addWidget(legend);

    connect(earlier, &QPushButton::clicked, this, [this] { select(day.addMonths(-1)); });
    connect(later, &QPushButton::clicked, this, [this] { select(day.addMonths(1)); });
    connect(today, &QPushButton::clicked, this, [this] { select(DayClock::instance().today()); });
    connect(grid, &QTableWidget::cellClicked, this,
        [this](int row, int column) { select(first.addDays(row * 7 + column)); });
    connect(book, &ContactBook::changed, this, &MonthView::refresh);
    connect(&DayClock::instance(), &DayClock::dayChanged, this, &MonthView::refresh);
    select(DayClock::instance().today());
}

void MonthView::select(QDate chosen)
{
    if (!chosen.isValid() || chosen.year() < 1 || chosen.year() > 9999)
        return;
    const bool sameMonth = day.isValid() && chosen.year() == day.year() && chosen.month() == day.month();
    day = chosen;
    if (!sameMonth)
        showMonth();
    const qint64 index = first.daysTo(day);
    grid->setCurrentCell(int(index / 7), int(index % 7));
    showDay();
}

void MonthView::refresh()
{
    showMonth();
    showDay();
}

// The month's weeks, Monday first: the days of the months beside it greyed.
void MonthView::showMonth()
{
    const QDate start(day.year(), day.month(), 1);
    first = start.addDays(1 - start.dayOfWeek());
    title->setText(
        QStringLiteral("%1 %2").arg(QLocale(QLocale::Greek).standaloneMonthName(day.month())).arg(day.year()));
    const QList<GlanceDay> days = glanceDays(
        first, first.addDays(weeks * 7 - 1), setting::holidaysCountry.value(), book->contacts(), showBirthdays());
    const QDate today = DayClock::instance().today();
    for (int i = 0; i < days.size(); ++i) {
        const GlanceDay &d = days[i];
        const bool inMonth = d.date.month() == day.month();
        QString html = QStringLiteral("<span style='font-size:large;%1'><b>%2</b></span> %3")
                           .arg(!inMonth   ? QStringLiteral("color:gray")
                                   : d.red ? QStringLiteral("color:#c00000")
                                           : QString())
                           .arg(d.date.day())
                           .arg(fastLevelSign(d.fast));
        if (!d.holiday.isEmpty() || !d.feast.isEmpty())
            html += QStringLiteral("<br><i>%1</i>").arg((d.feast.isEmpty() ? d.holiday : d.feast).toHtmlEscaped());
        if (!d.people.isEmpty())
            html += QStringLiteral("<br><b>%1</b>").arg(escaped(d.people));
        if (!d.names.isEmpty())
            html += QStringLiteral("<br>%1").arg(
                escaped(d.names.mid(0, 4)) + (d.names.size() > 4 ? QStringLiteral("…") : QString()));
        auto *cell = new QTableWidgetItem(html);
        cell->setData(Qt::UserRole, d.date);
        cell->setData(Qt::AccessibleTextRole, QTextDocumentFragment::fromHtml(html).toPlainText());
        if (d.date == today)
            cell->setBackground(palette().alternateBase());
        grid->setItem(i / 7, i % 7, cell);
    }
}

// The chosen day's whole list: the date, its holiday and fast, the contacts,
// every commemoration with its names.
void MonthView::showDay()
{
    const GlanceDay d
        = glanceDays(day, day, setting::holidaysCountry.value(), book->contacts(), showBirthdays()).first();
    QStringList lines
        = {QStringLiteral("<b>%1</b>").arg(QLocale(QLocale::Greek).toString(day, QStringLiteral("dddd d MMMM yyyy")))};
    if (!d.holiday.isEmpty())
        lines << QStringLiteral("<span style='color:#c00000'>Αργία: %1</span>").arg(d.holiday.toHtmlEscaped());
    if (!d.feast.isEmpty())
        lines << d.feast.toHtmlEscaped();
    lines << fastLevelWords(d.fast);
    if (!d.people.isEmpty())
        lines << QStringLiteral("Οι επαφές σας: <b>%1</b>").arg(escaped(d.people));
    for (int i = 0; i < d.commemorations.size(); ++i)
        lines << d.commemorations[i].toHtmlEscaped();
    if (!d.names.isEmpty())
        lines << QStringLiteral("Γιορτάζουν: %1").arg(escaped(d.names));
    details->setText(lines.join(QStringLiteral("<br>")));
}

bool MonthView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const QDate next = key == Qt::Key_Left ? day.addDays(-1)
            : key == Qt::Key_Right             ? day.addDays(1)
            : key == Qt::Key_Up                ? day.addDays(-7)
            : key == Qt::Key_Down              ? day.addDays(7)
            : key == Qt::Key_PageUp            ? day.addMonths(-1)
            : key == Qt::Key_PageDown          ? day.addMonths(1)
            : key == Qt::Key_Home              ? DayClock::instance().today()
                                               : QDate();
        if (next.isValid()) {
            select(next);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
