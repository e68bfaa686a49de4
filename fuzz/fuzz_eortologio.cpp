// Hostile input for what reads the user's text: the bytes are read as a
// contacts file, and split at NUL into a command line for the option parser,
// each piece going to the year conversion, the Easter date and the name
// search. Each gives a result or one line of Greek, and never crashes, hangs
// or leaks.

#include "CommandLine.h"
#include "Contacts.h"
#include "Misc.h"
#include "NameDays.h"

#include <QRegularExpression>

#include <cstdlib>

static void mustBeGreek(const QString &message)
{
    if (message.contains(u'\n') || !message.contains(QRegularExpression("\\p{Greek}")))
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const char *data, size_t size)
{
    const NameDayTable &table = NameDayTable::builtIn();
    try {
        for (const MatchedContact &contact :
            matchContacts(table, readVCards(QByteArray(data, qsizetype(size)), "x.vcf")))
            vocative(table, contact.contact.given);
    } catch (const Exception &e) {
        mustBeGreek(e.Message);
    }
    QStringList arguments = QString::fromUtf8(data, qsizetype(size)).split(QChar());
    for (const QString &piece : arguments) {
        try {
            EasterDate(StrToInt(piece));
        } catch (const EConvertError &e) {
            mustBeGreek(e.Message);
        }
        // a name as typed; the contacts files are longer
        if (piece.size() > 64)
            continue;
        table.find(piece, true);
        table.closest(piece);
    }
    arguments.prepend("eortologio");
    if (const QString refusal = optionsRefusal(arguments); !refusal.isEmpty())
        mustBeGreek(refusal);
    return 0;
}
