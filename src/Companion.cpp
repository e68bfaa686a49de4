#include "Companion.h"

#include "Application.h"
#include "DayClock.h"
#include "ExportMenu.h"
#include "FeastExport.h"
#include "MonthView.h"
#include "WallCalendar.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

#include <limits>

namespace {

constexpr int week = 7, month = 30; // days ahead
constexpr int calendarYears = 5; // this year and the next four

// A day's row: its names with their everyday forms, or when searched, the
// names found first, as the feast window's search shows them.
QTreeWidgetItem *dayRow(const NameDayTable &table, const NameDay &day, const QList<FoundName> &found = {})
{
    const QString date = DateToStr(fromQDate(day.date));
    auto *row = new QTreeWidgetItem({date, dayNames[DayOfWeek(fromQDate(day.date))],
        found.isEmpty() ? table.everydayNames(day.commemoration).join(QStringLiteral(", "))
                        : table.baseNames(day.commemoration, found),
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

// The contact a row of the contacts' views is about, as its index among the
// book's contacts; the key of a choice whose contact has left the file; what
// a column of all the contacts sorts by, where its text would not do.
constexpr int ContactRole = Qt::UserRole, UnusedChoiceRole = Qt::UserRole + 1, SortRole = Qt::UserRole + 2;

// A row of all the contacts: dates sort as dates, birthdays by their day of
// the year, and a cell without one after all that have it.
class SortedRow : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget()->sortColumn();
        const QVariant mine = data(column, SortRole), theirs = other.data(column, SortRole);
        if (!mine.isValid() && !theirs.isValid())
            return QString::localeAwareCompare(text(column), other.text(column)) < 0;
        return mine.toLongLong() < theirs.toLongLong();
    }
};
constexpr qint64 none = std::numeric_limits<qint64>::max(); // sorts last

// Asks for a day of the year, and with a name for a name and its gender; false when cancelled.
bool askDay(QWidget *parent, const QString &title, QDate *day, QString *name = nullptr, Gender *gender = nullptr)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *nameEdit = new QLineEdit(&dialog);
    auto *genderCombo = new QComboBox(&dialog);
    genderCombo->addItems({QStringLiteral("ο (όνομα άνδρα)"), QStringLiteral("η (όνομα γυναίκας)")});
    if (name) {
        form->addRow(QStringLiteral("Ό&νομα:"), nameEdit);
        form->addRow(QStringLiteral("&Γένος:"), genderCombo);
    }
    auto *dayEdit = new QDateEdit(*day, &dialog);
    dayEdit->setDisplayFormat(QStringLiteral("d MMMM"));
    dayEdit->setDateRange(QDate(2000, 1, 1), QDate(2000, 12, 31)); // a leap year: 29 February too
    form->addRow(QStringLiteral("Η&μέρα:"), dayEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *day = dayEdit->date();
    if (name) {
        *name = nameEdit->text().simplified();
        *gender = genderCombo->currentIndex() == 0 ? Gender::Man : Gender::Woman;
    }
    return true;
}

// Opens the person's mail program with the greeting to the contact's first
// address; the program sends nothing itself.
QString sendGreeting(const Contact &contact, const QString &wished)
{
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("subject"), QStringLiteral("Χρόνια πολλά!"));
    fields.addQueryItem(QStringLiteral("body"), wished);
    QUrl mail(QStringLiteral("mailto:") + contact.emails.first());
    mail.setQuery(fields);
    if (!QDesktopServices::openUrl(mail))
        throw Exception(
            QStringLiteral("Δεν ανοίγει πρόγραμμα αλληλογραφίας για το %1.").arg(quoted(contact.emails.first())));
    return QStringLiteral("Η ευχή άνοιξε στο πρόγραμμα αλληλογραφίας, προς το %1.").arg(contact.emails.first());
}

// «7 Μαρτίου»
QString dayAndMonth(QDate day)
{
    return QLocale(QLocale::Greek, QLocale::Greece).toString(day, QStringLiteral("d MMMM"));
}

// What a contact's day is called: its commemoration, or dayOf's words.
QString dayTitle(const NameDayTable &table, const ContactDay &found)
{
    return found.day.commemoration >= 0 ? table.commemorations()[found.day.commemoration].title : dayOf(found);
}

// A contact as the lists name it: a card without a name, with its line.
QString listedName(const Contact &c)
{
    return c.fullName.isEmpty() ? QStringLiteral("%1, γραμμή %2").arg(shownName(c)).arg(c.line) : c.fullName;
}

// What the table makes of a contact that has no day: the names a shared
// nickname leaves open, the name it does not know, or that they are left out.
QString withoutDay(const NameDayTable &table, const MatchedContact &c)
{
    QStringList bases;
    for (const int name : c.choices)
        bases << table.names()[name].forms.first();
    return c.choice.hidden          ? QStringLiteral("εκτός λίστας")
        : !bases.isEmpty()          ? QStringLiteral("ποιο όνομα; %1").arg(bases.join(QStringLiteral(" ή ")))
        : c.contact.given.isEmpty() ? QStringLiteral("χωρίς όνομα")
                                    : c.contact.given;
}

// A row of the contacts' view for a contact that has no day in it.
QTreeWidgetItem *contactRow(QTreeWidget *view, const MatchedContact &person, int index, const QString &name)
{
    const Contact &c = person.contact;
    auto *row = new QTreeWidgetItem(view, {QString(), listedName(c), name});
    row->setData(1, ContactRole, index);
    return row;
}

} // namespace

Companion::Companion(ContactBook *book, QWidget *parent)
    : QWidget(parent)
    , book(book)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    restoreGeometry(setting::companionGeometry.value());
    reminderCheck->setChecked(setting::reminderOn.value());
    everyoneCheck->setChecked(setting::reminderEveryone.value());
    connect(everyoneCheck, &QCheckBox::toggled, this, [](bool on) { setting::reminderEveryone.set(on); });
    alarmCheck->setChecked(setting::reminderAlarm.value());
    autostartCheck->setChecked(startsWithSession());
    connect(book, &ContactBook::changed, this, &Companion::refresh);
    connect(searchEdit, &QLineEdit::textChanged, this, &Companion::showDays);
    // a suggestion for a name not found is a link that searches for it
    connect(searchHintLabel, &QLabel::linkActivated, searchEdit, &QLineEdit::setText);
    // The greeting of the current row of the list shown, and its menu.
    const auto greetable = [this] {
        const QTreeWidgetItem *row = contactList()->currentItem();
        greetingButton->setEnabled(row && !row->text(3).isEmpty());
    };
    for (QTreeWidget *view : {contactsView, allContactsView}) {
        connect(view, &QTreeWidget::currentItemChanged, this, [this, view, greetable] {
            greetable();
            contactActions(view);
        });
        connect(view, &QTreeWidget::itemActivated, this, &Companion::copyGreeting);
    }
    connect(contactTabs, &QTabWidget::currentChanged, this, greetable);
    allContactsView->sortByColumn(1, Qt::AscendingOrder);
    connect(greetingButton, &QPushButton::clicked, this, &Companion::copyGreeting);
    connect(contactsButton, &QPushButton::clicked, this, &Companion::chooseContacts);
    connect(exportButton, &QPushButton::clicked, this, &Companion::exportCalendar);
    connect(ownNameButton, &QPushButton::clicked, this, &Companion::addOwnName);
    birthdayCheck->setChecked(showBirthdays());
    connect(birthdayCheck, &QCheckBox::toggled, this, [this](bool on) {
        setShowBirthdays(on);
        refresh();
    });
    connect(reminderCheck, &QCheckBox::toggled, this, [](bool on) { setting::reminderOn.set(on); });
    connect(alarmCheck, &QCheckBox::toggled, this, [](bool on) { setting::reminderAlarm.set(on); });
    connect(autostartCheck, &QCheckBox::clicked, this, [this](bool on) {
        act([on] {
            setStartsWithSession(on);
            return on ? QStringLiteral("Το Εορτολόγιο θα ξεκινά μαζί με τον υπολογιστή, στην περιοχή ειδοποιήσεων.")
                      : QStringLiteral("Το Εορτολόγιο δεν θα ξεκινά πια μαζί με τον υπολογιστή.");
        });
        autostartCheck->setChecked(startsWithSession());
    });
    connect(&DayClock::instance(), &DayClock::dayChanged, this, &Companion::refresh);
    connect(monthButton, &QPushButton::clicked, this, &Companion::showMonth);
    connect(wallButton, &QPushButton::clicked, this, &Companion::printWallCalendar);
    countryBox->setCurrentIndex(setting::holidaysCountry.value() == u"CY" ? 1 : 0);
    connect(countryBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        setting::holidaysCountry.set(index ? QStringLiteral("CY") : QStringLiteral("GR"));
        if (monthView)
            monthView->refresh();
    });
    refresh();
}

void Companion::showMonth()
{
    if (!monthView)
        monthView = new MonthView(book, this);
    monthView->showNormal();
    monthView->raise();
    monthView->activateWindow();
}

// The year of the month shown, or this year: printed, or saved as a PDF from
// the print dialog.
void Companion::printWallCalendar()
{
    const int year = monthView ? monthView->selected().year() : DayClock::instance().today().year();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Ημερολόγιο τοίχου %1").arg(year));
    // Without a printer, to a PDF named as the exports name theirs, where they go.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(suggestedPath(QStringLiteral("imerologio-toichou-%1.pdf").arg(year)));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση ημερολογίου τοίχου %1").arg(year));
    if (dialog.exec() == QDialog::Accepted)
        act([&] {
            paintWallCalendar(&printer, year, setting::holidaysCountry.value(), false);
            return printer.outputFileName().isEmpty()
                ? QStringLiteral("Το ημερολόγιο τοίχου του %1 στάλθηκε στον εκτυπωτή.").arg(year)
                : QStringLiteral("Το ημερολόγιο τοίχου του %1 γράφτηκε στο %2.")
                      .arg(year)
                      .arg(quoted(QDir::toNativeSeparators(printer.outputFileName())));
        });
}

void Companion::act(const std::function<QString()> &action)
{
    statusLabel->clear();
    QString said;
    runCommand([&] {
        try {
            said = action();
        } catch (const Exception &e) {
            said = e.Message;
            throw;
        }
    });
    statusLabel->setText(said);
}

// The list of contacts shown: the next 30 days' or all of them.
QTreeWidget *Companion::contactList() const
{
    return contactTabs->currentWidget() == allPage ? allContactsView : contactsView;
}

Companion::~Companion()
{
    setting::companionGeometry.set(saveGeometry()); // also when quit from the tray
}

void Companion::closeEvent(QCloseEvent *event)
{
    setting::companionGeometry.set(saveGeometry());
    QWidget::closeEvent(event);
}

void Companion::refresh()
{
    const NameDayTable &table = NameDayTable::builtIn();
    const QList<MatchedContact> &contacts = book->contacts();
    shown = DayClock::instance().today();
    const bool birthdays = showBirthdays();
    // Each contact's days in the twelve months from today: their next one,
    // and where the search finds them.
    yearAhead.clear();
    try {
        yearAhead = contactDays(table, contacts, shown, shown.addYears(1).addDays(-1), birthdays);
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    todayLabel->setText(whoCelebrates(table, contacts, shown,
        // in Greek, whatever the system's regional settings: 8/12 is not 12/8
        QStringLiteral("Σήμερα, %1,")
            .arg(QLocale(QLocale::Greek, QLocale::Greece).toString(shown, QStringLiteral("dddd d MMMM yyyy"))),
        birthdays));
    tomorrowLabel->setText(whoCelebrates(table, contacts, shown.addDays(1), QStringLiteral("Αύριο"), birthdays));
    showDays(searchEdit->text());

    contactsView->clear();
    for (const ContactDay &found : std::as_const(yearAhead)) {
        if (found.day.date > shown.addDays(month))
            break;
        auto *item = new QTreeWidgetItem(contactsView,
            {DateToStr(fromQDate(found.day.date)), listedName(found.contact->contact), dayOf(found),
                greeting(table, found)});
        item->setData(1, ContactRole, int(found.contact - contacts.data()));
        if (found.day.commemoration >= 0)
            item->setToolTip(2, table.rowText(found.day.commemoration));
        if (found.day.date == shown)
            for (int column = 0; column < 4; ++column)
                item->setFont(column, QFont(font().family(), -1, QFont::Bold));
    }
    if (!contactsView->topLevelItemCount() && !contacts.isEmpty())
        heading(
            contactsView, QStringLiteral("Καμία από τις επαφές σας δεν γιορτάζει τις επόμενες %1 ημέρες.").arg(month));
    // Those the table cannot place, those a shared nickname leaves open,
    // those left out, and the choices whose contacts have gone.
    QList<int> unknown, which, hidden;
    for (int i = 0; i < contacts.size(); ++i) {
        const MatchedContact &c = contacts[i];
        if (c.choice.hidden)
            hidden << i;
        else if (c.names.isEmpty() && !c.choice.month)
            (c.choices.isEmpty() ? unknown : which) << i;
    }
    if (!which.isEmpty()) {
        heading(contactsView, QStringLiteral("Ποιο όνομα; (%1)").arg(which.size()))
            ->setToolTip(0, QStringLiteral("Το υποκοριστικό ταιριάζει σε πολλά ονόματα: με δεξί κλικ διαλέγετε ποιο."));
        for (const int i : std::as_const(which))
            contactRow(contactsView, contacts[i], i, withoutDay(table, contacts[i]));
    }
    if (!unknown.isEmpty()) {
        heading(contactsView, QStringLiteral("Ονόματα που δεν είναι στο εορτολόγιο (%1)").arg(unknown.size()))
            ->setToolTip(
                0, QStringLiteral("Χωρίς ονομαστική εορτή στον πίνακα: με δεξί κλικ τους δίνετε όνομα ή ημέρα."));
        for (const int i : std::as_const(unknown))
            contactRow(contactsView, contacts[i], i, withoutDay(table, contacts[i]));
    }
    if (!hidden.isEmpty()) {
        heading(contactsView, QStringLiteral("Εκτός λίστας (%1)").arg(hidden.size()));
        for (const int i : std::as_const(hidden))
            contactRow(contactsView, contacts[i], i, contacts[i].contact.given);
    }
    if (const QStringList unused = book->unused(); !unused.isEmpty()) {
        heading(
            contactsView, QStringLiteral("Επιλογές για επαφές που δεν είναι πια στο αρχείο (%1)").arg(unused.size()))
            ->setToolTip(
                0, QStringLiteral("Φυλάγονται, αλλά δεν χρησιμοποιούνται, ώσπου η επαφή να ξαναβρεθεί στο αρχείο."));
        for (const QString &key : unused)
            (new QTreeWidgetItem(contactsView, {QString(), key, QStringLiteral("δεν χρησιμοποιείται")}))
                ->setData(1, UnusedChoiceRole, key);
    }
    for (int column = 0; column < 3; ++column)
        contactsView->resizeColumnToContents(column);
    fillAllContacts();
    exportButton->setEnabled(!contacts.isEmpty());
    fileLabel->setText(!book->error().isEmpty() ? book->error()
            : book->fileName().isEmpty()
            ? QStringLiteral("Δεν έχει επιλεγεί αρχείο επαφών. Με «Επαφές…» διαλέγετε ένα αρχείο vCard (.vcf) "
                             "που εξάγει το κινητό ή το πρόγραμμα αλληλογραφίας· το αρχείο δεν αλλάζει ποτέ.")
            : QStringLiteral("Επαφές από το %1: %2, οι %3 με ονομαστική εορτή.")
                    .arg(quoted(QDir::toNativeSeparators(book->fileName())))
                    .arg(contacts.size())
                    .arg(contacts.size() - unknown.size() - which.size())
                + (book->codePage().isEmpty() ? QString() : u' ' + codePageNote(book->codePage())));
}

// Every contact, with their next name day and what the table makes of them,
// the greeting, their birthday and the days of their names in the twelve
// months from today; sorted as the person last asked.
void Companion::fillAllContacts()
{
    const NameDayTable &table = NameDayTable::builtIn();
    const QList<MatchedContact> &contacts = book->contacts();
    allContactsView->setSortingEnabled(false);
    allContactsView->clear();
    for (int i = 0; i < contacts.size(); ++i) {
        const MatchedContact &person = contacts[i];
        const Contact &c = person.contact;
        const ContactDay *next = nullptr;
        QStringList days, titles;
        for (const ContactDay &found : std::as_const(yearAhead))
            if (found.contact == &person && !found.birthday) {
                next = next ? next : &found;
                days << QLocale().toString(found.day.date, QStringLiteral("d/M"));
                titles << days.last() + u' ' + dayTitle(table, found);
            }
        const QString birthday = !c.birthday.isValid() ? QString()
            : c.birthYear                              ? DateToStr(fromQDate(c.birthday))
                                                       : QLocale().toString(c.birthday, QStringLiteral("d/M"));
        auto *row = new SortedRow(allContactsView,
            {next ? DateToStr(fromQDate(next->day.date)) : QString(), listedName(c),
                next ? dayOf(*next) : withoutDay(table, person), next ? greeting(table, *next) : QString(), birthday,
                days.join(QStringLiteral(", "))});
        row->setData(1, ContactRole, i);
        row->setData(0, SortRole, next ? next->day.date.toJulianDay() : none);
        row->setData(4, SortRole, c.birthday.isValid() ? c.birthday.month() * 100 + c.birthday.day() : none);
        row->setData(5, SortRole, next ? next->day.date.toJulianDay() : none);
        row->setToolTip(5, titles.join(u'\n'));
    }
    allContactsView->setSortingEnabled(true);
    for (int column = 0; column < 5; ++column)
        allContactsView->resizeColumnToContents(column);
}

// The next 7 and 30 days, or what the search finds: the person's contacts
// whose names hold the text, and the days of the table's names that begin
// with it in the twelve months from today.
void Companion::showDays(const QString &search)
{
    const NameDayTable &table = NameDayTable::builtIn();
    daysView->clear();
    const NameSearch names = searchNames(table, search);
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
        } else {
            showContacts(search);
            QList<int> found;
            for (const FoundName &name : names.found)
                found << name.name;
            if (!found.isEmpty()) {
                heading(daysView, QStringLiteral("Στους δώδεκα μήνες από σήμερα"));
                for (const NameDay &day : table.between(shown, shown.addYears(1).addDays(-1), found))
                    daysView->addTopLevelItem(dayRow(table, day, names.found));
            }
        }
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    // that no name begins with the text, unless a contact's name holds it
    searchHintLabel->setText(daysView->topLevelItemCount() ? QString() : names.hint);
    searchHintLabel->setVisible(!searchHintLabel->text().isEmpty());
    for (int column = 0; column < 3; ++column)
        daysView->resizeColumnToContents(column);
    daysView->setColumnWidth(2, std::min(daysView->columnWidth(2), fontMetrics().averageCharWidth() * 40));
}

// The contacts whose name or nickname holds the text, whatever its case and
// accents, with their next day.
void Companion::showContacts(const QString &search)
{
    const NameDayTable &table = NameDayTable::builtIn();
    const QString wanted = foldGreek(search.simplified());
    QList<QTreeWidgetItem *> rows;
    for (const MatchedContact &person : book->contacts()) {
        const Contact &c = person.contact;
        const QString names = QStringList {listedName(c), c.nicknames.join(u' ')}.join(u' ');
        // also typed in Latin letters, as Greeks write Greek names in them
        if (!foldGreek(names).contains(wanted) && !toLatinLetters(names).contains(wanted))
            continue;
        const auto next = std::find_if(yearAhead.begin(), yearAhead.end(),
            [&](const ContactDay &found) { return found.contact == &person && !found.birthday; });
        auto *row = new QTreeWidgetItem({QString(), QString(), listedName(c), withoutDay(table, person)});
        if (next != yearAhead.end()) {
            row->setText(0, DateToStr(fromQDate(next->day.date)));
            row->setText(1, dayNames[DayOfWeek(fromQDate(next->day.date))]);
            row->setText(3, dayTitle(table, *next));
        }
        rows << row;
    }
    if (rows.isEmpty())
        return;
    heading(daysView, QStringLiteral("Οι επαφές σας (%1)").arg(rows.size()));
    daysView->addTopLevelItems(rows);
}

void Companion::copyGreeting()
{
    act([this] {
        const QTreeWidgetItem *row = contactList()->currentItem();
        if (!row || row->text(3).isEmpty())
            return QString();
        QGuiApplication::clipboard()->setText(row->text(3));
        return QStringLiteral("Αντιγράφηκε η ευχή: %1").arg(row->text(3));
    });
}

// The menu of the current row of a contacts' view: what can be decided for
// its contact. Each item says in the status line what it did.
void Companion::contactActions(QTreeWidget *view)
{
    for (QAction *action : view->actions()) { // one of them may be running
        view->removeAction(action);
        action->setParent(nullptr);
        action->deleteLater();
    }
    const QTreeWidgetItem *row = view->currentItem();
    const auto add = [this, view](const QString &text, auto &&what) {
        QAction *action = new QAction(text, view);
        connect(action, &QAction::triggered, this, [this, what] { act(what); });
        view->addAction(action);
        return action;
    };
    if (row && row->data(1, UnusedChoiceRole).isValid()) {
        const QString key = row->data(1, UnusedChoiceRole).toString();
        add(QStringLiteral("Διαγραφή της επιλογής"), [this, key] {
            setContactChoice(key, {});
            book->rematch();
            return QStringLiteral("Διαγράφηκε η επιλογή για %1.").arg(quoted(key));
        });
    }
    if (!row || !row->data(1, ContactRole).isValid())
        return;
    const MatchedContact person = book->contacts().value(row->data(1, ContactRole).toInt());
    const NameDayTable &table = NameDayTable::builtIn();
    // Keeps the choice, and says so: «Βούλα Κ.: Γιορτάζει ως Σταυρούλα.»
    const auto choose = [this, person](ContactChoice choice, const QString &text) {
        book->choose(person.contact, choice);
        return QStringLiteral("%1: %2.").arg(listedName(person.contact), text);
    };
    // The contact's choice with one thing changed.
    const auto change = [choose, person](auto edit, const QString &text) {
        return [choose, person, edit, text] {
            ContactChoice choice = person.choice;
            edit(choice);
            return choose(choice, text);
        };
    };
    for (const int name : person.choices) {
        const QString base = table.names()[name].forms.first(), text = QStringLiteral("Γιορτάζει ως %1").arg(base);
        add(text, [choose, base, text] { return choose({{base}, {}, 0, 0, false}, text); });
    }
    // The greeting of the row's day, or of the name day.
    const QString wished = row->text(3).isEmpty() ? greeting(table, person.contact) : row->text(3);
    if (!person.contact.emails.isEmpty())
        add(QStringLiteral("Αποστολή με e-mail"), [person, wished] { return sendGreeting(person.contact, wished); });
    add(QStringLiteral("Γιορτάζει με άλλο όνομα…"), [this, person] { return chooseName(person); });
    // Which of the days of their names they keep.
    QList<int> rows;
    for (int i = 0; i < table.commemorations().size(); ++i)
        if (table.celebrates(i, person.names))
            rows << i;
    if (rows.size() > 1 && !person.choice.month) {
        QAction *separator = new QAction(view);
        separator->setSeparator(true);
        view->addAction(separator);
        for (const int i : std::as_const(rows)) {
            const Commemoration &c = table.commemorations()[i];
            const QString text = QStringLiteral("Γιορτάζει: %1").arg(c.title);
            QAction *day = add(text,
                change(
                    [rows, c, &table](ContactChoice &choice) {
                        if (choice.days.isEmpty())
                            for (const int r : rows)
                                choice.days << table.commemorations()[r].key;
                        if (!choice.days.removeAll(c.key))
                            choice.days << c.key;
                        if (choice.days.size() == rows.size())
                            choice.days.clear(); // all of them, also those the table adds later
                    },
                    (person.choice.days.isEmpty() || person.choice.days.contains(c.key)
                            ? QStringLiteral("δεν γιορτάζει: %1")
                            : QStringLiteral("γιορτάζει: %1"))
                        .arg(c.title)));
            day->setCheckable(true);
            day->setChecked(person.choice.days.isEmpty() || person.choice.days.contains(c.key));
        }
    }
    add(QStringLiteral("Γιορτάζει άλλη ημέρα…"), [this, person] { return chooseDay(person); });
    const QString visibility = person.choice.hidden ? QStringLiteral("Να φαίνεται ξανά στη λίστα")
                                                    : QStringLiteral("Να μη φαίνεται στη λίστα");
    add(visibility, change([](ContactChoice &c) { c.hidden = !c.hidden; }, visibility));
    if (person.contact.birthday.isValid()) {
        const QString text
            = person.choice.noBirthday ? QStringLiteral("Με τα γενέθλια") : QStringLiteral("Χωρίς τα γενέθλια");
        add(text, change([](ContactChoice &c) { c.noBirthday = !c.noBirthday; }, text));
    }
    if (person.chosen) {
        const QString text = QStringLiteral("Όπως στο αρχείο επαφών");
        add(text, [choose, text] { return choose({}, text); });
    }
}

// A name of the table for the contact: Τάκης is Παναγιώτης.
QString Companion::chooseName(const MatchedContact &person)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(this, QStringLiteral("Γιορτάζει με άλλο όνομα"),
        QStringLiteral("Το όνομα του εορτολογίου με το οποίο γιορτάζει %1:").arg(quoted(shownName(person.contact))),
        QLineEdit::Normal, QString(), &ok)
                              .simplified();
    if (!ok || typed.isEmpty())
        return {};
    const NameDayTable &table = NameDayTable::builtIn();
    QStringList bases;
    for (const int name : table.find(typed, false))
        bases << table.names()[name].forms.first();
    if (bases.isEmpty())
        throw Exception(QStringLiteral("Το όνομα %1 δεν είναι στο εορτολόγιο.").arg(quoted(typed)));
    if (bases.size() > 1 && !typed.contains(u' '))
        throw Exception(QStringLiteral("Το %1 μπορεί να είναι %2· γράψτε ένα από αυτά.")
                            .arg(quoted(typed), bases.join(QStringLiteral(" ή "))));
    book->choose(person.contact, {bases, {}, 0, 0, false});
    return QStringLiteral("%1: γιορτάζει ως %2.").arg(listedName(person.contact), bases.join(QStringLiteral(" και ")));
}

// A day of the contact's own, every year.
QString Companion::chooseDay(const MatchedContact &person)
{
    QDate day(2000, person.choice.month ? person.choice.month : shown.month(),
        person.choice.month ? person.choice.day : shown.day());
    if (!askDay(this, QStringLiteral("Ημέρα για %1").arg(shownName(person.contact)), &day))
        return {};
    book->choose(person.contact, {{}, {}, day.month(), day.day(), false});
    return QStringLiteral("%1: γιορτάζει στις %2.").arg(listedName(person.contact), dayAndMonth(day));
}

// A name the table lacks, with its day: found by the search from now on.
void Companion::addOwnName()
{
    QDate day(2000, shown.month(), shown.day());
    QString name;
    Gender gender = Gender::Man;
    if (!askDay(this, QStringLiteral("Δικό σας όνομα"), &day, &name, &gender))
        return;
    act([&] {
        if (!NameDayTable::builtIn().whole(name).isEmpty())
            throw Exception(QStringLiteral("Το όνομα %1 είναι ήδη στο εορτολόγιο.").arg(quoted(name)));
        setOwnNames(ownNames() << OwnName {name, day.month(), day.day(), gender});
        book->rematch();
        return QStringLiteral("Το όνομα %1 γιορτάζει πια στις %2.").arg(quoted(name), dayAndMonth(day));
    });
}

// The file last chosen, or its folder, or the downloads folder (where a
// phone's export lands), or the home folder: the first of them that exists,
// since one that does not would be offered as a file's name.
void Companion::chooseContacts()
{
    const QString last = book->fileName();
    QString start = QDir::homePath();
    for (const QString &place : {QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
             last.isEmpty() ? QString() : QFileInfo(last).absolutePath(), last})
        if (!place.isEmpty() && QFileInfo::exists(place))
            start = place; // the later, the better
    QFileDialog dialog(this, QStringLiteral("Αρχείο επαφών"), start,
        QStringLiteral("Επαφές vCard (*.vcf *.vcard);;Όλα τα αρχεία (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    fitColumns(dialog);
    if (dialog.exec() == QDialog::Accepted)
        act([&] {
            book->open(dialog.selectedFiles().constFirst());
            const qsizetype count = book->contacts().size();
            return (count == 1 ? QStringLiteral("Διαβάστηκε %1 επαφή από το %2.")
                               : QStringLiteral("Διαβάστηκαν %1 επαφές από το %2."))
                .arg(count)
                .arg(quoted(QDir::toNativeSeparators(book->fileName())));
        });
}

void Companion::exportCalendar()
{
    const int year = shown.year();
    const FeastReport report {QStringLiteral("Επαφές"),
        contactNameDays(NameDayTable::builtIn(), book->contacts(), QDate(year, 1, 1),
            QDate(year + calendarYears - 1, 12, 31), showBirthdays())};
    act([&] {
        const QString file = saveAs(this, QStringLiteral("Εξαγωγή σε iCalendar"), report, QStringLiteral("ics"),
            QStringLiteral("iCalendar (*.ics)"),
            [&] { return toICalendar(report.caption, report.rows, alarmCheck->isChecked()); });
        return file.isEmpty() ? QString()
                              : QStringLiteral("Οι γιορτές των επαφών σας για τα έτη %1–%2 γράφτηκαν στο %3.")
                                    .arg(year)
                                    .arg(year + calendarYears - 1)
                                    .arg(quoted(QDir::toNativeSeparators(file)));
    });
}
