#include "CommandLine.h"

#include "Unit1.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

const QString usage = QStringLiteral("Χρήση: eortologio [--year ΕΤΟΣ [--ics ΑΡΧΕΙΟ] [--csv ΑΡΧΕΙΟ] [--pdf ΑΡΧΕΙΟ]]\n"
                                     "\n"
                                     "Χωρίς επιλογές ανοίγει το παράθυρο του Εορτολογίου. Με --year γράφει τις\n"
                                     "κινητές και τις σταθερές γιορτές του έτους, κατά σειρά ημερομηνίας.\n"
                                     "\n"
                                     "  --year ΕΤΟΣ     το έτος· χωρίς άλλη επιλογή, οι γιορτές ως κείμενο\n"
                                     "  --ics ΑΡΧΕΙΟ    οι γιορτές ως ημερολόγιο iCalendar (.ics)\n"
                                     "  --csv ΑΡΧΕΙΟ    οι γιορτές ως πίνακας CSV\n"
                                     "  --pdf ΑΡΧΕΙΟ    οι γιορτές ως έγγραφο PDF\n"
                                     "                  (με ΑΡΧΕΙΟ «-» στην τυπική έξοδο· δίνονται και μαζί)\n"
                                     "  -h, --help      αυτή η βοήθεια\n"
                                     "  -v, --version   η έκδοση του προγράμματος\n"
                                     "\n"
                                     "Παράδειγμα: eortologio --year 2025 --ics γιορτές-2025.ics\n");

void print(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

bool prepareCommandLine(int argc, const char *const *argv)
{
    const auto isOurs = [](const char *arg) {
        return std::strncmp(arg, "--", 2) == 0 || !std::strcmp(arg, "-h") || !std::strcmp(arg, "-v")
            || !std::strcmp(arg, "-?");
    };
    if (std::none_of(argv + std::min(argc, 1), argv + argc, isOurs))
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            print(stderr, (message + u'\n').toUtf8());
    });
    return true;
}

int runCommandLine(const QStringList &arguments)
{
    const QString file = QStringLiteral("ΑΡΧΕΙΟ");
    const QCommandLineOption year(QStringLiteral("year"), QString(), QStringLiteral("ΕΤΟΣ"));
    const QCommandLineOption ics(QStringLiteral("ics"), QString(), file);
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), file);
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), file);
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList {QStringLiteral("v"), QStringLiteral("version")});
    QCommandLineParser parser;
    parser.addOptions({year, ics, csv, pdf, help, version});
    if (!parser.parse(arguments)) {
        print(stderr, (QStringLiteral("eortologio: ") + parser.errorText() + QStringLiteral("\n\n") + usage).toUtf8());
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage.toUtf8());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, (QStringLiteral("eortologio ") + QCoreApplication::applicationVersion() + u'\n').toUtf8());
        return 0;
    }
    if (!parser.isSet(year) || !parser.positionalArguments().isEmpty()) {
        print(stderr, usage.toUtf8());
        return 2;
    }

    // The year goes into the year box of a window that is never shown, which
    // computes Easter and sorts all feasts by date, as its buttons do.
    TForm1 form;
    form.findChild<QLineEdit *>(QStringLiteral("yearEdit"))->setText(parser.value(year));
    try {
        form.easterSpeedButtonClick(nullptr);
        form.ascendingBitBtnClick(nullptr);
        const auto *view = form.findChild<QTreeWidget *>(QStringLiteral("generalListView"));
        const auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        const QList<FeastRow> rows = feastRows(view);
        const QString caption = tabs->tabText(tabs->indexOf(view->parentWidget()));

        // Everything is made before the first file is written.
        const std::pair<const QCommandLineOption *, std::function<QByteArray()>> formats[] = {
            {&ics, [&] { return toICalendar(rows); }},
            {&csv, [&] { return toCsv(rows); }},
            {&pdf, [&] { return toPdf(caption, rows); }},
        };
        QList<std::pair<QString, QByteArray>> outputs;
        for (const auto &[option, data] : formats) {
            if (parser.isSet(*option))
                outputs.append({parser.value(*option), data()});
        }
        if (outputs.isEmpty())
            print(stdout, toTabSeparated(rows).toUtf8());
        for (const auto &[fileName, data] : outputs) {
            if (fileName == u"-")
                print(stdout, data);
            else
                saveFile(fileName, data);
        }
    } catch (const Exception &e) {
        print(stderr, (e.Message + u'\n').toUtf8());
        return 1;
    }
    return 0;
}
