// The name-day table: its invariants over every row and every year, the days
// of names as church calendars give them, and names as people type them.

#include "Feasts.h"
#include "Misc.h"
#include "NameDays.h"

#include <QtTest>

static QDate easterOf(int year)
{
    return toQDate(EasterDate(year));
}

// The base names found, sorted, one space between.
static QString found(const QString &typed, bool prefix)
{
    const NameDayTable &table = NameDayTable::builtIn();
    QStringList bases;
    for (const int name : table.find(typed, prefix))
        bases << table.names()[name].forms[0];
    bases.sort();
    return bases.join(u' ');
}

class TestNameDays : public QObject
{
    Q_OBJECT
    const NameDayTable &table = NameDayTable::builtIn();

private slots:
    // Every row reads; every rule dates every year that has an Easter, inside
    // that year; the names of the window's movable feasts fall on their days.
    void tableHoldsTogether()
    {
        const NameDayTable table(NameDayTable::builtInText());
        for (int year = 1; year <= 9999; ++year) {
            try {
                const QList<NameDay> days = table.inYear(year, easterOf(year));
                QVERIFY2(days.size() == table.commemorations().size() && days[0].date.year() == year
                        && days.last().date.year() == year,
                    qPrintable(QString::number(year)));
            } catch (const EConvertError &) { }
        }
        // the picker's last day
        for (const NameDay &day : table.inYear(9999, QDate(9999, 12, 28)))
            QCOMPARE(day.date.year(), 9999);
        // Enough names; a name of All Saints' Sunday has no saint of its own; a
        // row never shows a form in Latin letters.
        // Every form has a gender; a shared nickname stands for two names at least.
        QVERIFY(table.names().size() >= 650);
        qsizetype forms = 0, allSaints = 0;
        for (const Name &name : table.names()) {
            forms += name.forms.size();
            QCOMPARE(name.genders.size(), name.forms.size());
            for (const QString &form : name.forms)
                QVERIFY2(!table.shared(form) || table.find(form, false).size() >= 2, qPrintable(form));
        }
        QVERIFY(forms >= 1100);
        for (int row = 0; row < table.commemorations().size(); ++row) {
            const Commemoration &c = table.commemorations()[row];
            QVERIFY2(!table.rowText(row).contains(QRegularExpression("[A-Za-z]")), qPrintable(c.title));
            if (c.rule.kind == NameDayRule::FromEaster && c.rule.offset == 56 && (allSaints = c.names.size()))
                for (const Commemoration &other : table.commemorations())
                    for (const int name : c.names)
                        QVERIFY2(&other == &c || !other.names.contains(name), qPrintable(table.names()[name].forms[0]));
        }
        QVERIFY(allSaints >= 60);
        // day, name
        QSet<std::pair<QDate, int>> celebrated;
        for (const NameDay &day : table.inYear(2025, easterOf(2025)))
            for (const int name : table.commemorations()[day.commemoration].names)
                celebrated.insert({day.date, name});
        TList<Kiniti> movable;
        fillKinitiList(movable);
        static const QRegularExpression names("\\((.*)\\)"), word("\\p{Lu}\\p{L}+");
        for (const auto &feast : movable) {
            auto words = word.globalMatch(
                names.match(feast->name).captured(1).remove(QRegularExpression("Λαμπροτρίτη|Άγιοι.*|σημ.*")));
            while (words.hasNext()) {
                const QString name = words.next().captured();
                // a shared nickname finds several
                const QList<int> found = table.find(name, false);
                QVERIFY2(std::any_of(found.begin(), found.end(),
                             [&](int n) {
                                 return celebrated.contains({easterOf(2025).addDays(feast->offset), n});
                             }),
                    qPrintable(name));
            }
        }
    }

    void malformedRowsRefused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("reason");
        QTest::newRow("two fields") << "01-01 | Αγίου Βασιλείου" << "κανόνας | μνήμη | ονόματα";
        QTest::newRow("no such day") << "02-30 | Α | ο Βασίλειος" << "δεν δίνει ημέρα";
        QTest::newRow("Latin name") << "01-01 | Α | ο Vasilis" << "ελληνικά γράμματα";
        QTest::newRow("Greek after =") << "01-01 | Α | ο Βασίλειος = Βασίλης" << "μετά το =";
        QTest::newRow("no article") << "01-01 | Α | Βασίλειος" << "χρειάζεται άρθρο";
        QTest::newRow("other article") << "01-01 | Α | ο Βασίλειος\n01-02 | Β | η Βασίλειος" << "άλλο άρθρο";
        QTest::newRow("name twice") << "01-01 | Α | ο Βασίλειος; ο Βασίλειος" << "δύο φορές";
        QTest::newRow("form of two names") << "01-01 | Α | ο Βασίλειος: Βάσω\n01-02 | Β | η Βασιλική: Βάσω" << "ανήκει και";
        QTest::newRow("shared on one side") << "01-01 | Α | ο Βασίλειος: Βάσω*\n01-02 | Β | η Βασιλική: Βάσω" << "ανήκει και";
        QTest::newRow("shared by one name") << "01-01 | Α | ο Βασίλειος: Βάσω*" << "μόνο σε ένα";
        QTest::newRow("base shared") << "01-01 | Α | ο Βασίλειος*" << "μόνο τα υποκοριστικά";
        // clang-format on
    }
    void malformedRowsRefused()
    {
        QFETCH(QString, row);
        QFETCH(QString, reason);
        try {
            NameDayTable {row};
            QFAIL("accepted");
        } catch (const Exception &e) {
            QVERIFY2(e.Message.contains(reason), qPrintable(e.Message));
        }
        // shared on purpose
        NameDayTable {"01-01 | Α | ο Βασίλειος: Βάσω*\n01-02 | Β | η Βασιλική: Βάσω*"};
    }

    // A name of the person's own, on its day and found by the search; refused
    // when it is no name in Greek or Latin letters or its day none; left out
    // when the table knows it.
    void ownNames()
    {
        const qsizetype rows = table.commemorations().size();
        for (const OwnName &wrong : {OwnName {"Κ3βιν", 1, 1}, {"Иван", 1, 1}, {" ", 1, 1}, {"Κέβιν", 2, 30}})
            QVERIFY_THROWS_EXCEPTION(Exception, NameDayTable::setOwnNames({wrong}));
        // Άλεξ, though Αλέξανδρος begins with it
        NameDayTable::setOwnNames({{"Κέβιν", 2, 29}, {"Γιώργος", 1, 1}, {"Άλεξ", 1, 1}});
        QCOMPARE(table.commemorations().size(), rows + 2);
        QCOMPARE(found("Kevin", false), "Κέβιν");
        QCOMPARE(table.on(QDate(2025, 2, 28)).last().commemoration, rows);
        // another in its place, not found by Κέβιν's spellings
        NameDayTable::setOwnNames({{"Κάρλα", 1, 1}});
        QCOMPARE(found("Kevin", false), "");
        NameDayTable::setOwnNames({});
    }

    // From the church calendar: Saint George moves to Bright Monday when 23
    // April falls on or before Easter, Saint Mark to Bright Tuesday when 25
    // April falls on or before Bright Monday.
    void daysOfAName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("days");
        QTest::newRow("George 2025") << "Γιώργος" << 2025 << "04-23 11-03";
        QTest::newRow("George moved 2024") << "ΓΙΩΡΓΟΣ" << 2024 << "05-06 11-03";
        QTest::newRow("George moved 2011") << "γεωργια" << 2011 << "04-25 11-03";
        QTest::newRow("George on Easter") << "Georgios" << 2006 << "04-24 11-03";
        QTest::newRow("Mark moved 2011") << "Μάρκος" << 2011 << "01-19 04-26";
        QTest::newRow("Mark moved 2024") << "Μάρκος" << 2024 << "01-19 05-07";
        QTest::newRow("Mark 2025") << "Markos" << 2025 << "01-19 04-25";
        QTest::newRow("Gregory") << "Γρηγόρης" << 2025 << "01-25 03-16 11-14";
        QTest::newRow("Zoe") << "Ζωή" << 2026 << "04-17";
        QTest::newRow("29/2 leap") << "Κασσιανός" << 2024 << "02-29";
        QTest::newRow("29/2 common") << "Κασσιανός" << 2025 << "02-28";
        QTest::newRow("Jason") << "Ιάσων" << 2025 << "04-28";
        QTest::newRow("Paraskevas") << "Παρασκευάς" << 2025 << "07-26";
        QTest::newRow("Chrysovalantou") << "Χρυσοβαλάντου" << 2025 << "07-28";
        QTest::newRow("Theologos") << "Θεολόγος" << 2025 << "05-08 09-26";
        QTest::newRow("Stergios") << "Στέργιος" << 2025 << "10-07";
        // Easter 20 April
        QTest::newRow("All Saints 2025") << "Αφροδίτη" << 2025 << "06-15";
        // Easter 12 April
        QTest::newRow("All Saints 2026") << "Περικλής" << 2026 << "06-07";
        // clang-format on
    }
    void daysOfAName()
    {
        QFETCH(QString, typed);
        QFETCH(int, year);
        const QList<int> names = table.find(typed, false);
        QStringList days;
        for (const NameDay &day : table.inYear(year, easterOf(year)))
            if (table.celebrates(day.commemoration, names))
                days << day.date.toString("MM-dd");
        QTEST(days.join(u' '), "days");
    }

    // Spellings separated by "/"; "…" asks for the names that begin so.
    void findsWhatIsTyped_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("bases");
        QTest::newRow("George") << "γιωργοσ/ΓΙΩΡΓΟΣ/Giorgos/Georgios/Giorgos." << "Γεώργιος";
        QTest::newRow("Georgia") << "Γεωργία/Γωγώ/Georgia" << "Γεωργία";
        QTest::newRow("Geo…") << " Γιωρ…/Giorg…" << "Γεωργία Γεώργιος";
        QTest::newRow("John") << "Yiannis/giannis/Yannis" << "Ιωάννης";
        QTest::newRow("Mary") << "Maria" << "Μαρία";
        QTest::newRow("Constantine") << "Konstantinos/KOSTAS" << "Κωνσταντίνος";
        QTest::newRow("Demetrius") << "Dimitris" << "Δημήτριος";
        QTest::newRow("Nicholas") << "Nikos" << "Νικόλαος";
        QTest::newRow("Panagiotis") << "Panagiotis/Panayiotis" << "Παναγιώτης";
        QTest::newRow("Christ") << "Hristos/Christos" << "Χρήστος";
        QTest::newRow("Euthymius") << "Efthimios/Ευθύμης" << "Ευθύμιος";
        QTest::newRow("x for ch") << "Xristos/Christos/Χρίστος" << "Χρήστος";
        QTest::newRow("x as ks") << "Xenia" << "Ξένη";
        QTest::newRow("Michael") << "Mixalis/Michael/Μιχάλη" << "Μιχαήλ";
        QTest::newRow("e for eta") << "Demetrios/Dimitrios/Δημήτρη/Dimitri" << "Δημήτριος";
        QTest::newRow("e for a first eta") << "Eliana/Iliana" << "Ηλιάνα";
        QTest::newRow("vocative") << "Γιώργο/Giorgo/George/ Γιώργος  Παπαδόπουλος " << "Γεώργιος";
        QTest::newRow("vocative -e") << "Αλέξανδρε/Alexandre" << "Αλέξανδρος";
        QTest::newRow("Nick") << "Niko/Νικόλας" << "Νικόλαος";
        QTest::newRow("Evi") << "Evi/Εύη" << "Ευαγγελία Παρασκευή";
        QTest::newRow("Efi") << "Efi/Έφη" << "Ευθυμία Ευφημία";
        QTest::newRow("double") << "Άννα Μαρία/Άννα-Μαρία" << "Άννα Μαρία";
        // typed as people type
        QTest::newRow("h for eta") << "Dhmhtrhs/Dhmhtrios" << "Δημήτριος";
        QTest::newRow("h for eta, h for chi") << "Xrhstos/Hrhstos" << "Χρήστος";
        QTest::newRow("h for eta, first") << "Hlias" << "Ηλίας";
        QTest::newRow("h for eta, last") << "Eirhnh" << "Ειρήνη";
        QTest::newRow("th for tau eta") << "Panagiwths" << "Παναγιώτης";
        QTest::newRow("8 and 0 for theta") << "8anasis/0anasis/A8anasios" << "Αθανάσιος";
        QTest::newRow("3 for xi") << "3enofon/3enofwn" << "Ξενοφών";
        QTest::newRow("j for gi") << "Jorgos" << "Γεώργιος";
        QTest::newRow("j for gi, before a") << "Jannis" << "Ιωάννης";
        QTest::newRow("b for beta") << "Basilis/Basilhs" << "Βασίλειος";
        QTest::newRow("t for theta") << "Teodoros" << "Θεόδωρος";
        QTest::newRow("t for theta, f for v") << "Elefteria/Eleutheria" << "Ελευθερία";
        QTest::newRow("ev for ef") << "Evstathios/Efstathios" << "Ευστάθιος";
        QTest::newRow("diaspora") << "Jimmy" << "Δημήτριος";
        QTest::newRow("diaspora b") << "Bill" << "Βασίλειος";
        QTest::newRow("shared nickname") << "Τάκης/Takis" << "Δημήτριος Κωνσταντίνος Παναγιώτης";
        // some name
        QTest::newRow("forms") << "Χρύσα/Ματίνα/Παναγής/Πέννυ/Στέλα/Νατάσσα/Βίκη/Χαραλάμπης" << "…";
        QTest::newRow("nothing") << "Γιωρ/Ζζζ…/ …/Παπαδόπουλος" << "";
        // clang-format on
    }
    void findsWhatIsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, bases);
        for (const QString &spelling : typed.split(u'/')) {
            const QString names = found(QString(spelling).remove(u'…'), spelling.endsWith(u'…'));
            QVERIFY2(bases == u"…" ? !names.isEmpty() : names == bases, qPrintable(spelling + ": " + names));
        }
    }
};

QTEST_GUILESS_MAIN(TestNameDays)
#include "tst_namedays.moc"
