#include "NameDays.h"

#include "DayRule.h"
#include "Exceptions.h"
#include "Misc.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int furthestFromEaster = 100; // days; every rule of the table lies well inside

// Greek letters as ELOT 743 writes them in Latin: first the pairs it writes
// as one, then single letters. The text is folded (no accents, σ only). The
// υ of αυ, ευ and ηυ is v before a vowel or a voiced consonant, else f.
const std::pair<const char16_t *, const char *> greekPairs[]
    = {{u"αι", "ai"}, {u"ει", "ei"}, {u"οι", "oi"}, {u"ου", "ou"}, {u"αυ", "a"}, {u"ευ", "e"}, {u"ηυ", "i"},
        {u"μπ", "mp"}, {u"ντ", "nt"}, {u"γγ", "ng"}, {u"γκ", "gk"}, {u"γξ", "nx"}, {u"γχ", "nch"}};
const char16_t greekLetters[] = u"αβγδεζηθικλμνξοπρστυφχψω";
const char *const latinLetters[] = {"a", "v", "g", "d", "e", "z", "i", "th", "i", "k", "l", "m", "n", "x", "o", "p",
    "r", "s", "t", "y", "f", "ch", "ps", "o"};
const QStringView voicedAfterU = u"αεηιουωβγδζλμνρ";

QString elot743(const QString &folded)
{
    QString latin;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QStringView rest = QStringView(folded).mid(i);
        const auto pair = std::find_if(std::begin(greekPairs), std::end(greekPairs),
            [rest](const auto &p) { return rest.startsWith(QStringView(p.first)); });
        if (pair != std::end(greekPairs)) {
            latin += QLatin1String(pair->second);
            if (rest[1] == u'υ' && rest[0] != u'ο')
                latin += rest.size() > 2 && voicedAfterU.contains(rest[2]) ? u'v' : u'f';
            ++i;
        } else if (const char16_t *letter = std::char_traits<char16_t>::find(greekLetters, 24, folded[i].unicode())) {
            latin += QLatin1String(latinLetters[letter - greekLetters]);
        } else {
            latin += folded[i];
        }
    }
    return latin;
}

bool hasLatin(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.toLatin1() && c.isLetter(); });
}

// The number of letters to change, add or drop to turn one text into the
// other (Levenshtein, a row of the table at a time); any number above limit as
// soon as a whole row exceeds it, since later rows only grow.
qsizetype editDistance(const QString &a, const QString &b, qsizetype limit)
{
    std::vector<qsizetype> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        qsizetype least = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            diagonal = std::exchange(row[j], std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])}));
            least = std::min(least, row[j]);
        }
        if (least > limit)
            return least;
    }
    return row[b.size()];
}

// What a typed word is matched by: its Latin spelling reduced when it has Latin
// letters, else the folded Greek.
QString searchKey(const QString &word, bool latin)
{
    return latin ? latinKey(word) : foldGreek(word);
}

// The words of a full or double name: «Άννα-Μαρία Παπά» is Άννα, Μαρία, Παπά.
QStringList wordsOf(const QString &typed)
{
    static const QRegularExpression between(QStringLiteral("[\\s\\-‐–]+"));
    return typed.split(between, Qt::SkipEmptyParts);
}

Exception rowError(int line, const QString &what)
{
    return Exception(QStringLiteral("Πίνακας ονομαστικών εορτών, γραμμή %1: %2").arg(line).arg(what));
}

} // namespace

QString foldGreek(const QString &text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c == u'ς' ? u'σ' : c.toLower();
    return folded.trimmed();
}

QString toLatinLetters(const QString &text)
{
    return elot743(foldGreek(text));
}

QString latinKey(const QString &text)
{
    QString key = toLatinLetters(text);
    key.removeIf([](QChar c) { return c < u'a' || c > u'z'; });
    // Each step's spellings become one; the order matters (ch before c, y before gi).
    static const std::pair<QRegularExpression, QString> steps[] = {
        {QRegularExpression(QStringLiteral("([ae])u(?=[aeiouybgdzlmnrvw])")), QStringLiteral("\\1v")},
        {QRegularExpression(QStringLiteral("([ae])u(?!u)")), QStringLiteral("\\1f")},
        {QRegularExpression(QStringLiteral("th")), QStringLiteral("8")},
        {QRegularExpression(QStringLiteral("ph")), QStringLiteral("f")},
        {QRegularExpression(QStringLiteral("[ck]h")), QStringLiteral("h")},
        {QRegularExpression(QStringLiteral("dh")), QStringLiteral("d")},
        {QRegularExpression(QStringLiteral("ks")), QStringLiteral("x")},
        {QRegularExpression(QStringLiteral("c")), QStringLiteral("k")},
        {QRegularExpression(QStringLiteral("ou")), QStringLiteral("u")},
        {QRegularExpression(QStringLiteral("w")), QStringLiteral("o")},
        {QRegularExpression(QStringLiteral("m[pb]")), QStringLiteral("b")},
        {QRegularExpression(QStringLiteral("nt")), QStringLiteral("d")},
        {QRegularExpression(QStringLiteral("ng|gk")), QStringLiteral("g")},
        {QRegularExpression(QStringLiteral("y(?=[aeiou])")), QStringLiteral("g")},
        {QRegularExpression(QStringLiteral("y")), QStringLiteral("i")},
        {QRegularExpression(QStringLiteral("ai")), QStringLiteral("e")},
        {QRegularExpression(QStringLiteral("[eo]i")), QStringLiteral("i")},
        {QRegularExpression(QStringLiteral("gi(?=[aeiou])")), QStringLiteral("g")},
        {QRegularExpression(QStringLiteral("(.)\\1+")), QStringLiteral("\\1")},
    };
    for (const auto &[spelling, sound] : steps)
        key.replace(spelling, sound);
    return key;
}

QStringList typedLatinKeys(const QString &word)
{
    QString typed = foldGreek(word);
    // Digits that look like a Greek letter: 8 and 0 for θ, 3 for ξ.
    typed.replace(u'8', QStringLiteral("th")).replace(u'0', QStringLiteral("th")).replace(u'3', QStringLiteral("ks"));
    // The letters that may stand for another, and what: h for η where it
    // is not the h of ch, kh, ph or sh (th may be τη, dh δη); j for γι;
    // b for β (else μπ); t for θ. Up to four of them, each either way.
    QList<std::pair<qsizetype, QString>> choices;
    for (qsizetype i = 0; i < typed.size() && choices.size() < 4; ++i) {
        const QChar c = typed[i], before = i > 0 ? typed[i - 1] : QChar(),
                    after = i + 1 < typed.size() ? typed[i + 1] : QChar();
        if (c == u'h' && !QStringLiteral("ckps").contains(before))
            choices.append({i, QStringLiteral("i")});
        else if (c == u'j')
            choices.append({i, QStringLiteral("gi")});
        else if (c == u'b')
            choices.append({i, QStringLiteral("v")});
        else if (c == u't' && !QStringLiteral("hsz").contains(after))
            choices.append({i, QStringLiteral("th")});
    }
    QStringList keys;
    for (int choice = 0; choice < 1 << choices.size(); ++choice) {
        QString reading = typed;
        for (qsizetype bit = choices.size() - 1; bit >= 0; --bit) // from the end: positions stay put
            if (choice & 1 << bit)
                reading.replace(choices[bit].first, 1, choices[bit].second);
        const QString key = latinKey(reading);
        keys << key;
        // ev and ef before a consonant, as people hear them rather than as ELOT writes them.
        static const QRegularExpression evef(QStringLiteral("([ae])([vf])(?=[^aeiou])"));
        QString other = key;
        for (auto m = evef.globalMatch(key); m.hasNext();) {
            const auto found = m.next();
            other[found.capturedStart(2)] = found.captured(2) == u"v" ? u'f' : u'v';
        }
        keys << other;
    }
    keys.removeDuplicates();
    return keys;
}

QDate NameDayRule::dateIn(int year, QDate easter) const
{
    QDate date;
    if (kind == FromEaster) {
        date = easter.addDays(offset);
    } else {
        date = QDate(year, month, day);
        if (!date.isValid() && month == 2 && day == 29 && year != 0)
            date = QDate(year, 2, 28);
        if (kind == FixedOrAfterEaster && date <= easter.addDays(limit))
            date = easter.addDays(offset);
    }
    return date.year() >= 1 && date.year() <= 9999 ? date : QDate();
}

NameDayTable::NameDayTable(const QString &text)
{
    static const QRegularExpression fixed(QStringLiteral("^(\\d\\d)-(\\d\\d)$"));
    static const QRegularExpression fromEaster(QStringLiteral("^Π([+-]\\d+)$"));
    static const QRegularExpression moved(QStringLiteral("^(\\d\\d)-(\\d\\d)/Π([+-]\\d+)/Π([+-]\\d+)$"));
    const QStringList lines = text.split(u'\n');
    for (int line = 1; line <= lines.size(); ++line) {
        const QString row = lines[line - 1].trimmed();
        if (row.isEmpty() || row.startsWith(u'#'))
            continue;
        const QStringList fields = row.split(u'|');
        if (fields.size() != 3)
            throw rowError(line, QStringLiteral("χρειάζεται κανόνας | μνήμη | ονόματα."));
        Commemoration commemoration;
        const QString rule = fields[0].trimmed();
        NameDayRule &r = commemoration.rule;
        if (const auto m = fixed.match(rule); m.hasMatch()) {
            r = {NameDayRule::Fixed, m.captured(1).toInt(), m.captured(2).toInt()};
        } else if (const auto e = fromEaster.match(rule); e.hasMatch()) {
            r = {.kind = NameDayRule::FromEaster, .offset = e.captured(1).toInt()};
        } else if (const auto o = moved.match(rule); o.hasMatch()) {
            r = {NameDayRule::FixedOrAfterEaster, o.captured(1).toInt(), o.captured(2).toInt(), o.captured(3).toInt(),
                o.captured(4).toInt()};
        } else {
            throw rowError(line, QStringLiteral("άγνωστος κανόνας «%1».").arg(rule));
        }
        if ((r.kind != NameDayRule::FromEaster && !QDate(2000, r.month, r.day).isValid())
            || std::max(std::abs(r.limit), std::abs(r.offset)) > furthestFromEaster)
            throw rowError(line, QStringLiteral("ο κανόνας «%1» δεν δίνει ημέρα.").arg(rule));
        commemoration.title = fields[1].trimmed();
        if (commemoration.title.isEmpty())
            throw rowError(line, QStringLiteral("λείπει η μνήμη."));
        commemoration.key = rule + u' ' + commemoration.title;
        addNames(fields[2], commemoration, line);
        rows.append(commemoration);
    }
    checkShared();
    for (const Commemoration &row : std::as_const(rows))
        addRowText(row);
    builtInRows = rows.size();
    builtInNames = nameList.size();
    builtInKeys = keys.size();
}

// A row shows every form of its names, wherever the forms were listed.
void NameDayTable::addRowText(const Commemoration &row)
{
    QStringList forms;
    for (const int name : row.names)
        forms += nameList[name].forms;
    texts << row.title + QStringLiteral(" (") + forms.join(QStringLiteral(", ")) + u')';
}

void NameDayTable::addNames(const QString &field, Commemoration &row, int line)
{
    // Greek letters, or for the forms after "=" Latin ones, and a "*" at most at the end.
    const auto isName = [](QStringView form, bool latin) {
        form = form.endsWith(u'*') ? form.chopped(1) : form;
        return !form.isEmpty() && std::all_of(form.begin(), form.end(), [latin](QChar c) {
            return latin ? (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') : c.script() == QChar::Script_Greek;
        });
    };
    // A form with its article, "ο" or "η", when it has one; else of the gender given.
    const auto gendered = [line](QString form, std::optional<Gender> gender) -> std::pair<QString, Gender> {
        form = form.trimmed();
        for (const auto &[article, said] : {std::pair {u"ο ", Gender::Man}, std::pair {u"η ", Gender::Woman}})
            if (form.startsWith(article))
                return {form.mid(2).trimmed(), said};
        if (!gender)
            throw rowError(line,
                QStringLiteral("το «%1» χρειάζεται άρθρο: «ο» για όνομα άνδρα, «η» για όνομα γυναίκας.").arg(form));
        return {form, *gender};
    };
    for (const QString &group : field.split(u';')) {
        const QString greek = group.section(u'=', 0, 0);
        QStringList forms = greek.section(u':', 1).split(u',', Qt::SkipEmptyParts);
        const auto [base, gender] = gendered(greek.section(u':', 0, 0), std::nullopt);
        if (base.endsWith(u'*'))
            throw rowError(
                line, QStringLiteral("το «%1» είναι βασικό όνομα· μόνο τα υποκοριστικά μοιράζονται.").arg(base));
        forms.prepend(base);
        int name = baseIndex.value(base, -1);
        if (name < 0) {
            name = int(nameList.size());
            baseIndex.insert(base, name);
            nameList.append(Name {});
        } else if (nameList[name].genders.value(0) != gender) {
            throw rowError(line, QStringLiteral("το «%1» γράφτηκε αλλού με άλλο άρθρο.").arg(base));
        }
        if (row.names.contains(name))
            throw rowError(line, QStringLiteral("το «%1» γράφτηκε δύο φορές.").arg(base));
        row.names.append(name);
        QStringList foreign = group.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
        for (const auto &[list, isForeign] : {std::pair {&forms, false}, std::pair {&foreign, true}}) {
            for (const QString &written : *list) {
                auto [form, formGender] = gendered(written, gender);
                if (!isName(form, isForeign))
                    throw rowError(line,
                        (isForeign ? QStringLiteral("το «%1» μετά το = δεν είναι όνομα με λατινικά γράμματα.")
                                   : QStringLiteral("το «%1» δεν είναι όνομα με ελληνικά γράμματα."))
                            .arg(form));
                const bool isShared = form.endsWith(u'*');
                form.chop(isShared);
                addForm(form, formGender, isForeign, name, isShared, line);
            }
        }
    }
}

void NameDayTable::addForm(const QString &form, Gender gender, bool foreign, int name, bool isShared, int line)
{
    const auto owner = formOwner.constFind(form);
    if (owner != formOwner.cend() && owner->first == name)
        return;
    if (owner != formOwner.cend() && !(isShared && owner->second))
        throw rowError(line,
            QStringLiteral("το «%1» ανήκει και στο «%2»· αν μπορεί να σημαίνει και τα δύο, "
                           "σημειώστε το με * και στα δύο.")
                .arg(form, nameList[owner->first].forms.first()));
    if (owner == formOwner.cend())
        formOwner.insert(form, {name, isShared});
    if (isShared)
        sharedLines[form] << line;
    if (foreign) {
        nameList[name].foreign.append(form);
    } else {
        nameList[name].forms.append(form);
        nameList[name].genders.append(gender);
    }
    keys.append({foreign ? QString() : foldGreek(form), form, name});
}

// A nickname marked as shared stands for two names at least: marked at one
// name alone, it would make that name's bearers choose among one.
void NameDayTable::checkShared() const
{
    for (auto i = sharedLines.cbegin(); i != sharedLines.cend(); ++i)
        if (i->size() < 2)
            throw rowError(
                i->first(), QStringLiteral("το «%1» σημειώνεται με * αλλά ανήκει μόνο σε ένα όνομα.").arg(i.key()));
}

bool NameDayTable::shared(const QString &form) const
{
    return sharedLines.contains(form);
}

Gender NameDayTable::genderOf(int name, const QString &form) const
{
    const Name &n = nameList[name];
    return n.genders.value(std::max<qsizetype>(0, n.forms.indexOf(form)));
}

const QList<QStringList> &NameDayTable::latinSpellings() const
{
    for (qsizetype key = spellingCache.size(); key < keys.size(); ++key) {
        // η is written i or e (Dimitrios, Demetrios): every way for up to three of them.
        const QString folded = foldGreek(keys[key].form);
        QList<qsizetype> etas;
        for (qsizetype i = 0; i < folded.size() && etas.size() < 3; ++i)
            if (folded[i] == u'η')
                etas << i;
        QStringList spellings;
        for (int choice = 0; choice < 1 << etas.size(); ++choice) {
            QString spelled = folded;
            for (int bit = 0; bit < etas.size(); ++bit)
                if (choice & 1 << bit)
                    spelled[etas[bit]] = u'ε';
            spellings << latinKey(spelled);
        }
        spellings.removeDuplicates();
        spellingCache << spellings;
    }
    return spellingCache;
}

namespace {

NameDayTable &compiledIn()
{
    static NameDayTable table = [] {
        try {
            return NameDayTable(NameDayTable::builtInText());
        } catch (const Exception &e) {
            qCritical("%s", e.what()); // the tests read the table; a program never meets this
            return NameDayTable(QString());
        }
    }();
    return table;
}

} // namespace

const NameDayTable &NameDayTable::builtIn()
{
    return compiledIn();
}

void NameDayTable::setOwnNames(const QList<OwnName> &own)
{
    NameDayTable &table = compiledIn();
    // What the last own names added goes first.
    table.rows.resize(table.builtInRows);
    table.texts.resize(table.builtInRows);
    table.nameList.resize(table.builtInNames);
    table.keys.resize(table.builtInKeys);
    table.spellingCache.resize(std::min(table.spellingCache.size(), table.builtInKeys));
    table.baseIndex.removeIf([&](const auto &entry) { return entry.value() >= table.builtInNames; });
    table.formOwner.removeIf([&](const auto &entry) { return entry.value().first >= table.builtInNames; });
    for (const OwnName &added : own) {
        const QString name = added.name.simplified();
        const bool letters = !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
            return c.isLetter() && (c.script() == QChar::Script_Greek || c.script() == QChar::Script_Latin);
        });
        if (!letters)
            throw Exception(
                QStringLiteral("Το «%1» δεν είναι όνομα: μία λέξη με ελληνικά ή λατινικά γράμματα.").arg(name));
        if (!QDate(2000, added.month, added.day).isValid())
            throw Exception(QStringLiteral("Η ημέρα %1/%2 δεν υπάρχει.").arg(added.day).arg(added.month));
        if (table.baseIndex.contains(name) || !table.whole(name).isEmpty())
            continue; // the table, or an earlier own name, knows it
        Commemoration row {
            {NameDayRule::Fixed, added.month, added.day}, QStringLiteral("Όνομα που προσθέσατε"), {}, {}};
        row.key = QStringLiteral("%1-%2 %3")
                      .arg(added.month, 2, 10, QChar(u'0'))
                      .arg(added.day, 2, 10, QChar(u'0'))
                      .arg(name);
        row.names << int(table.nameList.size());
        table.baseIndex.insert(name, row.names.first());
        table.nameList.append(Name {});
        table.addForm(name, added.gender, false, row.names.first(), false, 0);
        table.rows << row;
        table.addRowText(row);
    }
}

QString NameDayTable::builtInText()
{
    return builtInData(QStringLiteral("namedays.txt"));
}

QList<NameDay> NameDayTable::inYear(int year, QDate easter) const
{
    QList<NameDay> days;
    for (int i = 0; i < rows.size(); ++i)
        if (const QDate date = rows[i].rule.dateIn(year, easter); date.isValid())
            days.append({date, i});
    std::stable_sort(days.begin(), days.end(), [](const NameDay &a, const NameDay &b) { return a.date < b.date; });
    return days;
}

QList<int> NameDayTable::find(const QString &typed, bool prefix) const
{
    QList<int> names;
    for (const FoundName &found : findForms(typed, prefix))
        names << found.name;
    return names;
}

QList<FoundName> NameDayTable::findForms(const QString &typed, bool prefix) const
{
    const QStringList words = wordsOf(typed);
    QList<FoundName> found;
    QList<bool> seen(nameList.size());
    for (const QString &word : words) {
        // The text as typed, and the whole names it may be the vocative of:
        // without its final s (Κώστα, Niko), or with -ε for -ος (Αλέξανδρε).
        const bool latin = hasLatin(word);
        const auto keysOf
            = [latin](const QString &text) { return latin ? typedLatinKeys(text) : QStringList {foldGreek(text)}; };
        const QString wanted = searchKey(word, latin);
        if (wanted.isEmpty())
            continue;
        QStringList whole = keysOf(word + (latin ? u's' : u'ς'));
        if (wanted.endsWith(latin ? u'e' : u'ε'))
            whole << keysOf(word.chopped(1) + (latin ? QStringLiteral("os") : QStringLiteral("ος")));
        QStringList starts = keysOf(word);
        if (latin) // x is ξ in ELOT 743, χ as many type it
            for (const QString &key : QStringList(starts))
                if (key.contains(u'x'))
                    starts << QString(key).replace(u'x', u'h');
        const bool begins = prefix && words.size() == 1; // later words of a full name are whole
        const auto matches = [&](const QString &form) {
            return std::any_of(starts.begin(), starts.end(), [&](const QString &s) {
                return begins ? form.startsWith(s) : form == s;
            }) || whole.contains(form);
        };
        const QList<QStringList> &spellings = latin ? latinSpellings() : QList<QStringList>();
        for (qsizetype key = 0; key < keys.size(); ++key) {
            const Key &k = keys[key];
            const bool match = latin ? std::any_of(spellings[key].begin(), spellings[key].end(), matches)
                                     : !k.greek.isEmpty() && matches(k.greek);
            if (match && !std::exchange(seen[k.name], true))
                found.append({k.name, k.form});
        }
    }
    return found;
}

bool NameDayTable::celebrates(int commemoration, const QList<int> &names) const
{
    const QList<int> &celebrated = rows[commemoration].names;
    return std::any_of(names.begin(), names.end(), [&](int name) { return celebrated.contains(name); });
}

QList<NameDay> NameDayTable::between(QDate first, QDate last, const QList<int> &names) const
{
    QList<NameDay> days;
    for (int year = first.year(); year <= last.year(); ++year)
        for (const NameDay &day : inYear(year, toQDate(EasterDate(year))))
            if (day.date >= first && day.date <= last && (names.isEmpty() || celebrates(day.commemoration, names)))
                days << day;
    return days;
}

QList<NameDay> NameDayTable::on(QDate day, bool *withoutEaster) const
{
    try {
        return between(day, day);
    } catch (const EConvertError &) {
        if (withoutEaster)
            *withoutEaster = true;
    }
    QList<NameDay> fixed;
    for (const NameDay &named : inYear(day.year(), QDate()))
        if (named.date == day)
            fixed << named;
    return fixed;
}

QStringList NameDayTable::closest(const QString &typed, int count) const
{
    QList<std::pair<qsizetype, QString>> near;
    for (const QString &word : wordsOf(typed)) {
        const bool latin = hasLatin(word); // each word of a full name on its own
        const QString wanted = searchKey(word, latin);
        const qsizetype most = std::min<qsizetype>(2, wanted.size() / 3); // letters that may differ
        const QList<QStringList> &spellings = latin ? latinSpellings() : QList<QStringList>();
        for (qsizetype index = 0; index < keys.size(); ++index) {
            const Key &key = keys[index];
            for (const QString &form : latin ? spellings[index] : QStringList {key.greek}) {
                if (form.isEmpty() || std::abs(form.size() - wanted.size()) > most) // long text stays cheap
                    continue;
                if (const qsizetype distance = editDistance(wanted, form, most); distance <= most)
                    near.append({distance, key.form});
            }
        }
    }
    std::sort(near.begin(), near.end());
    QStringList forms;
    for (const auto &[distance, form] : near)
        if (forms.size() < count && !forms.contains(form))
            forms << form;
    return forms;
}

QString NameDayTable::baseNames(int commemoration, const QList<FoundName> &found) const
{
    QStringList first, rest;
    for (const int name : rows[commemoration].names) {
        const QString &base = nameList[name].forms.first();
        const auto hit
            = std::find_if(found.begin(), found.end(), [name](const FoundName &f) { return f.name == name; });
        if (hit == found.end())
            rest << base;
        else
            first << (nameList[name].forms.contains(hit->form) && hit->form != base
                    ? QStringLiteral("%1 (%2)").arg(base, hit->form)
                    : base);
    }
    return (first + rest).join(QStringLiteral(", "));
}

QStringList NameDayTable::everydayNames(int commemoration) const
{
    QStringList names;
    for (const int name : rows[commemoration].names)
        names << nameList[name].forms.mid(0, 2);
    return names;
}

NameSearch searchNames(const NameDayTable &table, const QString &typed)
{
    NameSearch search {table.findForms(typed, true), {}};
    const QString text = typed.trimmed();
    if (text.isEmpty() || !search.found.isEmpty())
        return search;
    QStringList links;
    for (const QString &name : table.closest(text))
        links << QStringLiteral("<a href=\"%1\">%1</a>").arg(name.toHtmlEscaped());
    search.hint = QStringLiteral("Κανένα όνομα του εορτολογίου δεν αρχίζει από «%1».").arg(text.toHtmlEscaped())
        + (links.isEmpty() ? QString() : QStringLiteral(" Μήπως εννοείτε: %1;").arg(links.join(QStringLiteral(", "))));
    return search;
}
