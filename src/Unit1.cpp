#include "Unit1.h"

#include "Choices.h"
#include "Contacts.h"
#include "Holidays.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

// Lets the user edit a row's number in place, and no other column.
class FirstColumnEditDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() != 0)
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
};

// A report row: running number, date text, day name, feast name; the day
// itself goes with it as data, so that nothing reads the date text back.
QTreeWidgetItem *feastItem(int number, QDate date, const QString &dateText, const QString &day, const QString &name)
{
    auto *row = new QTreeWidgetItem({QString::number(number), dateText, day, name});
    row->setData(0, FeastDateRole, date);
    row->setToolTip(3, name); // long names run past the view's edge
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    return row;
}

} // namespace

QList<FeastRow> feastRows(const QTreeWidget *view, bool selectedOnly)
{
    const NameDayTable &names = NameDayTable::builtIn();
    QList<FeastRow> rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = view->topLevelItem(i);
        if (item->isHidden() || (selectedOnly && !item->isSelected()))
            continue;
        rows.append({item->data(0, FeastDateRole).toDate(), item->text(0), item->text(1), item->text(2), item->text(3),
            {}, {}, {}});
        if (const QVariant index = item->data(0, CommemorationRole); index.isValid()) {
            FeastRow &row = rows.last(); // a name day's names and commemoration, and all of it as its feast
            row.feast = names.rowText(index.toInt());
            row.names = item->text(3);
            row.commemoration = item->text(4);
        }
    }
    return selectedOnly && rows.isEmpty() ? feastRows(view, false) : rows;
}

namespace {

// A name-day row of the fifth view: its number, date and day, and from the
// table when they are asked for, its names and commemoration in columns of
// their own and the whole row in their tooltips. A search may show other names.
class NameDayItem : public QTreeWidgetItem
{
public:
    NameDayItem(const NameDay &day, int number)
        : QTreeWidgetItem(
            {QString::number(number), DateToStr(fromQDate(day.date)), dayNames[DayOfWeek(fromQDate(day.date))]})
        , day(day)
    {
        setFlags(flags() | Qt::ItemIsEditable);
    }

    QVariant data(int column, int role) const override
    {
        const NameDayTable &table = NameDayTable::builtIn();
        if (day.commemoration >= table.commemorations().size()) // a name of the person's own, since taken away
            return QTreeWidgetItem::data(column, role);
        if (column == 0 && (role == FeastDateRole || role == CommemorationRole))
            return role == FeastDateRole ? QVariant(day.date) : QVariant(day.commemoration);
        if (column >= 3 && role == Qt::ToolTipRole) // in lines, however many the names
            return QStringLiteral("<p>%1</p>").arg(table.rowText(day.commemoration).toHtmlEscaped());
        if (column == 4 && role == Qt::DisplayRole)
            return table.commemorations()[day.commemoration].title;
        const QVariant shown = QTreeWidgetItem::data(column, role); // the names a search set
        if (column == 3 && role == Qt::DisplayRole && !shown.isValid())
            return table.baseNames(day.commemoration);
        return shown;
    }

private:
    NameDay day;
};

// A label's text on one line, cut with "…" where it is too long for the label.
void showOnOneLine(QLabel *label, const QString &text)
{
    label->setProperty("fullText", text);
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    // The position the window is described with (uic applies only its size),
    // moved up and left where the window would not fit on its screen.
    move(186, 107);
    keepOnScreen(this);
    // The label grows to fit its caption in whatever font the desktop gives it.
    Label1->adjustSize();
    openCalendarOnKeys(easterDateTimePicker);
    // The calendar's weeks start on the day the system's regional settings say.
    easterDateTimePicker->calendarWidget()->setFirstDayOfWeek(QLocale::system().firstDayOfWeek());
    easterDateTimePicker->setDisplayFormat(locale().dateFormat(QLocale::LongFormat));
    // Every date in this range dates all movable feasts inside years 1 to 9999,
    // and every Easter from year 1 on lies in it. Set here because the picker's
    // minimumDate property refuses years before 100; setDateRange does not.
    easterDateTimePicker->setDateRange(QDate(1, 3, 12), QDate(9999, 12, 28));
    for (QTreeWidget *view : {constListView, varListView, allListView, generalListView, namesListView}) {
        view->setItemDelegate(new FirstColumnEditDelegate(view));
        for (int column = 1; column < view->columnCount(); ++column)
            view->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        const QString caption = PageControl->tabText(PageControl->indexOf(view->parentWidget()));
        addExportMenu(
            view,
            [this, view, caption](bool selectedOnly) {
                return FeastReport {namesCaption(view, caption), feastRows(view, selectedOnly)};
            },
            view == namesListView);
    }

    bindCommand(easterSpeedButton, &QToolButton::clicked, this, &TForm1::easterSpeedButtonClick);
    // The speed button takes no focus; Return in the year box does what it does.
    bindCommand(yearEdit, &QLineEdit::returnPressed, this, &TForm1::easterSpeedButtonClick);
    bindCommand(varDaysBitBtn, &QPushButton::clicked, this, &TForm1::varDaysBitBtnClick);
    bindCommand(constDaysBitBtn, &QPushButton::clicked, this, &TForm1::constDaysBitBtnClick);
    bindCommand(allDaysBitBtn, &QPushButton::clicked, this, &TForm1::allDaysBitBtnClick);
    bindCommand(generalBitBtn, &QPushButton::clicked, this, &TForm1::generalBitBtnClick);
    bindCommand(ascendingBitBtn, &QPushButton::clicked, this, &TForm1::ascendingBitBtnClick);
    bindCommand(descendingBitBtn, &QPushButton::clicked, this, &TForm1::descendingBitBtnClick);

    connect(nameSearchEdit, &QLineEdit::textChanged, this, &TForm1::nameSearchEditTextChanged);
    connect(companionButton, &QPushButton::clicked, this, &TForm1::companionRequested);
    // Ctrl+F anywhere goes to the search box; Escape in it clears it.
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        PageControl->setCurrentWidget(namesTabSheet);
        nameSearchEdit->setFocus(Qt::ShortcutFocusReason);
        nameSearchEdit->selectAll();
    });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), namesTabSheet);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        // In the editor of a row's number Escape cancels the edit, as it would elsewhere.
        if (QWidget *editor = QApplication::focusWidget(); editor && namesListView->viewport()->isAncestorOf(editor))
            emit namesListView->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        else
            nameSearchEdit->clear(), showTodayRow();
    });
    // A suggestion for a name not found is a link that searches for it.
    searchHintLabel->hide();
    connect(searchHintLabel, &QLabel::linkActivated, nameSearchEdit, &QLineEdit::setText);
    namesListView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    namesListView->header()->setSectionResizeMode(3, QHeaderView::Interactive);
    for (QObject *watched : std::initializer_list<QObject *> {todayLabel, tomorrowLabel, namesListView})
        watched->installEventFilter(this);

    fillKinitiList();
    fillStatheriList();
    // The name days of this year, from this year's Easter, from the start.
    try {
        fillNamesListView(toQDate(EasterDate(DayClock::instance().today().year())));
    } catch (const EConvertError &) { } // a year without an Easter: the view stays empty
    namesOfThisYear = true;
    connect(&DayClock::instance(), &DayClock::dayChanged, this, &TForm1::newDay);
    newDay();
}

void TForm1::fillKinitiList()
{
    statheriList = TList<Statheri>();
    kinitiList = TList<Kiniti>();
    varDaysList = TList<myDay>();
    generalDaysList = TList<myDay>();
    constDaysList = TList<myDay>();
    ::fillKinitiList(kinitiList);
}

void TForm1::fillStatheriList()
{
    ::fillStatheriList(statheriList);
}

// The fixed feasts in the typed year, in table order.
void TForm1::addFixedFeasts(TList<myDay> &list)
{
    ::addFixedFeasts(list, statheriList, yearEdit->text());
}

// The movable feasts dated from the given Easter date, in table order.
void TForm1::addMovableFeasts(TList<myDay> &list, TDateTime base)
{
    ::addMovableFeasts(list, kinitiList, base);
}

void TForm1::buildVarDaysList()
{
    const TDateTime base = pickerDate(easterDateTimePicker);
    varDaysList.Clear();
    addMovableFeasts(varDaysList, base);
}

void TForm1::buildConstDaysList()
{
    constDaysList.Clear();
    addFixedFeasts(constDaysList);
}

void TForm1::buildGeneralDaysList()
{
    const TDateTime base = pickerDate(easterDateTimePicker);
    fillKinitiList();
    fillStatheriList();
    generalDaysList.Clear();
    addFixedFeasts(generalDaysList);
    addMovableFeasts(generalDaysList, base);
}

void TForm1::fillListView(QTreeWidget *view, const TList<myDay> &list)
{
    view->clear();
    QList<QTreeWidgetItem *> rows;
    const QDate now = DayClock::instance().today();
    for (int i = 0; i < list.Count(); ++i) {
        const myDay *entry = list[i];
        const QDate date = toQDate(entry->date);
        rows.append(feastItem(i + 1, date, DateToStr(entry->date), dayNames[DayOfWeek(entry->date)], entry->name));
        if (date == now)
            markToday(rows.last(), view);
    }
    view->addTopLevelItems(rows);
}

// The name days of the Easter's year in date order, those counted from Easter
// dated from it. The search box's filter stays as it was.
void TForm1::fillNamesListView(QDate easter)
{
    const NameDayTable &table = NameDayTable::builtIn();
    namesListView->clear();
    QList<QTreeWidgetItem *> rows;
    const QList<NameDay> days = table.inYear(easter.year(), easter);
    const QDate now = DayClock::instance().today();
    for (const NameDay &day : days) {
        rows.append(new NameDayItem(day, int(rows.size()) + 1));
        if (day.date == now)
            markToday(rows.last(), namesListView);
    }
    namesListView->addTopLevelItems(rows);
    namesEaster = easter;
    namesOfThisYear = false;
    if (namesListView->isVisible()) // else when it is shown
        fitNamesColumn();
    if (!nameSearchEdit->text().trimmed().isEmpty()) // new rows are all shown
        nameSearchEditTextChanged(nameSearchEdit->text());
}

// The fifth view follows the Easter the movable feasts were just dated from.
void TForm1::followEaster()
{
    if (const QDate easter = toQDate(pickerDate(easterDateTimePicker)); easter != namesEaster)
        fillNamesListView(easter);
}

// The names column as wide as the names of all but the longest few rows, and
// never so wide that the commemoration cannot be seen to begin.
void TForm1::fitNamesColumn()
{
    const QFontMetrics metrics(namesListView->font());
    QList<int> widths;
    for (int i = 0; i < namesListView->topLevelItemCount(); ++i)
        widths << metrics.horizontalAdvance(namesListView->topLevelItem(i)->text(3));
    if (widths.isEmpty())
        return;
    std::sort(widths.begin(), widths.end());
    const int margin
        = 2 * namesListView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, namesListView) + 8;
    QHeaderView *header = namesListView->header();
    const int room = namesListView->viewport()->width() - header->sectionPosition(3)
        - 12 * metrics.averageCharWidth(); // the commemoration's first words
    header->resizeSection(3, std::min(widths[widths.size() * 97 / 100] + margin, std::max(room, 120)));
}

// Shows the rows of the names that begin with the typed text, all when it is
// empty, the name found first in its row.
void TForm1::nameSearchEditTextChanged(const QString &text)
{
    const NameDayTable &table = NameDayTable::builtIn();
    const NameSearch search = searchNames(table, text);
    QList<int> wanted;
    for (const FoundName &name : search.found)
        wanted << name.name;
    const bool all = text.trimmed().isEmpty();
    for (int i = 0; i < namesListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = namesListView->topLevelItem(i);
        const int commemoration = row->data(0, CommemorationRole).toInt();
        const bool match = !all && table.celebrates(commemoration, wanted);
        if (row->isHidden() != (!all && !match)) // each change costs the view a layout
            row->setHidden(!all && !match);
        // The names found first; the others as they were.
        if (match || row->data(3, Qt::UserRole).toBool()) {
            const QString names = table.baseNames(commemoration, match ? search.found : QList<FoundName>());
            row->setText(3, names); // the same text costs nothing
            row->setData(3, Qt::UserRole, match);
        }
    }
    searchHintLabel->setText(search.hint);
    searchHintLabel->setVisible(!search.hint.isEmpty());
}

// A new day, or the first: who celebrates today and tomorrow, today's rows in
// bold in every view instead of yesterday's, and at a new year the fifth view's
// new year if it still shows the year it started with.
void TForm1::newDay()
{
    const QDate now = DayClock::instance().today();
    if (now != todayShown) {
        const QDate before = std::exchange(todayShown, now);
        showWhoCelebrates(todayLabel, now, QStringLiteral("Σήμερα"));
        showWhoCelebrates(tomorrowLabel, now.addDays(1), QStringLiteral("Αύριο"));
        for (QTreeWidget *view : {constListView, varListView, allListView, generalListView, namesListView})
            for (int i = 0; i < view->topLevelItemCount(); ++i)
                if (const QDate date = view->topLevelItem(i)->data(0, FeastDateRole).toDate();
                    date == before || date == now)
                    markToday(view->topLevelItem(i), view, date == now);
        if (namesOfThisYear && namesEaster.isValid() && before.isValid() && before.year() != now.year()) {
            try {
                fillNamesListView(toQDate(EasterDate(now.year())));
            } catch (const EConvertError &) { }
            namesOfThisYear = true;
            showTodayRow();
        }
    }
}

// "Σήμερα γιορτάζουν: Μαρία, Μαίρη, Παναγιώτης, Πάνος, …" on one line, each name
// with its everyday form; the commemorations with all their names in the tooltip.
void TForm1::showWhoCelebrates(QLabel *label, QDate day, const QString &when)
{
    const NameDayTable &table = NameDayTable::builtIn();
    QStringList rows;
    for (const NameDay &named : table.on(day)) // in lines
        rows << QStringLiteral("<p>%1</p>").arg(table.rowText(named.commemoration).toHtmlEscaped());
    // the day's fast, and its holiday, after the names
    const QStringList notes = dayNotes(day, setting::holidaysCountry.value());
    showOnOneLine(label, (QStringList(whoCelebrates(table, {}, day, when)) + notes).join(QStringLiteral(" — ")));
    for (const QString &note : notes)
        rows.prepend(QStringLiteral("<p><b>%1</b></p>").arg(note.toHtmlEscaped()));
    label->setToolTip(rows.join(QString()));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *label = qobject_cast<QLabel *>(watched); label && event->type() == QEvent::Resize) {
        showOnOneLine(label, label->property("fullText").toString());
    } else if (event->type() == QEvent::Show && watched == namesListView) {
        fitNamesColumn(); // the view has its size now
        // Today's row, or the next day's when nobody celebrates today, at the
        // top, once the view has laid out its rows.
        if (std::exchange(scrollToToday, false))
            showTodayRow();
    }
    return QWidget::eventFilter(watched, event);
}

// Today's row, or the next day's when nobody celebrates today, at the top of
// the fifth view, once the view has laid out its rows.
void TForm1::showTodayRow()
{
    QTimer::singleShot(0, namesListView, [this] {
        const QList<QTreeWidgetItem *> rows = namesListView->findItems(QStringLiteral("*"), Qt::MatchWildcard);
        const auto next
            = std::find_if(rows.begin(), rows.end(), [today = DayClock::instance().today()](QTreeWidgetItem *row) {
                  return row->data(0, FeastDateRole).toDate() >= today;
              });
        if (next != rows.end())
            namesListView->scrollToItem(*next, QAbstractItemView::PositionAtTop);
    });
}

// Today's row in bold, in the view's own font; or no longer.
void TForm1::markToday(QTreeWidgetItem *row, const QTreeWidget *view, bool bold)
{
    QFont font = view->font();
    font.setBold(bold);
    for (int column = 0; column < view->columnCount(); ++column)
        row->setFont(column, font);
}

void TForm1::easterSpeedButtonClick(QObject *)
{
    const int year = StrToInt(yearEdit->text());
    setPickerDate(easterDateTimePicker, EasterDate(year));
    varDaysBitBtnClick(varDaysBitBtn);
    constDaysBitBtnClick(constDaysBitBtn);
    generalBitBtnClick(generalBitBtn);
    allDaysBitBtnClick(allDaysBitBtn);
}

void TForm1::varDaysBitBtnClick(QObject *)
{
    buildVarDaysList();
    fillListView(varListView, varDaysList);
    followEaster();
}

void TForm1::constDaysBitBtnClick(QObject *)
{
    buildConstDaysList();
    fillListView(constListView, constDaysList);
}

// The movable rows, then the fixed rows, copied from their views and numbered anew.
void TForm1::allDaysBitBtnClick(QObject *)
{
    constDaysBitBtnClick(constDaysBitBtn);
    varDaysBitBtnClick(varDaysBitBtn);
    allListView->clear();
    QList<QTreeWidgetItem *> rows;
    const QDate now = DayClock::instance().today();
    for (QTreeWidget *source : {varListView, constListView}) {
        for (int i = 0; i < source->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *row = source->topLevelItem(i);
            const QDate date = row->data(0, FeastDateRole).toDate();
            rows.append(feastItem(int(rows.size()) + 1, date, row->text(1), row->text(2), row->text(3)));
            if (date == now)
                markToday(rows.last(), allListView);
        }
    }
    allListView->addTopLevelItems(rows);
}

void TForm1::generalBitBtnClick(QObject *)
{
    buildGeneralDaysList();
    fillListView(generalListView, generalDaysList);
    followEaster();
}

void TForm1::ascendingBitBtnClick(QObject *)
{
    buildGeneralDaysList();
    generalDaysList.Sort(compareAscending);
    fillListView(generalListView, generalDaysList);
    followEaster();
}

void TForm1::descendingBitBtnClick(QObject *)
{
    buildGeneralDaysList();
    generalDaysList.Sort(compareDescending);
    fillListView(generalListView, generalDaysList);
    followEaster();
}

// A view's caption; the fifth view's, while searched, names the names found:
// "Ονομαστικές: Γεώργιος".
QString TForm1::namesCaption(const QTreeWidget *view, const QString &caption) const
{
    if (view != namesListView || nameSearchEdit->text().trimmed().isEmpty())
        return caption;
    const NameDayTable &table = NameDayTable::builtIn();
    QStringList names;
    for (const int name : table.find(nameSearchEdit->text(), true))
        names << table.names()[name].forms.first();
    return names.isEmpty() || names.size() > 3 ? caption
                                               : caption + QStringLiteral(": ") + names.join(QStringLiteral(", "));
}
