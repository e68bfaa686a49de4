// Contacts as phones and mail programs export them, written here by hand:
// what each card yields and the name days it is matched to; the Greek message
// of a file that is not a vCard; greetings in the vocative.

#include "Contacts.h"
#include "Exceptions.h"
#include "Settings.h"

#include <QtTest>

// "full name | given | nicknames | base names", a card a line.
static QStringList described(const QList<MatchedContact> &contacts)
{
    const NameDayTable &table = NameDayTable::builtIn();
    QStringList lines;
    for (const MatchedContact &c : contacts) {
        QStringList bases;
        for (const int name : c.names)
            bases << table.names()[name].forms.first();
        lines << QStringList {c.contact.fullName, c.contact.given, c.contact.nicknames.join(u','), bases.join(u',')}.join(" | ");
    }
    return lines;
}

class TestContacts : public QObject
{
    Q_OBJECT

private slots:
    void readsExportedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("cards");
        // 2.1 with a byte-order mark, quoted-printable and soft line breaks,
        // a photo; a name the table does not know.
        QTest::newRow("Android") << "vcard-android.vcf"
                                 << QStringList {"Γιώργος Παπαδόπουλος του Δημητρίου | Γιώργος |  | Γεώργιος",
                                        "Maria K. | Maria |  | Μαρία", "Κώστας Ιωάννου | Κώστας |  | Κωνσταντίνος",
                                        "G. | Γιώρκος |  | "};
        // 3.0: folded lines, escapes, groups; a name of All Saints' Sunday;
        // the surname first.
        QTest::newRow("iPhone") << "vcard-iphone.vcf"
                                << QStringList {"Κωνσταντίνος Οικονόμου | Κωνσταντίνος | Ντίνος | Κωνσταντίνος",
                                       "Ελένη Νικολάου | Ελένη |  | Ελένη", "Αθηνά Δημητρίου | Αθηνά |  | Αθηνά",
                                       "Ιωάννου, Μιχάλης | Μιχάλης |  | Μιχαήλ"};
        // 4.0 with LF: the middle name (often the father's) is not celebrated;
        // a full name ending in a lone backslash; a card without FN, its given
        // names spaced and with an escaped comma.
        QTest::newRow("Thunderbird") << "vcard-thunderbird.vcf"
                                     << QStringList {"Άννα Μαρία Αντωνίου\\ | Άννα |  | Άννα", "Δρ. Ιωάννης Γιάννης Παππάς | Ιωάννης Γιάννης |  | Ιωάννης"};
    }
    void readsExportedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, cards);
        QCOMPARE(described(matchContacts(NameDayTable::builtIn(), readContactsFile(":/vcards/" + file))), cards);
    }

    // 5,000 contacts, a phone's worth and more, each matched as alone; the
    // same file in UTF-16.
    void readsManyContacts()
    {
        QFile file(":/vcards/vcard-android.vcf");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray four = file.readAll().mid(3);
        const auto many = matchContacts(NameDayTable::builtIn(), readVCards(four.repeated(1250), "x.vcf"));
        QCOMPARE(many.size(), 5000);
        QCOMPARE(described(many.mid(4996)), described(many.mid(0, 4)));
        const QByteArray utf16 = QStringEncoder(QStringEncoder::Utf16, QStringEncoder::Flag::WriteBom)(QString(four));
        QCOMPARE(described(matchContacts(NameDayTable::builtIn(), readVCards(utf16, "x.vcf"))), described(many.mid(0, 4)));
    }

    // A file that is not a vCard gives one Greek line naming it and the line.
    void refusesWhatIsNoVCard_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QString prefix = "Το αρχείο «x.vcf» δεν διαβάζεται ως αρχείο επαφών (vCard): γραμμή ";
        QTest::newRow("junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << prefix + "1: αναμενόταν BEGIN:VCARD.";
        QTest::newRow("no END") << QByteArray("\n\nBEGIN:VCARD\nFN:x\n") << prefix + "3: η επαφή που αρχίζει εδώ δεν κλείνει με END:VCARD.";
        QTest::newRow("no colon") << QByteArray("BEGIN:VCARD\r\nFN:x\r\nσκέτο κείμενο\r\nEND:VCARD")
                                  << prefix + "3: η γραμμή δεν είναι της μορφής ΙΔΙΟΤΗΤΑ:ΤΙΜΗ.";
        QTest::newRow("not UTF-8") << QByteArray("BEGIN:VCARD\nN:;\xff\xfe;;;\nEND:VCARD") << prefix + "2: το κείμενο δεν είναι UTF-8.";
        QTest::newRow("a calendar") << QByteArray("BEGIN:VCALENDAR\nVERSION:2.0") << prefix + "1: αναμενόταν BEGIN:VCARD.";
        QTest::newRow("after the last") << QByteArray("BEGIN:VCARD\nEND:VCARD\nFN:x") << prefix + "3: αναμενόταν BEGIN:VCARD.";
    }
    void refusesWhatIsNoVCard()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        try {
            readVCards(text, "/tmp/x.vcf");
            QFAIL("read");
        } catch (const Exception &e) {
            QCOMPARE(e.Message, message);
        }
    }

    // A file larger than any phone's contacts is refused before it is read.
    void refusesWhatIsTooLarge()
    {
        QTemporaryFile file;
        for (const qint64 size : {64 << 20, (64 << 20) + 1}) {
            try {
                QVERIFY(file.open() && file.resize(size));
                readContactsFile(file.fileName());
                QFAIL("read");
            } catch (const Exception &e) {
                QCOMPARE(e.Message.contains("πολύ μεγάλο"), size > 64 << 20);
            }
        }
    }

    void greetsInTheVocative()
    {
        const QStringList names = {"Γιώργος", "Κώστας", "Δημήτρης", "Μαρία", "Αλέξανδρος", "Γεώργιος", "Στέλιος",
            "Κωνσταντίνος", "Παντελής", "Νικόλαος", "Θεόδωρος", "Άγγελος", "Αλέκος", "Άννα-Μαρία", "ΓΙΩΡΓΟΣ", "Giorgos", "Μιχαήλ", "Ευάγγελος"};
        QStringList greetings;
        for (const QString &name : names)
            greetings << vocative(name);
QCOMPARE(greetings.join(' '), "Γιώργο Κώστα Δημήτρη Μαρία Αλέξανδρε Γεώργιε Στέλιο Κωνσταντίνε Παντελή Νικόλαε "
                                      "Θεόδωρε Άγγελε Αλέκο Άννα-Μαρία ΓΙΩΡΓΟ Giorgo Μιχαήλ Ευάγγελε");
        QCOMPARE(greeting({"Κωνσταντίνος Οικονόμου", "Κωνσταντίνος", {"Ντίνος"}, {}, 1}), "Χρόνια πολλά, Ντίνο!");
    }

    // Each contact's name days in each year, with the summary a phone shows,
    // a man's and a woman's.
    void datesTheirNameDays()
    {
        const NameDayTable &table = NameDayTable::builtIn();
        const auto contacts = matchContacts(table, readContactsFile(":/vcards/vcard-iphone.vcf"));
        QStringList days;
        for (const FeastRow &row : contactNameDays(table, contacts, {2026, 1, 1}, {2027, 6, 30}))
            days << row.date.toString(Qt::ISODate) + ' ' + row.summary;
        QCOMPARE(days, QStringList({"2026-05-21 Γιορτάζει ο Κωνσταντίνος Οικονόμου (Κωνσταντίνος)",
                           "2026-05-21 Γιορτάζει η Ελένη Νικολάου (Ελένη)", "2026-06-07 Γιορτάζει η Αθηνά Δημητρίου (Αθηνά)",
                           "2026-09-06 Γιορτάζει ο Ιωάννου, Μιχάλης (Μιχαήλ)", "2026-11-08 Γιορτάζει ο Ιωάννου, Μιχάλης (Μιχαήλ)",
                           "2027-05-21 Γιορτάζει ο Κωνσταντίνος Οικονόμου (Κωνσταντίνος)",
                           "2027-05-21 Γιορτάζει η Ελένη Νικολάου (Ελένη)", "2027-06-27 Γιορτάζει η Αθηνά Δημητρίου (Αθηνά)"}));
        QCOMPARE(whoCelebrates(table, contacts, {2026, 5, 21}, "Σήμερα"), "Σήμερα γιορτάζουν: Κωνσταντίνος Οικονόμου, "
                                                                         "Ελένη Νικολάου, Κωνσταντίνος, Κώστας, Κωνσταντίνα, Ντίνα, Ελένη, Λένα");
        // Named after two of the day's commemorations: once.
        const auto both = matchContacts(table, {{"Γιώργος Χάρης Παππάς", "Γιώργος Χάρης", {}, {}, 1}});
        QVERIFY(whoCelebrates(table, both, {2025, 4, 23}, "Σήμερα").startsWith("Σήμερα γιορτάζουν: Γιώργος Χάρης Παππάς, Θ"));
    }

    // The file chosen, missing at the next start (before a sync, on a drive
    // not yet there), is read once it is back.
    void readsTheFileOnceBack()
    {
        QTemporaryDir folder;
        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
        const QString path = folder.filePath("επαφές.vcf");
        const auto write = [&](const QByteArray &cards) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cards) == cards.size());
        };
        const QByteArray one = "BEGIN:VCARD\r\nFN:Νίκος\r\nEND:VCARD\r\n";
        write(one + one);
        ContactBook().open(path);
        QVERIFY(QFile::remove(path));
        ContactBook book;
        write(one + one);
        QTRY_COMPARE(book.contacts().size(), 2);
        QVERIFY(book.error().isEmpty());
        // and again when written over
        write(one);
        QTRY_COMPARE(book.contacts().size(), 1);
    }
};

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
