#include "Contacts.h"

#include "DateUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr qint64 largestFile = 64 * 1024 * 1024; // bytes; a phone's contacts with photos fit well within

// One line of a vCard after unfolding: "group.NAME;PARAM=VALUE;...:value".
struct ContentLine
{
    QByteArray name; // upper case, without its group
    QByteArray value; // still encoded and escaped
    QByteArray charset; // upper case; empty for UTF-8
    bool quotedPrintable;
    int line;
};

// The position of the first unquoted occurrence of c (parameter values may be
// quoted and hold ':' and ';'), or -1.
qsizetype unquoted(const QByteArray &text, char c, qsizetype from = 0)
{
    bool quote = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == '"')
            quote = !quote;
        else if (text[i] == c && !quote)
            return i;
    }
    return -1;
}

bool isQuotedPrintable(const QByteArray &line)
{
    const qsizetype colon = unquoted(line, ':');
    return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

// The logical lines of the text with the number of the physical line each
// begins on. A line that begins with a space or tab continues the one before
// (RFC 6350 folding, also 2.1's); a quoted-printable value ending in "=" goes
// on in the next line (a soft line break).
QList<std::pair<QByteArray, int>> unfold(const QByteArray &text)
{
    QList<std::pair<QByteArray, int>> lines;
    int number = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const QByteArray physical = text.mid(start, end - start);
        start = end + (text.mid(end, 2) == "\r\n" ? 2 : 1);
        ++number;
        if (!lines.isEmpty() && (physical.startsWith(' ') || physical.startsWith('\t')))
            lines.last().first += physical.mid(1);
        else if (!lines.isEmpty() && lines.last().first.endsWith('=') && isQuotedPrintable(lines.last().first))
            lines.last().first.chop(1), lines.last().first += physical;
        else if (!physical.trimmed().isEmpty())
            lines.append({physical, number});
    }
    return lines;
}

QByteArray fromQuotedPrintable(const QByteArray &value)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        bool ok = false;
        const int code = value[i] == '=' ? value.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok && value.mid(i + 1, 2).size() == 2) {
            bytes += char(code);
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

// A vCard's text with "\n", "\,", "\;" and "\\" as what they stand for.
QString unescaped(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            result += next == u'n' || next == u'N' ? QChar(u'\n') : next;
        } else {
            result += text[i];
        }
    }
    return result;
}

// The fields of a structured or list value, split where c is not escaped.
QStringList fields(const QString &text, QChar c)
{
    QStringList parts = {QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') // with the letter it escapes; a last one alone
            parts.last() += text.mid(i++, 2);
        else if (text[i] == c)
            parts << QString();
        else
            parts.last() += text[i];
    }
    std::transform(parts.begin(), parts.end(), parts.begin(), [](const QString &s) { return unescaped(s).trimmed(); });
    return parts;
}

class VCardReader
{
public:
    VCardReader(const QByteArray &text, const QString &fileName)
        : fileName(fileName)
    {
        QByteArray bytes = text;
        if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) // UTF-16, as some Windows programs write
            bytes = QStringDecoder(QStringDecoder::Utf16)(bytes).operator QString().toUtf8();
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        lines = unfold(bytes);
    }

    QList<Contact> read()
    {
        QList<Contact> contacts;
        int depth = 0; // a 2.1 AGENT may hold a card of its own
        for (const auto &[text, number] : std::as_const(lines)) {
            if (depth == 0 && !text.trimmed().toUpper().startsWith("BEGIN"))
                fail(number, QStringLiteral("αναμενόταν BEGIN:VCARD"));
            const ContentLine line = parse(text, number);
            const bool begin = line.name == "BEGIN", end = line.name == "END";
            const bool card = (begin || end) && decoded(line).trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
            if (depth == 0 && !(begin && card))
                fail(number, QStringLiteral("αναμενόταν BEGIN:VCARD"));
            if (begin && card && ++depth == 1)
                contacts.append({{}, {}, {}, {}, number});
            else if (end && card)
                finish(contacts.last(), --depth);
            else if (depth == 1)
                take(contacts.last(), line);
        }
        if (depth > 0)
            fail(contacts.last().line, QStringLiteral("η επαφή που αρχίζει εδώ δεν κλείνει με END:VCARD"));
        return contacts;
    }

private:
    [[noreturn]] void fail(int line, const QString &reason) const
    {
        throw Exception(QStringLiteral("Το αρχείο %1 δεν διαβάζεται ως αρχείο επαφών (vCard): γραμμή %2: %3.")
                            .arg(quoted(QFileInfo(fileName).fileName()))
                            .arg(line)
                            .arg(reason));
    }

    ContentLine parse(const QByteArray &text, int number) const
    {
        const qsizetype colon = unquoted(text, ':');
        if (colon <= 0)
            fail(number, QStringLiteral("η γραμμή δεν είναι της μορφής ΙΔΙΟΤΗΤΑ:ΤΙΜΗ"));
        ContentLine line {{}, text.mid(colon + 1), {}, false, number};
        QByteArrayList params;
        for (qsizetype from = 0, semicolon;; from = semicolon + 1) {
            semicolon = unquoted(text.left(colon), ';', from);
            params << text.mid(from, (semicolon < 0 ? colon : semicolon) - from).trimmed().toUpper();
            if (semicolon < 0)
                break;
        }
        line.name = params.takeFirst();
        line.name = line.name.mid(line.name.lastIndexOf('.') + 1);
        for (const QByteArray &param : std::as_const(params)) {
            if (param == "QUOTED-PRINTABLE" || param == "ENCODING=QUOTED-PRINTABLE")
                line.quotedPrintable = true;
            else if (param.startsWith("CHARSET=") && param != "CHARSET=UTF-8")
                line.charset = QByteArray(param.mid(8)).replace('"', "");
        }
        return line;
    }

    QString decoded(const ContentLine &line) const
    {
        const QByteArray bytes = line.quotedPrintable ? fromQuotedPrintable(line.value) : line.value;
        QStringDecoder decoder(line.charset.isEmpty() ? "UTF-8" : line.charset.constData());
        if (!decoder.isValid())
            fail(line.line, QStringLiteral("άγνωστη κωδικοποίηση χαρακτήρων %1").arg(quoted(QString::fromLatin1(line.charset))));
        const QString text = decoder(bytes);
        if (decoder.hasError() || text.contains(QChar()))
            fail(line.line, QStringLiteral("το κείμενο δεν είναι UTF-8"));
        return text;
    }

    void take(Contact &contact, const ContentLine &line)
    {
        if (line.name == "FN")
            contact.fullName = unescaped(decoded(line)).simplified();
        else if (line.name == "N")
            n = fields(decoded(line), u';');
        else if (line.name == "NICKNAME")
            for (const QString &nickname : fields(decoded(line), u','))
                contact.nicknames << nickname.simplified();
        else if (line.name == "UID")
            contact.uid = decoded(line).trimmed();
    }

    // The given names of N ("Άννα,Μαρία" for two), else the first word of FN;
    // the full name from N when there is no FN.
    void finish(Contact &contact, int depth)
    {
        if (depth > 0)
            return;
        const QString given = n.value(1).replace(u',', u' ').simplified();
        contact.given = given.isEmpty() ? contact.fullName.section(u' ', 0, 0) : given;
        if (contact.fullName.isEmpty())
            contact.fullName = QStringList {n.value(3), given, n.value(2), n.value(0), n.value(4)}.join(u' ').simplified();
        contact.nicknames.removeAll(QString());
        n.clear();
    }

    QString fileName;
    QList<std::pair<QByteArray, int>> lines;
    QStringList n; // the card's N, in fields
};

} // namespace

QList<Contact> readVCards(const QByteArray &text, const QString &fileName)
{
    return VCardReader(text, fileName).read();
}

QList<Contact> readContactsFile(const QString &path)
{
    const QFileInfo info(path);
    const QString name = quoted(info.fileName());
    QFile file(path);
    if (!info.exists())
        throw Exception(QStringLiteral("Το αρχείο επαφών %1 δεν υπάρχει.").arg(name));
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Το αρχείο επαφών %1 δεν ανοίγει για ανάγνωση.").arg(name));
    if (file.size() > largestFile)
        throw Exception(QStringLiteral("Το αρχείο %1 είναι πολύ μεγάλο για αρχείο επαφών (vCard).").arg(name));
    const QList<Contact> contacts = readVCards(file.read(largestFile + 1), path);
    if (contacts.isEmpty())
        throw Exception(QStringLiteral("Το αρχείο %1 δεν περιέχει καμία επαφή (vCard).").arg(name));
    return contacts;
}

QString contactKey(const Contact &contact)
{
    return contact.uid.isEmpty() ? contact.fullName : contact.uid;
}

QList<MatchedContact> matchContacts(
    const NameDayTable &table, const QList<Contact> &contacts, const ContactChoices &choices)
{
    QHash<QString, QList<FoundName>> known; // many contacts share a name
    const auto formsOf = [&](const QString &name) {
        auto found = known.find(name);
        if (found == known.end())
            found = known.insert(name, table.findForms(name, false));
        return *found;
    };
    QList<MatchedContact> matched;
    for (const Contact &contact : contacts) {
        MatchedContact entry {
            contact, {}, {}, {}, choices.value(contactKey(contact)), choices.contains(contactKey(contact))};
        // The given names, else the nicknames: the names of the forms that
        // are one name's, and those of the shared ones apart.
        for (const QStringList &words : {QStringList {contact.given}, contact.nicknames}) {
            for (const QString &word : words) {
                for (const FoundName &found : formsOf(word)) {
                    QList<int> &into = table.shared(found.form) ? entry.choices : entry.names;
                    if (!into.contains(found.name))
                        into << found.name;
                    if (!entry.gender)
                        entry.gender = table.genderOf(found.name, found.form);
                }
            }
            if (!entry.names.isEmpty() || !entry.choices.isEmpty())
                break;
        }
        if (!entry.names.isEmpty())
            entry.choices.clear();
        if (!entry.choice.names.isEmpty()) {
            entry.names.clear();
            entry.choices.clear();
            for (const QString &base : std::as_const(entry.choice.names))
                if (const int name = table.base(base); name >= 0)
                    entry.names << name;
            if (!entry.names.isEmpty() && !genderOfWord(table, contact.given))
                entry.gender = table.names()[entry.names.first()].genders.value(0);
        }
        matched << entry;
    }
    return matched;
}

QStringList unusedChoices(const QList<Contact> &contacts, const ContactChoices &choices)
{
    QSet<QString> present;
    for (const Contact &contact : contacts)
        present.insert(contactKey(contact));
    QStringList unused;
    for (auto i = choices.cbegin(); i != choices.cend(); ++i)
        if (!present.contains(i.key()))
            unused << i.key();
    unused.sort();
    return unused;
}

QString greeting(const NameDayTable &table, const Contact &contact)
{
    return greetingFor(table, contact.nicknames.isEmpty() ? contact.given : contact.nicknames.first());
}

QList<const MatchedContact *> celebrating(
    const NameDayTable &table, const QList<MatchedContact> &contacts, int commemoration)
{
    const QString &key = table.commemorations()[commemoration].key;
    QList<const MatchedContact *> found;
    for (const MatchedContact &contact : contacts) {
        const ContactChoice &choice = contact.choice;
        if (!choice.hidden && !choice.month && (choice.days.isEmpty() || choice.days.contains(key))
            && table.celebrates(commemoration, contact.names))
            found << &contact;
    }
    return found;
}

QList<ContactDay> contactDays(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last)
{
    QList<int> everyName;
    bool ownDays = false;
    for (const MatchedContact &contact : contacts) {
        everyName << contact.names;
        ownDays = ownDays || (contact.choice.month && !contact.choice.hidden);
    }
    QList<ContactDay> found;
    if (!everyName.isEmpty()) // no names would be all of them
        for (const NameDay &day : table.between(first, last, everyName)) {
            const Commemoration &row = table.commemorations()[day.commemoration];
            for (const MatchedContact *contact : celebrating(table, contacts, day.commemoration)) {
                QStringList bases;
                for (const int name : contact->names)
                    if (row.names.contains(name))
                        bases << table.names()[name].forms.first();
                found.append({day, contact, bases});
            }
        }
    if (!ownDays)
        return found;
    // The days people set, after the commemorations of their day.
    for (int year = first.year(); year <= last.year(); ++year)
        for (const MatchedContact &contact : contacts)
            if (const ContactChoice &c = contact.choice; c.month && !c.hidden) {
                const NameDay day {NameDayRule {NameDayRule::Fixed, c.month, c.day}.dateIn(year, {}), -1};
                if (day.date >= first && day.date <= last)
                    found.append({day, &contact, {}});
            }
    std::stable_sort(
        found.begin(), found.end(), [](const ContactDay &a, const ContactDay &b) { return a.day.date < b.day.date; });
    return found;
}

QList<FeastRow> contactNameDays(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last)
{
    QList<FeastRow> rows;
    for (const ContactDay &found : contactDays(table, contacts, first, last)) {
        FeastRow row = nameDayRow(found.day, int(rows.size()) + 1);
        const MatchedContact &person = *found.contact;
        row.names = found.bases.join(QStringLiteral(", "));
        row.contact = person.contact.fullName;
        row.greeting = greeting(table, person.contact);
        const QString who = (article(person.gender) + u' ' + row.contact).trimmed();
        row.summary = row.names.isEmpty() ? QStringLiteral("Γιορτάζει %1").arg(who)
                                          : QStringLiteral("Γιορτάζει %1 (%2)").arg(who, row.names);
        rows << row;
    }
    return rows;
}

QString whoCelebrates(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, const QString &when)
{
    QStringList people, names;
    try {
        for (const ContactDay &found : contactDays(table, contacts, day, day))
            people << found.contact->contact.fullName;
    } catch (const EConvertError &) { } // a year without Easter: its fixed days below, without the contacts
    for (const NameDay &named : table.on(day))
        names << table.everydayNames(named.commemoration);
    people.removeDuplicates();
    names.removeDuplicates();
    return names.isEmpty() && people.isEmpty()
        ? QStringLiteral("%1 δεν γιορτάζει κανένα από τα ονόματα του πίνακα.").arg(when)
        : QStringLiteral("%1 γιορτάζουν: %2").arg(when, (people + names).join(QStringLiteral(", ")));
}
