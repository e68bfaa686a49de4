// Contacts as phones and mail programs export them, written here by hand:
// what each card yields and the name days it is matched to; the Greek message
// of a file that is not a vCard; greetings in the vocative.

#include "ContactBook.h"
#include "Contacts.h"
#include "Exceptions.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// "given/nicknames=base names" for each card (their full names, as the
// command line shows them, are checked with its outputs).
static QString described(const QList<MatchedContact> &contacts)
{
    QStringList cards;
    for (const MatchedContact &c : contacts) {
        QStringList bases;
        for (const int name : c.names)
            bases << NameDayTable::builtIn().names()[name].forms[0];
        cards << QStringList {c.contact.given, c.contact.nicknames.join(u'/')}.join(u'/') + "=" + bases.join(u'/');
    }
    return cards.join(", ");
}

class TestContacts : public QObject
{
    Q_OBJECT
    const NameDayTable &table = NameDayTable::builtIn();

private slots:
    void readsExportedFiles_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("cards");
        // 2.1 with a byte-order mark, quoted-printable and soft line breaks,
        // a photo; a name the table does not know.
        QTest::newRow("Android") << "vcard-android.vcf"
                                 << "Γιώργος/=Γεώργιος, Maria/=Μαρία, Κώστας/=Κωνσταντίνος, Γιώρκος/=";
        // 3.0: folded lines, escapes, groups, an empty nickname, a photo whose base64 ends in "=";
        // a name of All Saints' Sunday; the surname first.
        QTest::newRow("iPhone") << "vcard-iphone.vcf"
                                << "Κωνσταντίνος/Ντίνος=Κωνσταντίνος, Ελένη/=Ελένη, Αθηνά/=Αθηνά, Μιχάλης/=Μιχαήλ";
        // 4.0 with LF: the middle name (often the father's) is not celebrated;
        // a full name ending in a lone backslash; a card without FN, its given
        // names spaced and with an escaped comma.
        // 2.1 as older phones write it: a soft break before a space, a NOTE
        // whose last soft break meets END:VCARD, a fold that keeps its space,
        // "\N" that is no escape and "\;" that is, unindented base64 to a blank line, a bare
        // card inside another (a contact) and an AGENT's (none).
        QTest::newRow("2.1 quirks") << "vcard-21-quirks.vcf"
                                    << "Nikos/=Νικόλαος, Ελένη/=Ελένη, Jean Paul/=Παύλος";
        // Two exports joined, each with its byte-order mark, an empty one's alone
        // between them; Ctrl-Z and NULs after.
        QTest::newRow("joined") << "vcard-joined.vcf" << "Μαρία/=Μαρία, Στέλιος/=Στυλιανός";
        // Greek code pages with no CHARSET; the given name decides, not the nickname.
        const QString greek = "Ανδρέας/=Ανδρέας, Όλγα/Φωφώ=Όλγα, Έλλη/=";
        QTest::newRow("Windows-1253") << "vcard-windows-1253.vcf" << greek;
        QTest::newRow("ISO 8859-7") << "vcard-iso-8859-7.vcf" << greek;
        // declared, read by the program's own table where Qt has no decoder (Windows)
        const QString anna = "Άννα/=Άννα";
        QTest::newRow("Windows-1253 declared") << "vcard-windows-1253-declared.vcf" << anna;
        QTest::newRow("ISO 8859-7 declared") << "vcard-iso-8859-7-declared.vcf" << anna;
        QTest::newRow("Thunderbird") << "vcard-thunderbird.vcf"
                                     << "Άννα/=Άννα, Ιωάννης Γιάννης/=Ιωάννης";
        // clang-format on
    }
    void readsExportedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, cards);
        QString codePage;
        QCOMPARE(described(matchContacts(table, readContactsFile(":/vcards/" + file, &codePage))), cards);
        // the code page assumed is named, for the files that name none
        const QString tag = QTest::currentDataTag();
        QCOMPARE(codePage, tag == "Windows-1253" || tag == "ISO 8859-7" ? tag : QString());
    }

    // Each byte of the Greek code pages, named as a card's CHARSET, as Qt's
    // own decoders (ICU's) read it; a byte that stands for no character refused.
    void readsGreekCodePages()
    {
        for (const char *charset : {"WINDOWS-1253", "ISO-8859-7"}) {
            if (!QStringDecoder(charset).isValid())
                QSKIP("Qt here has no decoder of its own to compare with");
            for (int byte = 0x80; byte < 0x100; ++byte) {
                QStringDecoder qt(charset);
                const QString expected = qt(QByteArray(1, char(byte)));
                try {
                    const auto cards = readVCards(
                        QByteArray("BEGIN:VCARD\nFN;CHARSET=") + charset + ":x" + char(byte) + "x\nEND:VCARD", "x");
                    QCOMPARE(cards[0].fullName, ("x" + expected + "x").simplified());
                } catch (const Exception &) {
                    QVERIFY2(
                        qt.hasError() || expected == QChar(0xFFFD) || expected[0].category() == QChar::Other_Control,
                        qPrintable(QString::number(byte, 16)));
                }
            }
        }
    }

    // 5,000 contacts, a phone's worth and more, each matched as alone; the
    // same file in UTF-16.
    void readsManyContacts()
    {
        QFile file(":/vcards/vcard-android.vcf");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray four = file.readAll().mid(3);
        const auto many = matchContacts(table, readVCards(four.repeated(1250), "x.vcf"));
        QCOMPARE(many.size(), 5000);
        QCOMPARE(described(many.mid(4996)), described(many.mid(0, 4)));
        const QByteArray utf16 = QStringEncoder(QStringEncoder::Utf16, QStringEncoder::Flag::WriteBom)(QString(four));
        QCOMPARE(described(matchContacts(table, readVCards(utf16, "x.vcf"))), described(many.mid(0, 4)));
    }

    // A file that is not a vCard gives one Greek line naming it and the line.
    void refusesWhatIsNoVCard_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QString prefix = "Το αρχείο «x.vcf» δεν διαβάζεται ως αρχείο επαφών (vCard): γραμμή ";
        QTest::newRow("junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << prefix + "1: αναμενόταν BEGIN:VCARD.";
        QTest::newRow("no END") << QByteArray("\n\nBEGIN:VCARD\nFN:x\n") << prefix + "3: η επαφή που αρχίζει εδώ δεν κλείνει με END:VCARD.";
        QTest::newRow("quoted colon") << QByteArray("BEGIN:VCARD\r\nFN:x\r\nσκέτο \"ώρα: 9\"\r\nEND:VCARD")
                                  << prefix + "3: η γραμμή δεν είναι της μορφής ΙΔΙΟΤΗΤΑ:ΤΙΜΗ.";
        QTest::newRow("not UTF-8") << QByteArray("BEGIN:VCARD\nN:;\xff\xfe;;;\nEND:VCARD") << prefix + "2: το κείμενο δεν είναι UTF-8.";
        QTest::newRow("a calendar") << QByteArray("BEGIN:VCALENDAR\nVERSION:2.0") << prefix + "1: αναμενόταν BEGIN:VCARD.";
        QTest::newRow("after the last") << QByteArray("BEGIN:VCARD\nEND:VCARD\nFN:x") << prefix + "3: αναμενόταν BEGIN:VCARD.";
        // clang-format on
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

    // Each line a name, its vocative and its article ("-" for a name the table does not know).
    void greetsInTheVocative_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("called");
        QTest::addColumn<QString>("article");
        const QString table = uR"(
            # -ος stressed before its last two syllables, and the others
            Αλέξανδρος Αλέξανδρε ο|Θεόδωρος Θεόδωρε ο|Νικόλαος Νικόλαε ο|Άγγελος Άγγελε ο|Ευάγγελος Ευάγγελε ο
            Χαράλαμπος Χαράλαμπε ο|Ιάκωβος Ιάκωβε ο|Απόστολος Απόστολε ο|Στέφανος Στέφανε ο|Χριστόφορος Χριστόφορε ο
            Τριαντάφυλλος Τριαντάφυλλε ο|Τιμόθεος Τιμόθεε ο|Γιώργος Γιώργο ο|Πέτρος Πέτρο ο|Νίκος Νίκο ο|Μάρκος Μάρκο ο
            Κυριάκος Κυριάκο ο|Κωνσταντίνος Κωνσταντίνο ο|Αλέκος Αλέκο ο|Σταύρος Σταύρο ο|Φραγκίσκος Φραγκίσκο ο
            Λάμπρος Λάμπρο ο|Σπύρος Σπύρο ο|Τάσος Τάσο ο|Πάνος Πάνο ο
            # -ιος
            Δημήτριος Δημήτριε ο|Γεώργιος Γεώργιε ο|Αντώνιος Αντώνιε ο|Ευστάθιος Ευστάθιε ο|Αθανάσιος Αθανάσιε ο
            Γρηγόριος Γρηγόριε ο|Ευθύμιος Ευθύμιε ο|Βασίλειος Βασίλειε ο|Διονύσιος Διονύσιε ο|Στέλιος Στέλιο ο|Μάριος Μάριο ο
            # -ός
            Στυλιανός Στυλιανέ ο|Γερμανός Γερμανέ ο|Αδριανός Αδριανέ ο|Γιαννός Γιαννό ο|Μαθιός Μαθιό ο
            # -ης, -ής, -ας, -άς, -έας
            Δημήτρης Δημήτρη ο|Γιάννης Γιάννη ο|Μανώλης Μανώλη ο|Παναγιώτης Παναγιώτη ο|Αριστοτέλης Αριστοτέλη ο
            Περικλής Περικλή ο|Παντελής Παντελή ο|Θοδωρής Θοδωρή ο|Ηρακλής Ηρακλή ο|Σωκράτης Σωκράτη ο|Ευριπίδης Ευριπίδη ο
            Μιλτιάδης Μιλτιάδη ο|Αριστείδης Αριστείδη ο|Λευτέρης Λευτέρη ο|Βασίλης Βασίλη ο|Τάκης Τάκη ο|Λάκης Λάκη ο
            Κώστας Κώστα ο|Ηλίας Ηλία ο|Ανδρέας Ανδρέα ο|Λεωνίδας Λεωνίδα ο|Νικόλας Νικόλα ο|Θωμάς Θωμά ο|Λουκάς Λουκά ο
            Σάββας Σάββα ο|Μηνάς Μηνά ο|Αχιλλέας Αχιλλέα ο|Οδυσσέας Οδυσσέα ο|Ζαχαρίας Ζαχαρία ο
            # -ων, -ών, -ωρ
            Ιάσων Ιάσονα ο|Λέων Λέοντα ο|Πλάτων Πλάτωνα ο|Ξενοφών Ξενοφώντα ο|Σπυρίδων Σπυρίδωνα ο
            Παντελεήμων Παντελεήμονα ο|Αγαμέμνων Αγαμέμνονα ο|Κίμων Κίμωνα ο|Σόλων Σόλωνα ο|Τιμολέων Τιμολέοντα ο
            Βύρων Βύρωνα ο|Έκτωρ Έκτορα ο|Νέστωρ Νέστορα ο|Βίκτωρ Βίκτορα ο|Συμεών Συμεών ο|Σίμων Σίμωνα ο|Ανακρέων Ανακρέοντα ο
            # other endings of men's names
            Μιχαήλ Μιχαήλ ο|Ιωσήφ Ιωσήφ ο|Δαβίδ Δαβίδ ο|Ραφαήλ Ραφαήλ ο|Γαβριήλ Γαβριήλ ο|Εμμανουήλ Εμμανουήλ ο|Σεραφείμ Σεραφείμ ο
            # women's names
            Μαρία Μαρία η|Ελένη Ελένη η|Γεωργία Γεωργία η|Κατερίνα Κατερίνα η|Σοφία Σοφία η|Άννα Άννα η|Παρασκευή Παρασκευή η
            Ελισάβετ Ελισάβετ η|Σπυριδούλα Σπυριδούλα η|Χριστούλα Χριστούλα η|Αργυρώ Αργυρώ η|Φανή Φανή η|Κλειώ Κλειώ η
            Εμμανουέλα Εμμανουέλα η|Ελπίς Ελπίδα η|Ελπίδα Ελπίδα η|Ολυμπιάς Ολυμπιάδα η|Θωμαΐς Θωμαΐδα η|Άρτεμις Άρτεμι η
            Θέτις Θέτι η|Άλκηστις Άλκηστι η|Πίστις Πίστι η|Βούλα Βούλα η|Κική Κική η|Νίκη Νίκη η|Αλίκη Αλίκη η|Αρετή Αρετή η
            Ευρυδίκη Ευρυδίκη η
            # in capitals, double, unknown
            ΓΙΩΡΓΟΣ ΓΙΩΡΓΟ ο|ΣΤΥΛΙΑΝΟΣ ΣΤΥΛΙΑΝΕ ο|Άννα-Μαρία Άννα-Μαρία η|Ξυλούρης Ξυλούρη -|Ίνες Ίνες -|Ζωίτσα Ζωίτσα η
            # Latin letters: a Greek name's vocative in them; another name as it is
            Kostas Kosta ο|Giorgos Giorgo ο|Dimitris Dimitri ο|Konstantinos Konstantino ο|Alexandros Alexandre ο
            Stylianos Styliane ο|Iason Iasona ο|Elpis Elpida η|Jorgos Jorgo ο|Dhmhtrhs Dhmhtrh ο|Nikos Niko ο
            Panagiotis Panagioti ο|Vasilis Vasili ο|Eleni Eleni η|Takis Taki ο|Maria Maria η|Chris Chris -
            Thomas Thomas ο|John John ο|George George ο|Helen Helen η
        )"_s;
        for (const QString &line : table.split(u'\n'))
            if (!line.trimmed().isEmpty() && !line.trimmed().startsWith(u'#'))
                for (const QString &fact : line.split(u'|')) {
                    const QStringList words = fact.split(u' ', Qt::SkipEmptyParts);
                    QTest::newRow(qPrintable(words[0])) << words[0] << words[1] << words[2];
                }
        // clang-format on
    }
    void greetsInTheVocative()
    {
        QFETCH(QString, name);
        QTEST(vocative(table, name), "called");
        QTEST(article(genderOfWord(table, name)).replace(QRegularExpression("^$"), "-"), "article");
    }

    // Who celebrates on a day, the contacts first; the tray's wishes and the
    // morning's text (each contact's days and summaries are compared with the
    // command line's outputs).
    void datesTheirNameDays()
    {
        const auto contacts = matchContacts(table, readContactsFile(":/vcards/vcard-iphone.vcf"));
        QCOMPARE(whoCelebrates(table, contacts, {2026, 5, 21}, "Σήμερα"),
            "Σήμερα γιορτάζουν: Κωνσταντίνος Οικονόμου, "
            "Ελένη Νικολάου, Κωνσταντίνος, Κώστας, Κωνσταντίνα, Ντίνα, Ελένη, Λένα");
        // the tray's menu the day before, each with its greeting
        QStringList wished;
        for (const Wish &wish : wishes(table, contacts, {2026, 5, 20}))
            wished << wish.label + " | " + wish.greeting;
        QCOMPARE(wished,
            QStringList({"Αύριο: Κωνσταντίνος Οικονόμου (Κωνσταντίνος) | Χρόνια πολλά, Ντίνο!",
                "Αύριο: Ελένη Νικολάου (Ελένη) | Χρόνια πολλά, Ελένη!"}));
        // nothing two days ahead
        QVERIFY(wishes(table, contacts, {2026, 5, 19}).isEmpty());
        // the morning before: tomorrow's contacts on a line of their own
        QCOMPARE(morningText(table, contacts, {2026, 5, 20}).section('\n', 1),
            "Αύριο: Κωνσταντίνος Οικονόμου, Ελένη Νικολάου");
        // Given names the table knows and a shared one: the known one decides, nothing is asked.
        QVERIFY(matchContacts(table, {{"Άννα Βούλα Κ.", "Άννα Βούλα", {}, {}, 3}})[0].choices.isEmpty());
        // A given name the table lacks: the nickname gives the day.
        const QList<Contact> kevin = {{"Κέβιν Π.", "Κέβιν", {"Νίκος"}, {}, 2}};
        QCOMPARE(whoCelebrates(table, matchContacts(table, kevin), {2025, 12, 6}, "Σήμερα").section(", ", 0, 0),
            "Σήμερα γιορτάζουν: Κέβιν Π.");
        // A name chosen by hand for it: that name's gender, not that of its next form (η Ραφαέλα).
        QVERIFY(matchContacts(table, kevin, {{"Κέβιν Π.", {{"Ραφαήλ"}}}})[0].gender == Gender::Man);
        // Named after two of the day's commemorations, and on two cards: once.
        const auto both = matchContacts(table, QList<Contact>(2, {"Γιώργος Χάρης Παππάς", "Γιώργος Χάρης", {}, {}, 1}));
        QVERIFY(whoCelebrates(table, both, {2025, 4, 23}, "Σήμερα")
                    .startsWith("Σήμερα γιορτάζουν: Γιώργος Χάρης Παππάς, Θ"));
        QCOMPARE(morningText(table, both, {2025, 4, 22}).section('\n', 1), "Αύριο: Γιώργος Χάρης Παππάς");
    }

    // BDAY in 2.1, 3.0 and 4.0: with a year, without one (--MMDD, and Apple's
    // 1604), with a time; 29 February in a common year; a text that is no date
    // (each birthday's day, age and greeting, and the text named, are read
    // with the command line's outputs).
    void readsBirthdays()
    {
        const auto contacts = matchContacts(table, readContactsFile(":/vcards/vcard-birthdays.vcf"));
        // on the day, after the name day; none when left out
        QCOMPARE(whoCelebrates(table, contacts, {2026, 4, 23}, "Σήμερα").section(", Γεώργιος", 0, 0),
            "Σήμερα γιορτάζουν: Γιώργος Παπάς, Γιώργος Παπάς (γενέθλια)");
        QCOMPARE(contactNameDays(table, contacts, {2026, 4, 23}, {2026, 4, 23}, false).size(), 1);
    }

    // The file chosen, missing at the next start with its folder (before a
    // sync, on a drive not yet there), is read once it is back; and again
    // when written in two steps, once whole.
    void readsTheFileOnceBack()
    {
        QTemporaryDir folder;
        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
        const QString sync = folder.filePath("sync"), path = sync + "/επαφές.vcf";
        const auto write = [&](const QByteArray &cards, QIODevice::OpenMode mode = QIODevice::WriteOnly) {
            QFile file(path);
            QVERIFY(QDir().mkpath(sync) && file.open(mode) && file.write(cards) == cards.size());
        };
        const QByteArray one = "BEGIN:VCARD\r\nFN:Νίκος\r\nEND:VCARD\r\n";
        write(one + one);
        ContactBook().open(path);
        QVERIFY(QDir(sync).removeRecursively());
        ContactBook book;
        QVERIFY(!book.error().isEmpty());
        write(one + one);
        QTRY_COMPARE(book.contacts().size(), 2);
        QVERIFY(book.error().isEmpty());
        // emptied, then written; then added to
        write({});
        QTest::qWait(ContactBook::settleTime / 3);
        write(one);
        QTRY_COMPARE(book.contacts().size(), 1);
        write(one, QIODevice::Append);
        QTRY_COMPARE(book.contacts().size(), 2);
        QCOMPARE(book.error(), QString());
    }
};

QTEST_GUILESS_MAIN(TestContacts)
#include "tst_contacts.moc"
