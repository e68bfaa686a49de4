#include "Companion.h"

#include "Application.h"
#include "ExportMenu.h"
#include "FeastExport.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStandardPaths>

namespace {

constexpr int week = 7, month = 30; // days ahead
constexpr int calendarYears = 5; // this year and the next four

QTreeWidgetItem *dayRow(const NameDayTable &table, const NameDay &day)
{
    const QString date = DateToStr(fromQDate(day.date));
    auto *row = new QTreeWidgetItem({date, dayNames[DayOfWeek(fromQDate(day.date))],
        table.everydayNames(day.commemoration).join(QStringLiteral(", ")),
        table.commemorations()[day.commemoration].title});
    row->setToolTip(2, table.rowText(day.commemoration));
    row->setToolTip(3, table.rowText(day.commemoration));
    return row;
}

QTreeWidgetItem *heading(QTreeWidget *view, const QString &text)
{
    auto *row = new QTreeWidgetItem(view, {text});
    row->setFirstColumnSpanned(true);
    row->setFlags(Qt::ItemIsEnabled);
    QFont bold = view->font();
    bold.setBold(true);
    row->setFont(0, bold);
    return row;
}

} // namespace

Companion::Companion(ContactBook *book, QWidget *parent)
    : QWidget(parent)
    , book(book)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    restoreGeometry(settings().value(QStringLiteral("companion/geometry")).toByteArray());
    reminderCheck->setChecked(settings().value(QStringLiteral("reminder/on"), true).toBool());
    alarmCheck->setChecked(settings().value(QStringLiteral("reminder/alarm"), false).toBool());
    autostartCheck->setChecked(startsWithSession());
    connect(book, &ContactBook::changed, this, &Companion::refresh);
    connect(searchEdit, &QLineEdit::textChanged, this, &Companion::showDays);
    connect(contactsView, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem *row) { greetingButton->setEnabled(row && !row->text(3).isEmpty()); });
    connect(contactsView, &QTreeWidget::itemActivated, this, &Companion::copyGreeting);
    connect(greetingButton, &QPushButton::clicked, this, &Companion::copyGreeting);
    connect(contactsButton, &QPushButton::clicked, this, &Companion::chooseContacts);
    connect(exportButton, &QPushButton::clicked, this, &Companion::exportCalendar);
    connect(reminderCheck, &QCheckBox::toggled, this,
        [](bool on) { settings().setValue(QStringLiteral("reminder/on"), on); });
    connect(alarmCheck, &QCheckBox::toggled, this,
        [](bool on) { settings().setValue(QStringLiteral("reminder/alarm"), on); });
    connect(autostartCheck, &QCheckBox::clicked, this, [this](bool on) {
        runCommand([on] { setStartsWithSession(on); });
        autostartCheck->setChecked(startsWithSession());
    });
    // Once a minute it looks for a new day: a timer does not count the time
    // the computer sleeps, so a wake after midnight is caught within a minute.
    connect(dayTimer, &QTimer::timeout, this, [this] {
        if (today() != shown)
            refresh();
    });
    dayTimer->start(60 * 1000);
    refresh();
}

Companion::~Companion()
{
    settings().setValue(QStringLiteral("companion/geometry"), saveGeometry()); // also when quit from the tray
}

void Companion::closeEvent(QCloseEvent *event)
{
    settings().setValue(QStringLiteral("companion/geometry"), saveGeometry());
    QWidget::closeEvent(event);
}

void Companion::refresh()
{
    const NameDayTable &table = NameDayTable::builtIn();
    const QList<MatchedContact> &contacts = book->contacts();
    shown = today();
    todayLabel->setText(whoCelebrates(table, contacts, shown,
        QStringLiteral("Σήμερα, %1 %2,").arg(dayNames[DayOfWeek(fromQDate(shown))], DateToStr(fromQDate(shown)))));
    tomorrowLabel->setText(whoCelebrates(table, contacts, shown.addDays(1), QStringLiteral("Αύριο")));
    showDays(searchEdit->text());

    contactsView->clear();
    QList<ContactDay> ahead;
    try {
        ahead = contactDays(table, contacts, shown, shown.addDays(month));
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    for (const ContactDay &found : std::as_const(ahead)) {
        const Contact &person = found.contact->contact;
        auto *item = new QTreeWidgetItem(contactsView, {DateToStr(fromQDate(found.day.date)), person.fullName,
            found.bases.join(QStringLiteral(", ")), greeting(person)});
        item->setToolTip(2, table.rowText(found.day.commemoration));
        if (found.day.date == shown)
            for (int column = 0; column < 4; ++column)
                item->setFont(column, QFont(font().family(), -1, QFont::Bold));
    }
    if (ahead.isEmpty() && !contacts.isEmpty())
        heading(contactsView, QStringLiteral("Καμία από τις επαφές σας δεν γιορτάζει τις επόμενες %1 ημέρες.").arg(month));
    QList<const MatchedContact *> unknown;
    for (const MatchedContact &contact : contacts)
        if (contact.names.isEmpty())
            unknown << &contact;
    if (!unknown.isEmpty()) {
        QTreeWidgetItem *group = heading(contactsView,
            QStringLiteral("Ονόματα που δεν είναι στο εορτολόγιο (%1)").arg(unknown.size()));
        for (const MatchedContact *contact : std::as_const(unknown))
            contactsView->addTopLevelItem(new QTreeWidgetItem({QString(), contact->contact.fullName,
                contact->contact.given.isEmpty() ? QStringLiteral("χωρίς όνομα") : contact->contact.given}));
        group->setToolTip(0, QStringLiteral("Χωρίς ονομαστική εορτή στον πίνακα: δεν ταιριάζουν με άλλο όνομα."));
    }
    for (int column = 0; column < 3; ++column)
        contactsView->resizeColumnToContents(column);
    exportButton->setEnabled(!contacts.isEmpty());
    fileLabel->setText(!book->error().isEmpty() ? book->error()
            : book->fileName().isEmpty()
            ? QStringLiteral("Δεν έχει επιλεγεί αρχείο επαφών. Με «Επαφές…» διαλέγετε ένα αρχείο vCard (.vcf) "
                             "που εξάγει το κινητό ή το πρόγραμμα αλληλογραφίας· το αρχείο δεν αλλάζει ποτέ.")
            : QStringLiteral("Επαφές από το %1: %2, οι %3 με ονομαστική εορτή.")
                  .arg(quoted(book->fileName()))
                  .arg(contacts.size())
                  .arg(contacts.size() - unknown.size()));
}

// The next 7 and 30 days, or the days of the names searched for in the twelve
// months from today.
void Companion::showDays(const QString &search)
{
    const NameDayTable &table = NameDayTable::builtIn();
    daysView->clear();
    try {
        if (search.trimmed().isEmpty()) {
            heading(daysView, QStringLiteral("Τις επόμενες %1 ημέρες").arg(week));
            bool later = false;
            for (const NameDay &day : table.between(shown.addDays(1), shown.addDays(month))) {
                if (!later && day.date > shown.addDays(week)) {
                    heading(daysView, QStringLiteral("Έως τις %1 ημέρες").arg(month));
                    later = true;
                }
                daysView->addTopLevelItem(dayRow(table, day));
            }
        } else if (const QList<int> names = table.find(search, true); names.isEmpty()) {
            heading(daysView, QStringLiteral("Κανένα όνομα του εορτολογίου δεν αρχίζει από %1.").arg(quoted(search)));
        } else {
            heading(daysView, QStringLiteral("Στους δώδεκα μήνες από σήμερα"));
            for (const NameDay &day : table.between(shown, shown.addYears(1).addDays(-1), names))
                daysView->addTopLevelItem(dayRow(table, day));
        }
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    for (int column = 0; column < 3; ++column)
        daysView->resizeColumnToContents(column);
    daysView->setColumnWidth(2, std::min(daysView->columnWidth(2), fontMetrics().averageCharWidth() * 40));
}

void Companion::copyGreeting()
{
    if (const QTreeWidgetItem *row = contactsView->currentItem(); row && !row->text(3).isEmpty())
        QGuiApplication::clipboard()->setText(row->text(3));
}

void Companion::chooseContacts()
{
    const QString start = book->fileName().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)
        : book->fileName();
    QFileDialog dialog(this, QStringLiteral("Αρχείο επαφών"), start,
        QStringLiteral("Επαφές vCard (*.vcf *.vcard);;Όλα τα αρχεία (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted)
        runCommand([&] { book->open(dialog.selectedFiles().constFirst()); });
}

void Companion::exportCalendar()
{
    const int year = shown.year();
    const FeastReport report {QStringLiteral("Επαφές"),
        contactNameDays(NameDayTable::builtIn(), book->contacts(), QDate(year, 1, 1),
            QDate(year + calendarYears - 1, 12, 31))};
    saveAs(this, QStringLiteral("Εξαγωγή σε iCalendar"), report, QStringLiteral("ics"), QStringLiteral("iCalendar (*.ics)"),
        [&] { return toICalendar(report.caption, report.rows, alarmCheck->isChecked()); });
}
