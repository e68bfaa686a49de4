#include "Contacts.h"

#include "DateUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

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

// Whether a property's value is base64 that a 2.1 writer may go on with,
// unindented, until a blank line.
bool isBase64(const QByteArray &line)
{
    const qsizetype colon = unquoted(line, ':');
    const QByteArray params = colon > 0 ? line.left(colon).toUpper() : QByteArray();
    return params.contains("BASE64") || params.contains("ENCODING=B;") || params.endsWith("ENCODING=B");
}

// A line that holds nothing but what files pick up at their end or where two
// were joined: white space, a DOS end-of-file mark (Ctrl-Z), NUL padding, a
// byte-order mark.
bool isJunk(QByteArray line)
{
    line.replace("\xEF\xBB\xBF", "");
    return std::all_of(
        line.begin(), line.end(), [](char c) { return c == '\x1A' || c == '\0' || c == ' ' || c == '\t'; });
}

// The logical lines of the text with the number of the physical line each
// begins on:
// - a quoted-printable value ending in "=" goes on in the next line (a soft
//   line break), whatever that line begins with, unless it begins or ends
//   a card;
// - a line that begins with a space or tab continues the one before (a fold):
//   in 3.0 and 4.0 without that first space, in 2.1 with it, as 2.1 folds
//   only where there is white space;
// - a base64 value goes on in the lines without ":" after it, to a blank line (2.1);
// - blank lines and junk between cards are dropped, and a byte-order mark
//   before a card.
QList<std::pair<QByteArray, int>> unfold(const QByteArray &text)
{
    QList<std::pair<QByteArray, int>> lines;
    int number = 0;
    bool v21 = false, base64 = false; // of the card, and the line, being unfolded
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const QByteArray physical = text.mid(start, end - start), trimmed = physical.trimmed().toUpper();
        start = end + (text.mid(end, 2) == "\r\n" ? 2 : 1);
        ++number;
        QByteArray *last = lines.isEmpty() ? nullptr : &lines.last().first;
        const bool card = trimmed == "END:VCARD" || trimmed == "BEGIN:VCARD";
        if (last && !card && last->endsWith('=') && isQuotedPrintable(*last)) {
            last->chop(1);
            *last += physical;
        } else if (last && (physical.startsWith(' ') || physical.startsWith('\t'))) {
            *last += v21 ? physical : physical.mid(1);
        } else if (last && base64 && !trimmed.isEmpty() && !physical.contains(':')) {
            *last += physical;
        } else if (!isJunk(physical)) {
            lines.append({physical.startsWith("\xEF\xBB\xBF") ? physical.mid(3) : physical, number});
            const QByteArray line = lines.last().first.trimmed().toUpper();
            v21 = line.startsWith("VERSION:") ? line.mid(8).trimmed() == "2.1" : v21 && line != "BEGIN:VCARD";
            base64 = isBase64(line);
        }
        base64 = base64 && !trimmed.isEmpty();
    }
    return lines;
}

QByteArray fromQuotedPrintable(const QByteArray &value)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QByteArray hex = value[i] == '=' ? value.mid(i + 1, 2) : QByteArray();
        bool ok = false;
        const int code = hex.toInt(&ok, 16);
        if (ok && hex.size() == 2) {
            bytes += char(code);
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

// The Greek code pages of older Windows and Unix programs, from 0xA0 on, as
// their standards give them (0 where a byte stands for nothing). Below 0x80
// both are ASCII; 0x80-0x9F are Windows-1253's punctuation, ISO 8859-7's C1
// controls. Qt knows neither where it is built without ICU, as on Windows.
constexpr char16_t windows1253High[32] = {u'€', 0, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', 0, u'‰', 0, u'‹', 0, 0, 0, 0, 0,
    u'‘', u'’', u'“', u'”', u'•', u'–', u'—', 0, u'™', 0, u'›', 0, 0, 0, 0};
constexpr char16_t windows1253Symbols[32]
    = {0xA0, u'΅', u'Ά', u'£', u'¤', u'¥', u'¦', u'§', u'¨', u'©', u'ª', u'«', u'¬', 0xAD, u'®', u'―', u'°', u'±', u'²',
        u'³', u'΄', u'µ', u'¶', u'·', u'Έ', u'Ή', u'Ί', u'»', u'Ό', u'½', u'Ύ', u'Ώ'};
constexpr char16_t iso8859_7Symbols[32] = {0xA0, u'‘', u'’', u'£', u'€', u'₯', u'¦', u'§', u'¨', u'©', u'ͺ', u'«', u'¬',
    0xAD, 0, u'―', u'°', u'±', u'²', u'³', u'΄', u'΅', u'Ά', u'·', u'Έ', u'Ή', u'Ί', u'»', u'Ό', u'½', u'Ύ', u'Ώ'};

// The bytes in one of the two Greek code pages; nothing when one of them
// stands for no character there.
std::optional<QString> fromGreekCodePage(const QByteArray &bytes, bool iso)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        // 0xC0-0xFE are the letters ΐ to ώ in both, in Unicode's order; 0xD2 is none.
        const char16_t c = b < 0x80  ? b
            : b < 0xA0               ? (iso ? b : windows1253High[b - 0x80])
            : b < 0xC0               ? (iso ? iso8859_7Symbols : windows1253Symbols)[b - 0xA0]
            : b != 0xD2 && b != 0xFF ? char16_t(0x0390 + b - 0xC0)
                                     : 0;
        if (c == 0 && b != 0)
            return std::nullopt;
        text += QChar(c);
    }
    return text;
}

bool isGreekCodePage(const QByteArray &charset, bool *iso)
{
    const QByteArray name = charset.toUpper().replace('_', '-');
    *iso = name == "ISO-8859-7" || name == "ISO8859-7" || name == "ELOT-928";
    return *iso || name == "WINDOWS-1253" || name == "CP1253";
}

// A vCard's text with its escapes as what they stand for: in 3.0 and 4.0
// "\n", "\,", "\;" and "\\"; in 2.1 only "\;", the one escape it has.
QString unescaped(const QString &text, bool v21)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && (!v21 || text[i + 1] == u';')) {
            const QChar next = text[++i];
            result += next == u'n' || next == u'N' ? QChar(u'\n') : next;
        } else {
            result += text[i];
        }
    }
    return result;
}

// The fields of a structured or list value, split where c is not escaped.
QStringList fields(const QString &text, QChar c, bool v21)
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
    std::transform(
        parts.begin(), parts.end(), parts.begin(), [v21](const QString &s) { return unescaped(s, v21).trimmed(); });
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
        // Text that is not UTF-8 but reads whole in a Greek code page is in
        // it: older Greek Outlook and phone exports name no CHARSET. The two
        // differ where Greek capitals bear an accent: Ά is 0xA2 in Windows-1253, 0xB6 in ISO 8859-7.
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)utf8(bytes).operator QString();
        bool iso = bytes.contains('\xB6') && !bytes.contains('\xA2');
        if (utf8.hasError() && fromGreekCodePage(bytes, iso))
            fallback = iso ? "ISO-8859-7" : "WINDOWS-1253";
        lines = unfold(bytes);
    }

    // The Greek code page the text was taken to be in, by its name; empty for
    // UTF-8, and where every value beyond ASCII named its own.
    QString assumedCodePage() const
    {
        return !fallbackUsed           ? QString()
            : fallback == "ISO-8859-7" ? QStringLiteral("ISO 8859-7")
                                       : QStringLiteral("Windows-1253");
    }

    QList<Contact> read()
    {
        // The cards begun and not yet ended, innermost last: an index into
        // contacts, or -1 for a 2.1 AGENT's card, which is not a contact. A
        // bare card inside another is a contact of its own.
        QList<qsizetype> open;
        bool agent = false; // the line before was an AGENT without a value: its card follows
        for (const auto &[text, number] : std::as_const(lines)) {
            if (open.isEmpty() && !text.trimmed().toUpper().startsWith("BEGIN"))
                fail(number, QStringLiteral("αναμενόταν BEGIN:VCARD"));
            const ContentLine line = parse(text, number);
            const bool begin = line.name == "BEGIN", end = line.name == "END";
            const bool card = (begin || end) && decoded(line).trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
            if (open.isEmpty() && !(begin && card))
                fail(number, QStringLiteral("αναμενόταν BEGIN:VCARD"));
            if (begin && card && !open.isEmpty() && (agent || open.last() < 0)) {
                open << -1;
            } else if (begin && card) {
                open << contacts.size();
                contacts.append({{}, {}, {}, {}, number});
                cards.append(Card {});
            } else if (end && card) {
                if (const qsizetype index = open.takeLast(); index >= 0)
                    finish(index);
            } else if (open.last() >= 0) {
                take(open.last(), line);
            }
            agent = line.name == "AGENT" && line.value.trimmed().isEmpty();
        }
        if (!open.isEmpty())
            fail(contacts.value(std::max<qsizetype>(0, open.first())).line,
                QStringLiteral("η επαφή που αρχίζει εδώ δεν κλείνει με END:VCARD"));
        return contacts;
    }

private:
    // What a card holds that its contact does not.
    struct Card
    {
        QStringList n; // its N, in fields
        bool v21 = false;
    };

    [[noreturn]] void fail(int line, const QString &reason) const
    {
        throw Exception(QStringLiteral("Το αρχείο %1 δεν διαβάζεται ως αρχείο επαφών (vCard): γραμμή %2: %3.")
                            .arg(quoted(QFileInfo(fileName).fileName()))
                            .arg(line)
                            .arg(reason));
    }

    // "group.NAME;PARAM=VALUE;...:value", its name and parameters split at
    // each ';' outside quotes in one pass: a line of many parameters costs
    // no more than its length.
    ContentLine parse(const QByteArray &text, int number) const
    {
        const qsizetype colon = unquoted(text, ':');
        if (colon <= 0)
            fail(number, QStringLiteral("η γραμμή δεν είναι της μορφής ΙΔΙΟΤΗΤΑ:ΤΙΜΗ"));
        ContentLine line {{}, text.mid(colon + 1), {}, false, number};
        bool quote = false;
        for (qsizetype from = 0, i = 0; i <= colon; ++i) {
            quote = i < colon && quote != (text[i] == '"');
            if (i < colon && (text[i] != ';' || quote))
                continue;
            const QByteArrayView param = QByteArrayView(text).sliced(from, i - from).trimmed();
            const auto is = [param](QByteArrayView what) { return param.compare(what, Qt::CaseInsensitive) == 0; };
            if (from == 0) {
                line.name = param.toByteArray().toUpper();
                line.name = line.name.mid(line.name.lastIndexOf('.') + 1);
            } else if (is("QUOTED-PRINTABLE") || is("ENCODING=QUOTED-PRINTABLE")) {
                line.quotedPrintable = true;
            } else if (param.size() > 8 && QByteArrayView(param).first(8).compare("CHARSET=", Qt::CaseInsensitive) == 0
                && !is("CHARSET=UTF-8")) {
                line.charset = param.sliced(8).toByteArray().toUpper().replace('"', "");
            }
            from = i + 1;
        }
        return line;
    }

    QString decoded(const ContentLine &line) const
    {
        const QByteArray bytes = line.quotedPrintable ? fromQuotedPrintable(line.value) : line.value;
        const QByteArray charset = line.charset.isEmpty() ? fallback : line.charset;
        if (line.charset.isEmpty() && !fallback.isEmpty()
            && std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; }))
            fallbackUsed = true;
        if (bool iso = false; isGreekCodePage(charset, &iso)) {
            const std::optional<QString> text = fromGreekCodePage(bytes, iso);
            if (!text)
                fail(line.line, QStringLiteral("το κείμενο δεν είναι %1").arg(QString::fromLatin1(charset)));
            return *text;
        }
        QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData());
        if (!decoder.isValid())
            fail(line.line,
                QStringLiteral("άγνωστη κωδικοποίηση χαρακτήρων %1").arg(quoted(QString::fromLatin1(charset))));
        const QString text = decoder(bytes);
        if (decoder.hasError() || text.contains(QChar()))
            fail(line.line, QStringLiteral("το κείμενο δεν είναι UTF-8"));
        return text;
    }

    void take(qsizetype index, const ContentLine &line)
    {
        Contact &contact = contacts[index];
        Card &card = cards[index];
        if (line.name == "VERSION")
            card.v21 = decoded(line).trimmed() == u"2.1";
        else if (line.name == "FN")
            contact.fullName = unescaped(decoded(line), card.v21).simplified();
        else if (line.name == "N")
            card.n = fields(decoded(line), u';', card.v21);
        else if (line.name == "NICKNAME")
            for (const QString &nickname : fields(decoded(line), u',', card.v21))
                contact.nicknames << nickname.simplified();
        else if (line.name == "UID")
            contact.uid = decoded(line).trimmed();
        else if (line.name == "EMAIL" && !decoded(line).trimmed().isEmpty())
            contact.emails << decoded(line).trimmed();
        else if (line.name == "TEL" && !decoded(line).trimmed().isEmpty())
            contact.phones << decoded(line).trimmed();
        else if (line.name == "ORG")
            contact.organization = fields(decoded(line), u';', card.v21).value(0).simplified();
        else if (line.name == "BDAY")
            readBirthday(contact, decoded(line).trimmed());
    }

    // 1985-04-23, 19850423, with a time after T; without a year --04-23 or
    // --0423, and 1604-04-23, the year Apple's programs write for none.
    static void readBirthday(Contact &contact, const QString &text)
    {
        static const QRegularExpression withYear(QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})(T.*)?$")),
            withoutYear(QStringLiteral("^--(\\d{2})-?(\\d{2})(T.*)?$"));
        const QRegularExpressionMatch full = withYear.match(text), part = withoutYear.match(text);
        const int year = full.hasMatch() ? full.captured(1).toInt() : 0;
        const QDate day = full.hasMatch() ? QDate(year, full.captured(2).toInt(), full.captured(3).toInt())
            : part.hasMatch()             ? QDate(2000, part.captured(1).toInt(), part.captured(2).toInt())
                                          : QDate();
        contact.birthYear = full.hasMatch() && day.isValid() && year != 1604;
        contact.birthday = contact.birthYear || !day.isValid() ? day : QDate(2000, day.month(), day.day());
        contact.notADate = day.isValid() || text.isEmpty() ? QString() : text;
    }

    // The given names of N ("Άννα,Μαρία" for two), else the first word of FN;
    // the full name from N when there is no FN.
    void finish(qsizetype index)
    {
        Contact &contact = contacts[index];
        const QStringList &n = cards[index].n;
        const QString given = n.value(1).replace(u',', u' ').simplified();
        contact.given = given.isEmpty() ? contact.fullName.section(u' ', 0, 0) : given;
        if (contact.fullName.isEmpty())
            contact.fullName
                = QStringList {n.value(3), given, n.value(2), n.value(0), n.value(4)}.join(u' ').simplified();
        contact.nicknames.removeAll(QString());
    }

    QString fileName;
    QByteArray fallback; // the charset of the values that name none, when the text is not UTF-8
    mutable bool fallbackUsed = false; // a value naming none had a byte beyond ASCII
    QList<std::pair<QByteArray, int>> lines;
    QList<Contact> contacts;
    QList<Card> cards; // beside contacts
};

} // namespace

QList<Contact> readVCards(const QByteArray &text, const QString &fileName, QString *codePage)
{
    VCardReader reader(text, fileName);
    QList<Contact> contacts = reader.read();
    if (codePage)
        *codePage = reader.assumedCodePage();
    return contacts;
}

QString codePageNote(const QString &codePage)
{
    return QStringLiteral("Το αρχείο δεν δηλώνει κωδικοποίηση και διαβάστηκε ως %1.").arg(codePage);
}

QList<Contact> readContactsFile(const QString &path, QString *codePage)
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
    const QList<Contact> contacts = readVCards(file.read(largestFile), path, codePage);
    if (contacts.isEmpty())
        throw Exception(QStringLiteral("Το αρχείο %1 δεν περιέχει καμία επαφή (vCard).").arg(name));
    return contacts;
}

QString shownName(const Contact &contact)
{
    if (!contact.fullName.isEmpty())
        return contact.fullName;
    const QString what = !contact.emails.isEmpty() ? contact.emails.first()
        : !contact.phones.isEmpty()                ? contact.phones.first()
                                                   : contact.organization;
    return what.isEmpty() ? QStringLiteral("χωρίς όνομα") : QStringLiteral("χωρίς όνομα: %1").arg(what);
}

QString contactKey(const Contact &contact)
{
    return contact.uid.isEmpty() ? shownName(contact) : contact.uid;
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

// The name a contact is called by: the first nickname, else the given name.
static QString calledBy(const Contact &contact)
{
    return contact.nicknames.isEmpty() ? contact.given : contact.nicknames.first();
}

QString greeting(const NameDayTable &table, const Contact &contact)
{
    return greetingFor(table, calledBy(contact));
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

QList<ContactDay> contactDays(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last, bool birthdays)
{
    QList<int> everyName;
    bool ownDays = false;
    for (const MatchedContact &contact : contacts) {
        everyName << contact.names;
        ownDays = ownDays || (contact.choice.month && !contact.choice.hidden)
            || (birthdays && contact.contact.birthday.isValid() && !contact.choice.noBirthday);
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
    // The days people set, and the birthdays, after the commemorations of their day.
    for (int year = first.year(); year <= last.year(); ++year) {
        for (const MatchedContact &contact : contacts) {
            const ContactChoice &c = contact.choice;
            const auto on = [&](int month, int day) {
                const QDate date = NameDayRule {NameDayRule::Fixed, month, day}.dateIn(year, {});
                return date >= first && date <= last ? date : QDate();
            };
            if (c.hidden)
                continue;
            if (const QDate date = c.month ? on(c.month, c.day) : QDate(); date.isValid())
                found.append({{date, -1}, &contact, {}});
            const QDate born = contact.contact.birthday;
            const int age = contact.contact.birthYear ? year - born.year() : 0;
            if (const QDate date
                = birthdays && born.isValid() && !c.noBirthday && age >= 0 ? on(born.month(), born.day()) : QDate();
                date.isValid())
                found.append({{date, -1}, &contact, {}, true, age});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const ContactDay &a, const ContactDay &b) {
        return a.day.date < b.day.date || (a.day.date == b.day.date && !a.birthday && b.birthday);
    });
    return found;
}

QString dayOf(const ContactDay &found)
{
    return found.birthday
        ? (found.age ? QStringLiteral("γενέθλια, %1 ετών").arg(found.age) : QStringLiteral("γενέθλια"))
        : found.bases.isEmpty() ? QStringLiteral("ημέρα που ορίσατε")
                                : found.bases.join(QStringLiteral(", "));
}

QString greeting(const NameDayTable &table, const ContactDay &found)
{
    const QString called = calledBy(found.contact->contact);
    // a contact known only by a number or an address is wished without a name
    return !found.birthday ? greetingFor(table, called)
        : called.isEmpty() ? QStringLiteral("Χρόνια πολλά για τα γενέθλιά σου!")
                           : QStringLiteral("Χρόνια πολλά για τα γενέθλιά σου, %1!").arg(vocative(table, called));
}

namespace {

// A contact as the day's lines name them: the full name, «(γενέθλια)» after it on a birthday.
QString who(const ContactDay &found)
{
    return shownName(found.contact->contact) + (found.birthday ? QStringLiteral(" (γενέθλια)") : QString());
}

} // namespace

QList<FeastRow> contactNameDays(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last, bool birthdays)
{
    QList<FeastRow> rows;
    for (const ContactDay &found : contactDays(table, contacts, first, last, birthdays)) {
        FeastRow row = nameDayRow(found.day, int(rows.size()) + 1);
        const MatchedContact &person = *found.contact;
        row.names = found.bases.join(QStringLiteral(", "));
        row.contact = shownName(person.contact);
        row.greeting = greeting(table, found);
        if (found.birthday) {
            const QString age = found.age ? QStringLiteral("%1 ετών").arg(found.age) : QString();
            row.feast = row.commemoration
                = age.isEmpty() ? QStringLiteral("Γενέθλια") : QStringLiteral("Γενέθλια, %1").arg(age);
            row.summary = QStringLiteral("Γενέθλια: %1").arg(row.contact)
                + (age.isEmpty() ? QString() : QStringLiteral(", ") + age);
            rows << row;
            continue;
        }
        const QString who = (article(person.gender) + u' ' + row.contact).trimmed();
        row.summary = row.names.isEmpty() ? QStringLiteral("Γιορτάζει %1").arg(who)
                                          : QStringLiteral("Γιορτάζει %1 (%2)").arg(who, row.names);
        rows << row;
    }
    return rows;
}

QString whoCelebrates(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, const QString &when, bool birthdays)
{
    QStringList people, names;
    try {
        for (const ContactDay &found : contactDays(table, contacts, day, day, birthdays))
            people << who(found);
    } catch (const EConvertError &) { } // a year without Easter: its fixed days below, without the contacts
    for (const NameDay &named : table.on(day))
        names << table.everydayNames(named.commemoration);
    people.removeDuplicates();
    names.removeDuplicates();
    return names.isEmpty() && people.isEmpty()
        ? QStringLiteral("%1 δεν γιορτάζει κανένα από τα ονόματα του πίνακα.").arg(when)
        : QStringLiteral("%1 γιορτάζουν: %2").arg(when, (people + names).join(QStringLiteral(", ")));
}

QString morningText(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, bool birthdays)
{
    QStringList tomorrow;
    try {
        for (const ContactDay &found : contactDays(table, contacts, day.addDays(1), day.addDays(1), birthdays))
            tomorrow << who(found);
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    tomorrow.removeDuplicates();
    const QString today = whoCelebrates(table, contacts, day, QStringLiteral("Σήμερα"), birthdays);
    return tomorrow.isEmpty() ? today : today + QStringLiteral("\nΑύριο: ") + tomorrow.join(QStringLiteral(", "));
}

QList<Wish> wishes(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, bool birthdays)
{
    QList<Wish> found;
    try {
        for (const ContactDay &d : contactDays(table, contacts, day, day.addDays(1), birthdays))
            found.append({QStringLiteral("%1: %2 (%3)")
                              .arg(d.day.date == day ? QStringLiteral("Σήμερα") : QStringLiteral("Αύριο"),
                                  shownName(d.contact->contact), dayOf(d)),
                greeting(table, d)});
    } catch (const EConvertError &) { } // past the last Easter that can be dated
    return found;
}
