// Prints the median time of: EasterDate over every year from 1 to 9999; the
// window made and shown, and the fifth view filled as at start; each of the
// seven commands; a name search per keystroke, in the table alone and in the
// window's fifth view; and the Easter command, for 2025 and 2024 in turn so
// that the fifth view follows each time, beside its floor, the same rows (116
// feasts and the year's name days) put by plain Qt calls into five views
// configured like the window's, timed in turn with the command. The ratio of
// the last two is the overhead of the program over the toolkit.

#include "Companion.h"
#include "FeastExport.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The time of one run of the work; the events it posted (repaints, layouts) are
// then handled outside the measurement, as the event loop would between clicks.
double microseconds(const std::function<void()> &work)
{
    const auto start = Clock::now();
    work();
    const double elapsed = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    QCoreApplication::processEvents();
    return elapsed;
}

double median(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Four views set up as the window sets up its own, in tabs of a shown window.
class Floor
{
public:
    Floor()
    {
        for (QTreeWidget *&view : views) {
            view = new QTreeWidget;
            view->setRootIsDecorated(false);
            view->setUniformRowHeights(true);
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
            view->setHeaderLabels({QStringLiteral("Α/Α"), QStringLiteral("Ημερομηνία"), QStringLiteral("Ημέρα"),
                QStringLiteral("Γιορτή")});
            if (view == views[4])
                view->setHeaderLabels({QStringLiteral("Α/Α"), QStringLiteral("Ημερομηνία"), QStringLiteral("Ημέρα"),
                    QStringLiteral("Ονόματα"), QStringLiteral("Εορτή")});
            view->header()->setStretchLastSection(false);
            for (int column = 1; column < 4; ++column)
                view->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
            tabs.addTab(view, QString());
        }
        tabs.resize(577, 529);
        tabs.show();
        // The short format with the year in full, as the program writes it.
        format = locale.dateFormat(QLocale::ShortFormat)
                     .replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    }

    // The fills of one Easter command: movable, fixed, fixed then movable,
    // fixed and movable again, then movable then fixed.
    void fill(const std::vector<std::pair<QDate, QString>> &movable,
        const std::vector<std::pair<QDate, QString>> &fixed, const std::vector<std::pair<QDate, QString>> &names,
        const std::pair<QStringList, QStringList> &commemorations)
    {
        put(views[1], {&movable});
        put(views[0], {&fixed});
        put(views[3], {&fixed, &movable});
        put(views[0], {&fixed});
        put(views[1], {&movable});
        put(views[2], {&movable, &fixed});
        put(views[4], {&names}, commemorations);
    }

private:
    void put(QTreeWidget *view, std::initializer_list<const std::vector<std::pair<QDate, QString>> *> parts,
        const std::pair<QStringList, QStringList> &commemorations = {})
    {
        view->clear();
        QList<QTreeWidgetItem *> rows;
        for (const auto *part : parts)
            for (const auto &[date, name] : *part) {
                // A row as the window makes it: its day as data, the feast as a tooltip.
                auto *row = new QTreeWidgetItem({QString::number(rows.size() + 1), locale.toString(date, format),
                    dayNames[date.dayOfWeek() % 7 + 1], name});
                row->setData(0, Qt::UserRole, date);
                row->setToolTip(3, name);
                if (view == views[4]) { // the names, then the commemoration, the whole row in the tooltips
                    row->setData(0, Qt::UserRole + 1, int(rows.size()));
                    row->setText(4, commemorations.first[rows.size()]);
                    row->setToolTip(3, commemorations.second[rows.size()]);
                    row->setToolTip(4, commemorations.second[rows.size()]);
                }
                rows.append(row);
            }
        view->addTopLevelItems(rows);
    }

    QTabWidget tabs;
    QTreeWidget *views[5] = {};
    QLocale locale;
    QString format;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 300;

    std::vector<double> sweeps;
    for (int i = 0; i < std::max(5, rounds / 20); ++i)
        sweeps.push_back(microseconds([] {
            for (int year = 1; year <= 9999; ++year) {
                try {
                    EasterDate(year);
                } catch (const EConvertError &) { }
            }
        }));
    std::printf("%-34s %10.1f us\n", "EasterDate, years 1 to 9999", median(sweeps));

    std::vector<double> starts;
    for (int i = 0; i < std::max(5, rounds / 20); ++i)
        starts.push_back(microseconds([] {
            TForm1 form;
            form.show();
        }));
    std::printf("%-34s %10.1f us\n", "window made and shown", median(starts));

    // A phone's contacts, 5,000 of them under the table's everyday names,
    // read from their file's text and matched; the companion window made and
    // shown with them.
    const NameDayTable &table = NameDayTable::builtIn();
    QByteArray cards;
    for (int i = 0; i < 5000; ++i) {
        const QStringList &forms = table.names()[i % table.names().size()].forms;
        cards += QStringLiteral(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Παπαδόπουλος;%1;;;\r\nFN:%1 Παπαδόπουλος %2\r\nEND:VCARD\r\n")
                     .arg(forms.value(1, forms.first()))
                     .arg(i)
                     .toUtf8();
    }
    std::vector<double> reading;
    for (int i = 0; i < std::max(5, rounds / 20); ++i)
        reading.push_back(microseconds([&] { matchContacts(table, readVCards(cards, QStringLiteral("x.vcf"))); }));
    std::printf("%-34s %10.1f us\n", "5,000 contacts read and matched", median(reading));
    // A line of a million bytes of parameters, as a broken or hostile file
    // may hold: read in time linear in its length.
    const QByteArray parameters = "BEGIN:VCARD\r\nFN" + QByteArray(";X=1").repeated(250000) + ":Νίκος\r\nEND:VCARD\r\n";
    std::vector<double> long_line;
    for (int i = 0; i < 5; ++i)
        long_line.push_back(microseconds([&] { readVCards(parameters, QStringLiteral("x.vcf")); }));
    std::printf("%-34s %10.1f us\n", "a 1 MB line of parameters read", median(long_line));
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    saveFile(folder.filePath(QStringLiteral("contacts.vcf")), cards);
    setting::contactsFile.set(folder.filePath(QStringLiteral("contacts.vcf")));
    ContactBook book;
    std::vector<double> companions;
    for (int i = 0; i < std::max(5, rounds / 20); ++i)
        companions.push_back(microseconds([&] {
            Companion companion(&book);
            companion.show();
        }));
    std::printf("%-34s %10.1f us\n", "companion window made and shown", median(companions));

    TForm1 form;
    form.show();
    form.findChild<QLineEdit *>(QStringLiteral("yearEdit"))->setText(QStringLiteral("2025"));
    const auto button = [&](const char *name) { return form.findChild<QAbstractButton *>(QLatin1String(name)); };
    for (const char *name : {"easterSpeedButton", "varDaysBitBtn", "constDaysBitBtn", "allDaysBitBtn", "generalBitBtn",
             "ascendingBitBtn", "descendingBitBtn"}) {
        std::vector<double> samples;
        for (int i = 0; i < rounds; ++i)
            samples.push_back(microseconds([&] { button(name)->click(); }));
        std::printf("%-34s %10.1f us\n", name, median(samples));
    }

    // The fifth view filled as at start: the movable feasts dated from Easter
    // 2025 and 2024 in turn, less the same command with the Easter unchanged.
    auto *picker = form.findChild<QDateEdit *>(QStringLiteral("easterDateTimePicker"));
    std::vector<double> following;
    for (int i = 0; i < rounds; ++i) {
        picker->setDate(i % 2 ? QDate(2024, 5, 5) : QDate(2025, 4, 20));
        following.push_back(microseconds([&] { button("varDaysBitBtn")->click(); }));
    }
    std::vector<double> staying;
    for (int i = 0; i < rounds; ++i)
        staying.push_back(microseconds([&] { button("varDaysBitBtn")->click(); }));
    std::printf("%-34s %10.1f us\n", "fifth view filled (as at start)", median(following) - median(staying));

    // The rows the Easter command shows for 2025, made ready beforehand.
    std::vector<std::pair<QDate, QString>> movable, fixed;
    button("varDaysBitBtn")->click();
    for (int i = 0; i < form.varDaysList.Count(); ++i)
        movable.emplace_back(toQDate(form.varDaysList[i]->date), form.varDaysList[i]->name);
    button("constDaysBitBtn")->click();
    for (int i = 0; i < form.constDaysList.Count(); ++i)
        fixed.emplace_back(toQDate(form.constDaysList[i]->date), form.constDaysList[i]->name);

    // A name typed letter by letter, in Greek and in Latin letters: the table's
    // search alone, then the window's fifth view filtered.
    auto *search = form.findChild<QLineEdit *>(QStringLiteral("nameSearchEdit"));
    for (const bool filter : {false, true}) {
        std::vector<double> samples;
        for (int i = 0; i < rounds; ++i)
            for (const QString name : {QStringLiteral("Παναγιώτα"), QStringLiteral("Konstantinos")})
                for (qsizetype typed = 1; typed <= name.size(); ++typed)
                    samples.push_back(microseconds([&] {
                        filter ? search->setText(name.left(typed)) : void(table.find(name.left(typed), true));
                    }));
        std::printf("%-34s %10.1f us\n", filter ? "keystroke, fifth view filtered" : "keystroke, table searched",
            median(samples));
    }
    search->clear();

    std::vector<std::pair<QDate, QString>> names[2];
    std::pair<QStringList, QStringList> commemorations[2]; // titles, whole rows
    for (const int year : {2025, 2024}) {
        for (const NameDay &day : table.inYear(year, toQDate(EasterDate(year)))) {
            names[year % 2].emplace_back(day.date, table.baseNames(day.commemoration));
            commemorations[year % 2].first << table.commemorations()[day.commemoration].title;
            commemorations[year % 2].second << table.rowText(day.commemoration);
        }
    }

    Floor floor;
    std::vector<double> command, bare;
    auto *year = form.findChild<QLineEdit *>(QStringLiteral("yearEdit"));
    for (int i = 0; i < rounds; ++i) {
        year->setText(i % 2 ? QStringLiteral("2025") : QStringLiteral("2024"));
        command.push_back(microseconds([&] { button("easterSpeedButton")->click(); }));
        bare.push_back(microseconds([&] { floor.fill(movable, fixed, names[i % 2], commemorations[i % 2]); }));
    }
    const double commandMedian = median(command);
    const double floorMedian = median(bare);
    if (movable.size() != 21 || fixed.size() != 8)
        std::printf("the floor has %zu movable and %zu fixed feasts, not 21 and 8\n", movable.size(), fixed.size());
    std::printf("%-34s %10.1f us\n", "Easter command, interleaved", commandMedian);
    std::printf("%-34s %10.1f us\n",
        qPrintable(QStringLiteral("floor: %1 rows into five views").arg(116 + names[1].size())), floorMedian);
    std::printf("%-34s %10.2f\n", "ratio", commandMedian / floorMedian);
    return 0;
}
