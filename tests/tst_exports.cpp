// The views' menu, the save dialogs, the exports and the print preview.

#include "WindowDriver.h"

class TestExports : public Driver
{
    Q_OBJECT

private slots:
    // A view's menu from the keyboard, disabled while the view is empty, and
    // Ctrl+C; the menus of the year box and the picker; a right click that
    // leaves the view in place; a CSV export that replaces a file and equals
    // the command line's; the print preview with its page setup and printing.
    void menusAndDialogs()
    {
        auto *view = child<QTreeWidget>("varListView");
        child<QTabWidget>("PageControl")->setCurrentIndex(1);
        for (const bool filled : {false, true}) {
            if (filled)
                click("Κινητές");
            activate();
            view->setFocus();
            QTest::keyClick(form->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        }
        QCOMPARE(menus.size(), 12);
        QCOMPARE(menus.filter(" (off)").size(), 6);
        // nothing selected: every row
        QTest::keySequence(form->windowHandle(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), view->topLevelItemCount());
        view->topLevelItem(2)->setSelected(true);
        view->topLevelItem(4)->setSelected(true);
        QTest::keySequence(form->windowHandle(), QKeySequence::Copy);
        const Rows var = rows("varListView");
        QCOMPARE(QGuiApplication::clipboard()->text(), var[2].join(u'\t') + u'\n' + var[4].join(u'\t') + u'\n');
        // other keys still move in the view
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(view->currentIndex().row(), var.size() - 1);

        for (QWidget *box : {child("yearEdit"), child("easterDateTimePicker")}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, {5, 5});
            QCoreApplication::sendEvent(box, &event);
        }
        const QRect feast = view->visualRect(view->model()->index(5, 3)) & view->viewport()->rect();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, feast.center());
        QTest::qWait(QApplication::doubleClickInterval() + 200);
        QCOMPARE(view->horizontalScrollBar()->value(), 0);

        // "γιορτές" is saved as γιορτές.csv, after the question whether to replace it.
        const QTemporaryDir folder;
        QFile(folder.filePath("γιορτές.csv")).open(QIODevice::WriteOnly);
        saveTo = folder.filePath("γιορτές");
        typeYear("2024");
        click("Υπολογισμός Πάσχα");
        click("Αυξουσα");
        view = child<QTreeWidget>("generalListView");
        // all saved
        view->topLevelItem(0)->setSelected(true);
        shown<QAction>(view, "Εξαγωγή σε CSV…")->trigger();
        shown<QAction>(view, "Εξαγωγή σε Excel (.xlsx)…")->trigger();
        QFile book(saveTo + ".xlsx");
        // a zip, as .xlsx is
        QVERIFY(book.open(QIODevice::ReadOnly));
        QCOMPARE(book.read(4), "PK\3\4");
        openTab("Όλες οι γιορτές");
        activate();
        view->setFocus();
        // «Εκτύπωση…»
        QTest::keyClick(form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
        // the same bytes
        QCOMPARE(runCommandLine({{}, "--year=2024", "--csv", saveTo + ".cli"}), 0);
        QVERIFY(got(saveTo + ".csv").size());
        QCOMPARE(got(saveTo + ".csv"), got(saveTo + ".cli"));
        // and the name days
        QCOMPARE(runCommandLine({{}, "--year=2024", "--names", "--csv", saveTo + ".names"}), 0);
        QCOMPARE(got(saveTo + ".names"), toCsv("Ονομαστικές", feastRows(child<QTreeWidget>("namesListView"))));
        // With no printer the preview prints to a PDF, its page set up by the
        // program; on Windows its print button saves one.
        const bool pdf = QPrinterInfo::availablePrinters().isEmpty();
        seen.removeDuplicates();
        QCOMPARE(seen.join(u' '),
            QString("QMenu QFileDialog QMessageBox QPrintPreviewDialog")
#ifndef Q_OS_WIN // where the page setup and the print dialog are the system's
                + (pdf ? " QDialog" : "") + " QPrintDialog open"
#endif
        );
        QCOMPARE(suggested.join(u' '),
            QString("…/eortologio-2024.csv eortologio-2024.xlsx ") + (pdf ? "eortologio-2024.pdf" : ""));
        // the name days with an alarm at 09:00 of each day
        saveTo = folder.filePath("ονομαστικές.ics");
        shown<QAction>(child<QTreeWidget>("namesListView"), "Εξαγωγή σε ημερολόγιο με υπενθύμιση στις 09:00 (.ics)…")
            ->trigger();
        QCOMPARE(got(saveTo).count("TRIGGER:PT9H"), rows("namesListView").size());
        // no error on the way
        QCOMPARE(boxes, QStringList());
#ifndef Q_OS_WIN // where the preview's print button saves the PDF itself
        // The name days printed (to a PDF, without a printer) and saved as a
        // PDF: the same pages, each numbered.
        if (pdf) {
            openTab("Ονομαστικές");
            fillKind = "QPrintDialog";
            fill = [](QDialog *print) { print->accept(); };
            activate();
            // all printed
            child<QTreeWidget>("namesListView")->topLevelItem(0)->setSelected(true);
            child("namesListView")->setFocus();
            QTest::keyClick(form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
            fillKind.clear();
            // where the printed file is not listed
            const QTemporaryDir other;
            saveTo = other.filePath("ονομαστικές.pdf");
            shown<QAction>(child("namesListView"), "Αποθήκευση ως PDF…")->trigger();
            const QString printedFile = folder.filePath("onomastikes-eortes-2024.pdf");
            const auto printed = pageNumbers(printedFile);
            QCOMPARE(printed, pageNumbers(saveTo));
            QCOMPARE(printed.last(), QString("σελίδα %1 από %1").arg(printed.size()));
            // Printed again on A5 landscape, chosen in the page setup, which
            // opens on the printer's portrait.
            QString setupTitle;
            fill = [&](QDialog *setup) {
                const QList<QComboBox *> boxes = setup->findChildren<QComboBox *>();
                setupTitle = setup->windowTitle() + ", " + boxes[1]->currentText();
                boxes[0]->setCurrentText("A5"), boxes[1]->setCurrentText("Οριζόντιος"), reply(setup, true);
                fill = [](QDialog *print) { print->accept(); }, fillKind = "QPrintDialog";
            };
            fillKind = "QDialog";
            activate();
            child("namesListView")->setFocus();
            QTest::keyClick(form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(setupTitle, "Διαμόρφωση σελίδας, Κατακόρυφος");
            QProcess info;
            // where saving went last
            info.start("pdfinfo", {other.filePath("onomastikes-eortes-2024.pdf")});
            QVERIFY(info.waitForFinished());
            const QString pages = info.readAllStandardOutput();
            QVERIFY2(pages.contains("595 x 420 pts (A5)"), qPrintable(pages));
        }
#endif
    }

private:
    // The number at the foot of each page of a PDF, as pdftotext reads it.
    static QStringList pageNumbers(const QString &pdf)
    {
        QProcess reader;
        reader.start("pdftotext", {pdf, "-"});
        reader.waitForFinished();
        QStringList numbers;
        for (const QString &page : QString(reader.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts))
            numbers << QRegularExpression("σελίδα \\d+ από \\d+").match(page).captured();
        return numbers;
    }
};

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
