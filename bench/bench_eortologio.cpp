// Prints the median time of: EasterDate over every year from 1 to 9999; each
// of the seven commands; a name search per keystroke, in the table alone and
// in the window's fifth view; and the Easter command beside its floor, the same
// rows (116 feasts and the year's name days) put by plain Qt calls into five
// views configured like the window's, timed in turn with the command. The
// ratio of the last two is the overhead of the program over the toolkit.

#include "Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
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
    void fill(const std::vector<std::pair<QDate, QString>> &movable, const std::vector<std::pair<QDate, QString>> &fixed,
        const std::vector<std::pair<QDate, QString>> &names)
    {
        put(views[1], {&movable});
        put(views[0], {&fixed});
        put(views[3], {&fixed, &movable});
        put(views[0], {&fixed});
        put(views[1], {&movable});
        put(views[2], {&movable, &fixed});
        put(views[4], {&names});
    }

private:
    void put(QTreeWidget *view, std::initializer_list<const std::vector<std::pair<QDate, QString>> *> parts)
    {
        view->clear();
        QList<QTreeWidgetItem *> rows;
        for (const auto *part : parts)
            for (const auto &[date, name] : *part) {
                // A row as the window makes it: its day as data, the feast as a tooltip.
                auto *row = new QTreeWidgetItem({QString::number(rows.size() + 1), locale.toString(date, format),
                    dayNames[date.dayOfWeek() % 7 + 1], name});
                row->setData(0, Qt::UserRole, date);
                if (view == views[4])
                    row->setData(0, Qt::UserRole + 1, int(rows.size()));
                row->setToolTip(3, name);
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
    const NameDayTable &table = NameDayTable::builtIn();
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

    std::vector<std::pair<QDate, QString>> names;
    for (const NameDay &day : table.inYear(2025, QDate(2025, 4, 20)))
        names.emplace_back(day.date, table.rowText(day.commemoration));

    Floor floor;
    std::vector<double> command, bare;
    for (int i = 0; i < rounds; ++i) {
        command.push_back(microseconds([&] { button("easterSpeedButton")->click(); }));
        bare.push_back(microseconds([&] { floor.fill(movable, fixed, names); }));
    }
    const double commandMedian = median(command);
    const double floorMedian = median(bare);
    if (movable.size() != 21 || fixed.size() != 8)
        std::printf("the floor has %zu movable and %zu fixed feasts, not 21 and 8\n", movable.size(), fixed.size());
    std::printf("%-34s %10.1f us\n", "Easter command, interleaved", commandMedian);
    std::printf("%-34s %10.1f us\n", qPrintable(QStringLiteral("floor: %1 rows into five views").arg(116 + names.size())),
        floorMedian);
    std::printf("%-34s %10.2f\n", "ratio", commandMedian / floorMedian);
    return 0;
}
