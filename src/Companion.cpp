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
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

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

// The contact a row of the contacts' view is about, as its index among the
// book's contacts; the key of a choice whose contact has left the file.
constexpr int ContactRole = Qt::UserRole, UnusedChoiceRole = Qt::UserRole + 1;

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
void sendGreeting(const Contact &contact, const QString &wished)
{
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("subject"), QStringLiteral("Χρόνια πολλά!"));
    fields.addQueryItem(QStringLiteral("body"), wished);
    QUrl mail(QStringLiteral("mailto:") + contact.emails.first());
    mail.setQuery(fields);
    if (!QDesktopServices::openUrl(mail))
        throw Exception(
            QStringLiteral("Δεν ανοίγει πρόγραμμα αλληλογραφίας για το %1.").arg(quoted(contact.emails.first())));
}

// A row of the contacts' view for a contact that has no day in it.
QTreeWidgetItem *contactRow(QTreeWidget *view, const MatchedContact &person, int index, const QString &name)
{
    const Contact &c = person.contact;
    auto *row = new QTreeWidgetItem(view,
        {QString(), c.fullName.isEmpty() ? QStringLiteral("(χωρίς όνομα, γραμμή %1)").arg(c.line) : c.fullName, name});
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
    connect(contactsView, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem *row) { greetingButton->setEnabled(row && !row->text(3).isEmpty()); });
    connect(contactsView, &QTreeWidget::itemActivated, this, &Companion::copyGreeting);
    connect(greetingButton, &QPushButton::clicked, this, &Companion::copyGreeting);
    connect(contactsButton, &QPushButton::clicked, this, &Companion::chooseContacts);
    connect(exportButton, &QPushButton::clicked, this, &Companion::exportCalendar);
    connect(ownNameButton, &QPushButton::clicked, this, &Companion::addOwnName);
    connect(contactsView, &QTreeWidget::currentItemChanged, this, &Companion::contactActions);
    birthdayCheck->setChecked(showBirthdays());
    connect(birthdayCheck, &QCheckBox::toggled, this, [this](bool on) {
        setShowBirthdays(on);
        refresh();
    });
    connect(reminderCheck, &QCheckBox::toggled, this, [](bool on) { setting::reminderOn.set(on); });
    connect(alarmCheck, &QCheckBox::toggled, this, [](bool on) { setting::reminderAlarm.set(on); });
    connect(autostartCheck, &QCheckBox::clicked, this, [this](bool on) {
        runCommand([on] { setStartsWithSession(on); });
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
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση ημερολογίου τοίχου %1").arg(year));
    if (dialog.exec() == QDialog::Accepted)
        runCommand([&] { paintWallCalendar(&printer, year, setting::holidaysCountry.value(), false); });
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
    todayLabel->setText(whoCelebrates(table, contacts, shown,
        // in Greek, whatever the system's regional settings: 8/12 is not 12/8
        QStringLiteral("Σήμερα, %1,")
            .arg(QLocale(QLocale::Greek, QLocale::Greece).toString(shown, QStringLiteral("dddd d MMMM yyyy"))),
        birthdays));
    tomorrowLabel->setText(whoCelebrates(table, contacts, shown.addDays(1), QStringLiteral("Αύριο"), birthdays));
    showDays(searchEdit->text());

    contactsView->clear();
    QList<ContactDay> ahead;
    try {
        ahead = contactDays(table, contacts, shown, shown.addDays(month), birthdays);
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    for (const ContactDay &found : std::as_const(ahead)) {
        const Contact &person = found.contact->contact;
        auto *item = new QTreeWidgetItem(contactsView,
            {DateToStr(fromQDate(found.day.date)), person.fullName, dayOf(found), greeting(table, found)});
        item->setData(1, ContactRole, int(found.contact - contacts.data()));
        if (found.day.commemoration >= 0)
            item->setToolTip(2, table.rowText(found.day.commemoration));
        if (found.day.date == shown)
            for (int column = 0; column < 4; ++column)
                item->setFont(column, QFont(font().family(), -1, QFont::Bold));
    }
    if (ahead.isEmpty() && !contacts.isEmpty())
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
        for (const int i : std::as_const(which)) {
            QStringList bases;
            for (const int name : contacts[i].choices)
                bases << table.names()[name].forms.first();
            contactRow(
                contactsView, contacts[i], i, QStringLiteral("ποιο όνομα; %1").arg(bases.join(QStringLiteral(" ή "))));
        }
    }
    if (!unknown.isEmpty()) {
        heading(contactsView, QStringLiteral("Ονόματα που δεν είναι στο εορτολόγιο (%1)").arg(unknown.size()))
            ->setToolTip(
                0, QStringLiteral("Χωρίς ονομαστική εορτή στον πίνακα: με δεξί κλικ τους δίνετε όνομα ή ημέρα."));
        for (const int i : std::as_const(unknown))
            contactRow(contactsView, contacts[i], i,
                contacts[i].contact.given.isEmpty() ? QStringLiteral("χωρίς όνομα") : contacts[i].contact.given);
    }
    if (!hidden.isEmpty()) {
        heading(contactsView, QStringLiteral("Εκτός λίστας (%1)").arg(hidden.size()));
        for (const int i : std::as_const(hidden))
            contactRow(contactsView, contacts[i], i, contacts[i].contact.given);
    }
    // Every contact with a name day, by name, at their next day in the
    // twelve months from today: where each can be found and decided for.
    QList<ContactDay> year;
    try {
        year = contactDays(table, contacts, shown, shown.addYears(1).addDays(-1), birthdays);
    } catch (const EConvertError &) { }
    QList<const ContactDay *> next;
    QSet<const MatchedContact *> listed;
    for (const ContactDay &found : std::as_const(year))
        if (!listed.contains(found.contact)) {
            listed.insert(found.contact);
            next << &found;
        }
    if (!next.isEmpty()) {
        std::sort(next.begin(), next.end(), [](const ContactDay *a, const ContactDay *b) {
            return QString::localeAwareCompare(a->contact->contact.fullName, b->contact->contact.fullName) < 0;
        });
        heading(contactsView, QStringLiteral("Όλες οι επαφές που γιορτάζουν (%1)").arg(next.size()));
        for (const ContactDay *found : std::as_const(next)) {
            QTreeWidgetItem *row
                = contactRow(contactsView, *found->contact, int(found->contact - contacts.data()), dayOf(*found));
            row->setText(0, DateToStr(fromQDate(found->day.date)));
            row->setText(3, greeting(table, *found));
        }
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
    exportButton->setEnabled(!contacts.isEmpty());
    fileLabel->setText(!book->error().isEmpty() ? book->error()
            : book->fileName().isEmpty()
            ? QStringLiteral("Δεν έχει επιλεγεί αρχείο επαφών. Με «Επαφές…» διαλέγετε ένα αρχείο vCard (.vcf) "
                             "που εξάγει το κινητό ή το πρόγραμμα αλληλογραφίας· το αρχείο δεν αλλάζει ποτέ.")
            : QStringLiteral("Επαφές από το %1: %2, οι %3 με ονομαστική εορτή.")
                    .arg(quoted(book->fileName()))
                    .arg(contacts.size())
                    .arg(contacts.size() - unknown.size() - which.size())
                + (book->codePage().isEmpty() ? QString() : u' ' + codePageNote(book->codePage())));
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

// The menu of the current row of the contacts' view: what can be decided
// for its contact.
void Companion::contactActions()
{
    for (QAction *action : contactsView->actions()) { // one of them may be running
        contactsView->removeAction(action);
        action->setParent(nullptr);
        action->deleteLater();
    }
    const QTreeWidgetItem *row = contactsView->currentItem();
    const auto add = [this](const QString &text, auto &&what) {
        QAction *action = new QAction(text, contactsView);
        connect(action, &QAction::triggered, this, [what] { runCommand(what); });
        contactsView->addAction(action);
        return action;
    };
    if (row && row->data(1, UnusedChoiceRole).isValid()) {
        const QString key = row->data(1, UnusedChoiceRole).toString();
        add(QStringLiteral("Διαγραφή της επιλογής"), [this, key] {
            setContactChoice(key, {});
            book->rematch();
        });
    }
    if (!row || !row->data(1, ContactRole).isValid())
        return;
    const MatchedContact person = book->contacts().value(row->data(1, ContactRole).toInt());
    const NameDayTable &table = NameDayTable::builtIn();
    const auto choose = [this, person](ContactChoice choice) { book->choose(person.contact, choice); };
    // The contact's choice with one thing changed.
    const auto change = [choose, person](auto edit) {
        return [choose, person, edit] {
            ContactChoice choice = person.choice;
            edit(choice);
            choose(choice);
        };
    };
    for (const int name : person.choices) {
        const QString base = table.names()[name].forms.first();
        add(QStringLiteral("Γιορτάζει ως %1").arg(base), [choose, base] { choose({{base}, {}, 0, 0, false}); });
    }
    // The greeting of the row's day, or of the name day.
    const QString wished = row->text(3).isEmpty() ? greeting(table, person.contact) : row->text(3);
    if (!person.contact.emails.isEmpty())
        add(QStringLiteral("Αποστολή με e-mail"), [person, wished] { sendGreeting(person.contact, wished); });
    add(QStringLiteral("Γιορτάζει με άλλο όνομα…"), [this, person] { chooseName(person); });
    // Which of the days of their names they keep.
    QList<int> rows;
    for (int i = 0; i < table.commemorations().size(); ++i)
        if (table.celebrates(i, person.names))
            rows << i;
    if (rows.size() > 1 && !person.choice.month) {
        QAction *separator = new QAction(contactsView);
        separator->setSeparator(true);
        contactsView->addAction(separator);
        for (const int i : std::as_const(rows)) {
            const Commemoration &c = table.commemorations()[i];
            QAction *day
                = add(QStringLiteral("Γιορτάζει: %1").arg(c.title), change([rows, c, &table](ContactChoice &choice) {
                      if (choice.days.isEmpty())
                          for (const int r : rows)
                              choice.days << table.commemorations()[r].key;
                      if (!choice.days.removeAll(c.key))
                          choice.days << c.key;
                      if (choice.days.size() == rows.size())
                          choice.days.clear(); // all of them, also those the table adds later
                  }));
            day->setCheckable(true);
            day->setChecked(person.choice.days.isEmpty() || person.choice.days.contains(c.key));
        }
    }
    add(QStringLiteral("Γιορτάζει άλλη ημέρα…"), [this, person] { chooseDay(person); });
    add(person.choice.hidden ? QStringLiteral("Να φαίνεται ξανά στη λίστα")
                             : QStringLiteral("Να μη φαίνεται στη λίστα"),
        change([](ContactChoice &c) { c.hidden = !c.hidden; }));
    if (person.contact.birthday.isValid())
        add(person.choice.noBirthday ? QStringLiteral("Με τα γενέθλια") : QStringLiteral("Χωρίς τα γενέθλια"),
            change([](ContactChoice &c) { c.noBirthday = !c.noBirthday; }));
    if (person.chosen)
        add(QStringLiteral("Όπως στο αρχείο επαφών"), [choose] { choose({}); });
}

// A name of the table for the contact: Τάκης is Παναγιώτης.
void Companion::chooseName(const MatchedContact &person)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(this, QStringLiteral("Γιορτάζει με άλλο όνομα"),
        QStringLiteral("Το όνομα του εορτολογίου με το οποίο γιορτάζει %1:").arg(quoted(person.contact.fullName)),
        QLineEdit::Normal, QString(), &ok)
                              .simplified();
    if (!ok || typed.isEmpty())
        return;
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
}

// A day of the contact's own, every year.
void Companion::chooseDay(const MatchedContact &person)
{
    QDate day(2000, person.choice.month ? person.choice.month : shown.month(),
        person.choice.month ? person.choice.day : shown.day());
    if (askDay(this, QStringLiteral("Ημέρα για %1").arg(person.contact.fullName), &day))
        book->choose(person.contact, {{}, {}, day.month(), day.day(), false});
}

// A name the table lacks, with its day: found by the search from now on.
void Companion::addOwnName()
{
    QDate day(2000, shown.month(), shown.day());
    QString name;
    Gender gender = Gender::Man;
    if (!askDay(this, QStringLiteral("Δικό σας όνομα"), &day, &name, &gender))
        return;
    if (!NameDayTable::builtIn().whole(name).isEmpty())
        throw Exception(QStringLiteral("Το όνομα %1 είναι ήδη στο εορτολόγιο.").arg(quoted(name)));
    setOwnNames(ownNames() << OwnName {name, day.month(), day.day(), gender});
    book->rematch();
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
            QDate(year + calendarYears - 1, 12, 31), showBirthdays())};
    saveAs(this, QStringLiteral("Εξαγωγή σε iCalendar"), report, QStringLiteral("ics"),
        QStringLiteral("iCalendar (*.ics)"),
        [&] { return toICalendar(report.caption, report.rows, alarmCheck->isChecked()); });
}
