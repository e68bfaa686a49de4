#include "Greeting.h"

#include <algorithm>

namespace {

// The syllables of a word, each with whether it is stressed: a vowel, or a
// pair of letters that is one sound (αι, ει, οι, ου, αυ, ευ), or an unstressed
// ι after a consonant with the vowel after it (Γιαν-νός, Μα-θιός, Στυ-λια-νός).
QList<bool> syllables(const QString &word)
{
    static const QString plain = QStringLiteral("αεηιουω"), stressed = QStringLiteral("άέήίόύώΐΰ");
    const auto isVowel = [](QChar c) { return plain.contains(c) || stressed.contains(c) || c == u'ϊ' || c == u'ϋ'; };
    QList<bool> found;
    const QString lower = word.toLower();
    for (qsizetype i = 0; i < lower.size(); ++i) {
        const QChar c = lower[i];
        if (!isVowel(c))
            continue;
        const QChar next = i + 1 < lower.size() ? lower[i + 1] : QChar();
        const bool pair = QStringLiteral("αεο").contains(c) && QStringLiteral("ιυίύ").contains(next);
        const bool glide = c == u'ι' && i > 0 && !isVowel(lower[i - 1]) && isVowel(next);
        found << (stressed.contains(c) || ((pair || glide) && stressed.contains(next)));
        i += pair || glide ? 1 : 0;
    }
    return found;
}

// Replaces the last letters of a word by others in the same case.
QString withEnding(const QString &word, qsizetype drop, const QString &ending)
{
    const bool upper = !word.isEmpty() && word.back().isUpper();
    return word.chopped(std::min(drop, word.size()))
        + (upper ? foldGreek(ending).toUpper() : ending); // capitals bear no accent
}

// The vocative of a form of a name, in Greek letters, as its bearers are
// called. The endings, as the nominative is written:
//
//   a woman's name
//     -ίς -ΐς -άς    her form in -α if the table has one, else -ίδα -άδα:
//                    Ελπίς Ελπίδα, Θωμαΐς Θωμαΐδα, Ολυμπιάς Ολυμπιάδα
//     -ις            without its ς: Άρτεμις Άρτεμι, Θέτις Θέτι
//     any other      as it is: Μαρία, Ελισάβετ, Αργυρώ
//   a man's name
//     -ός            of three syllables or more -έ (Στυλιανέ, Γερμανέ),
//                    of two -ό (Μαθιό, Γιαννό)
//     -ιος           after two syllables or more -ιε (Δημήτριε, Γεώργιε),
//                    after one -ιο (Στέλιο, Μάριο)
//     -ος            stressed before its last two syllables -ε (Αλέξανδρε,
//                    Θεόδωρε, Νικόλαε); else -ο, as people say it
//                    (Γιώργο, Πέτρο, Κυριάκο, Κωνσταντίνο)
//     -ων -ών -ωρ    his everyday form in -ας that begins the same, without
//                    its ς (Ιάσονας Ιάσονα, Λέοντας Λέοντα, Έκτορας Έκτορα);
//                    without one, -ων -ωνα and -ωρ -ορα (Πλάτωνα, Νέστορα),
//                    and a stressed -ών stays (Συμεών)
//     -ς otherwise   without its ς: Δημήτρη, Κώστα, Παντελή, Θωμά, Ανδρέα
//     any other      as it is: Μιχαήλ, Ιωσήφ, Δαβίδ
QString greekVocative(const QString &word, Gender gender, const QStringList &forms)
{
    const QString folded = foldGreek(word);
    if (!folded.endsWith(u'σ') && !folded.endsWith(u"ων") && !folded.endsWith(u"ωρ"))
        return word;
    // A form of the name in -ας that begins as this one does, but for its last two letters.
    const auto everyday = [&](qsizetype keep) {
        const auto found = std::find_if(forms.begin(), forms.end(), [&](const QString &form) {
            const QString f = foldGreek(form);
            return f.endsWith(u"ασ") && f.size() > keep && f.startsWith(folded.left(keep)) && f != folded;
        });
        return found == forms.end() ? QString() : found->chopped(1);
    };
    if (gender == Gender::Woman) {
        if (word.endsWith(u"ίς") || word.endsWith(u"ΐς") || word.endsWith(u"άς")) {
            const QString full = everyday(folded.size() - 1);
            return !full.isEmpty() ? full : withEnding(word, 1, QStringLiteral("δα"));
        }
        return folded.endsWith(u"ισ") ? word.chopped(1) : word;
    }
    const QList<bool> stress = syllables(word);
    const qsizetype stressed = stress.lastIndexOf(true);
    if (folded.endsWith(u"οσ")) {
        if (stress.size() >= 2 && stressed == stress.size() - 1)
            return withEnding(word, 2, stress.size() >= 3 ? QStringLiteral("έ") : QStringLiteral("ό"));
        if (folded.endsWith(u"ιοσ") && !word.endsWith(u"ίος"))
            return withEnding(
                word, 2, syllables(word.chopped(3)).size() >= 2 ? QStringLiteral("ε") : QStringLiteral("ο"));
        const bool early = stressed >= 0 && stressed < stress.size() - 2;
        return withEnding(word, 2, early ? QStringLiteral("ε") : QStringLiteral("ο"));
    }
    if (folded.endsWith(u"ων") || folded.endsWith(u"ωρ")) {
        if (const QString full = everyday(folded.size() - 2); !full.isEmpty())
            return full;
        if (word.endsWith(u"ών"))
            return word;
        return folded.endsWith(u"ων")
            ? withEnding(word, 0, QStringLiteral("α"))
            : withEnding(word, 2, word.endsWith(u"ώρ") ? QStringLiteral("όρα") : QStringLiteral("ορα"));
    }
    return word.chopped(1);
}

bool hasLatinLetter(const QString &word)
{
    return std::any_of(
        word.begin(), word.end(), [](QChar c) { return c.isLetter() && c.script() == QChar::Script_Latin; });
}

// The forms of the table a word is: the Greek forms it is, or spells in
// Latin letters, and the foreign forms it is; when it is none of them
// exactly, those it was found by (as the vocative of one, say).
QList<FoundName> formsOf(const NameDayTable &table, const QString &word)
{
    QList<FoundName> found = table.whole(word);
    const QStringList typed = hasLatinLetter(word) ? typedLatinKeys(word) : QStringList {foldGreek(word)};
    QList<FoundName> exact;
    for (const FoundName &f : std::as_const(found))
        if (typed.contains(hasLatinLetter(word) ? latinKey(f.form) : foldGreek(f.form)))
            exact << f;
    return exact.isEmpty() ? found : exact;
}

QString vocativeWord(const NameDayTable &table, const QString &word)
{
    const QList<FoundName> forms = formsOf(table, word);
    const std::optional<FoundName> form = forms.isEmpty() ? std::nullopt : std::optional(forms.first());
    const bool latin = hasLatinLetter(word);
    if (!form) {
        // A Greek word the table does not know, with a man's ending.
        const QString folded = foldGreek(word);
        const bool man = !latin && (folded.endsWith(u"οσ") || folded.endsWith(u"ησ") || folded.endsWith(u"ασ"));
        return man ? greekVocative(word, Gender::Man, {}) : word;
    }
    const Name &name = table.names()[form->name];
    if (name.foreign.contains(form->form) || name.foreign.contains(word, Qt::CaseInsensitive))
        return word; // Chris, John, Thomas
    const QString nominative = form->form,
                  called = greekVocative(nominative, table.genderOf(form->name, nominative), name.forms);
    // What the vocative changes at the end of the form, done to the word as written.
    const QString n = foldGreek(nominative), v = foldGreek(called);
    qsizetype same = 0;
    while (same < n.size() && same < v.size() && n[same] == v[same])
        ++same;
    if (!latin) {
        if (foldGreek(word) == n) // as written, with its own case and accents, but the ending
            return withEnding(word, n.size() - same, called.mid(same));
        return word;
    }
    const QString dropped = toLatinLetters(n.mid(same)), added = toLatinLetters(called.mid(same));
    return word.toLower().endsWith(dropped) ? withEnding(word, dropped.size(), added) : word;
}

} // namespace

std::optional<Gender> genderOfWord(const NameDayTable &table, const QString &word)
{
    // The gender its forms agree on: Chris may be a man's or a woman's.
    std::optional<Gender> gender;
    for (const FoundName &form : formsOf(table, word)) {
        const Gender g = table.genderOf(form.name, form.form);
        if (gender && *gender != g)
            return std::nullopt;
        gender = g;
    }
    return gender;
}

QString vocative(const NameDayTable &table, const QString &name)
{
    QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    for (QString &word : words) {
        QStringList parts = word.split(u'-');
        for (QString &part : parts)
            part = vocativeWord(table, part);
        word = parts.join(u'-');
    }
    return words.join(u' ');
}

QString greetingFor(const NameDayTable &table, const QString &name)
{
    // a contact known only by a number or an address is wished without a name
    return name.isEmpty() ? QStringLiteral("Χρόνια πολλά!")
                          : QStringLiteral("Χρόνια πολλά, %1!").arg(vocative(table, name));
}

QString article(std::optional<Gender> gender)
{
    return !gender ? QString() : *gender == Gender::Man ? QStringLiteral("ο") : QStringLiteral("η");
}
