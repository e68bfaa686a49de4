#include "CommandLine.h"

#include "Output.h"
#include "Unit1.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

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

// Qt's own options, which go to the window: those that take a value (also
// written -name=value), then those that stand alone.
const QStringList qtOptionsWithValue
    = {QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
        QStringLiteral("qwindowicon"), QStringLiteral("style"), QStringLiteral("stylesheet"),
        QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("title"),
        QStringLiteral("name"), QStringLiteral("icon"), QStringLiteral("qmljsdebugger")};
const QStringList qtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"), QStringLiteral("sync"), QStringLiteral("testability")};

// What the command line is asked: the year and, per format, "-" or a file.
struct Options
{
    bool help = false;
    bool version = false;
    QString year;
    QString files[3]; // .ics, .csv, .pdf; empty when not asked
};

const QString formatOptions[3] = {QStringLiteral("--ics"), QStringLiteral("--csv"), QStringLiteral("--pdf")};

// Wrong options: the reason goes to standard error above the usage, status 2.
struct UsageError
{
    QString reason;
};

Options parseOptions(const QStringList &arguments)
{
    Options options;
    QStringList given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(u'='); name.startsWith(u"--") && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (name == u"-h" || name == u"-?")
            name = QStringLiteral("--help");
        if (name == u"-v")
            name = QStringLiteral("--version");
        QString *field = name == u"--year" ? &options.year : nullptr;
        for (int format = 0; format < 3; ++format)
            field = name == formatOptions[format] ? &options.files[format] : field;
        if (!field && name != u"--help" && name != u"--version")
            throw UsageError {(name.startsWith(u'-') && name.size() > 1 ? QStringLiteral("Άγνωστη επιλογή «%1».")
                                                                        : QStringLiteral("Περιττό όρισμα «%1»."))
                                  .arg(arguments[i])};
        if (given.contains(name))
            throw UsageError {QStringLiteral("Η επιλογή «%1» δόθηκε δύο φορές.").arg(name)};
        given << name;
        if (!field) {
            if (value)
                throw UsageError {QStringLiteral("Η επιλογή «%1» δεν παίρνει τιμή.").arg(name)};
            (name == u"--help" ? options.help : options.version) = true;
            continue;
        }
        // The value is the next argument unless that is another option; "-" and
        // negative numbers are values.
        if (!value && i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"))
            value = arguments[++i];
        if (!value || value->isEmpty())
            throw UsageError {QStringLiteral("Λείπει η τιμή μετά το «%1».").arg(name)};
        *field = *value;
    }
    if (options.help || options.version)
        return options;
    if (!given.contains(u"--year"))
        throw UsageError {QStringLiteral("Λείπει το έτος: δώστε --year ΕΤΟΣ.")};
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            const QString &first = options.files[a];
            const QString &second = options.files[b];
            if (first.isEmpty() || second.isEmpty())
                continue;
            if (first == u"-" && second == u"-")
                throw UsageError {QStringLiteral("Οι %1 και %2 ζητούν και οι δύο την τυπική έξοδο.")
                                      .arg(formatOptions[a], formatOptions[b])};
            const QFileInfo one(first), other(second);
            if (first != u"-" && second != u"-"
                && (one.absoluteFilePath() == other.absoluteFilePath()
                    || (one.exists() && one.canonicalFilePath() == other.canonicalFilePath())))
                throw UsageError {QStringLiteral("Οι %1 και %2 ζητούν το ίδιο αρχείο «%3».")
                                      .arg(formatOptions[a], formatOptions[b], first)};
        }
    }
    return options;
}

} // namespace

bool prepareCommandLine(int argc, const char *const *argv)
{
    bool ours = false;
    for (int i = 1; i < argc && !ours; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString name = argument.mid(1).section(u'=', 0, 0);
        if (argument.startsWith(u'-') && !argument.startsWith(u"--") && qtOptionsWithValue.contains(name))
            i += argument.contains(u'=') ? 0 : 1;
        else
            ours = !(argument.startsWith(u'-') && !argument.startsWith(u"--") && qtFlags.contains(name));
    }
    if (!ours)
        return false;
    guardStandardStreams();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            writeStandardError(message + u'\n');
    });
    return true;
}

int runCommandLine(const QStringList &arguments)
{
    Options options;
    try {
        options = parseOptions(arguments);
    } catch (const UsageError &error) {
        writeStandardError(QStringLiteral("eortologio: ") + error.reason + QStringLiteral("\n\n") + usage);
        return 2;
    }
    try {
        if (options.help || options.version) {
            writeStandardOutput((options.help ? usage
                                              : QStringLiteral("eortologio ") + QCoreApplication::applicationVersion()
                                        + u'\n')
                                    .toUtf8());
            return 0;
        }
        // A window that is never shown dates the year as its buttons do.
        TForm1 form;
        const FeastReport report = form.feastsByDate(options.year);
        const std::function<QByteArray()> formats[3] = {
            [&] { return toICalendar(report.rows); },
            [&] { return toCsv(report.rows); },
            [&] { return toPdf(report.caption, report.rows); },
        };
        // Every file is written to its temporary file before any takes its
        // place; standard output comes last.
        QByteArray standardOutput;
        std::vector<OutputFile> files;
        for (int format = 0; format < 3; ++format) {
            const QString &fileName = options.files[format];
            if (fileName == u"-")
                standardOutput = formats[format]();
            else if (!fileName.isEmpty())
                files.emplace_back(fileName, formats[format]());
        }
        if (std::all_of(std::begin(options.files), std::end(options.files), std::mem_fn(&QString::isEmpty)))
            standardOutput = toTabSeparated(report.rows).toUtf8();
        QStringList written;
        try {
            for (OutputFile &file : files) {
                file.commit();
                written << file.name();
            }
            writeStandardOutput(standardOutput);
        } catch (const Exception &e) {
            if (written.isEmpty())
                throw;
            throw Exception(e.Message + QStringLiteral(" Γράφτηκαν ήδη: «%1».").arg(written.join(QStringLiteral("», «"))));
        }
    } catch (const Exception &e) {
        writeStandardError(e.Message + u'\n');
        return 1;
    } catch (const std::bad_alloc &) {
        writeStandardError(QStringLiteral("Ανεπαρκής μνήμη.\n"));
        return 1;
    } catch (...) {
        writeStandardError(QStringLiteral("Απρόσμενο σφάλμα· τίποτα δεν γράφτηκε.\n"));
        return 1;
    }
    return 0;
}
