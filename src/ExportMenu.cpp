#include "ExportMenu.h"

#include "Application.h"
#include "FeastExport.h"
#include "FeastPdf.h"
#include "Modules.h"
#include "NameDays.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

// Hands Ctrl+C in a view to the copy action: the view itself would copy only
// the text of its current cell.
class CopyKey : public QObject
{
public:
    explicit CopyKey(QAction *copy)
        : QObject(copy)
        , copy(copy)
    { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
            return false;
        if (copy->isEnabled())
            copy->trigger();
        return true;
    }

private:
    QAction *copy;
};

// A right click leaves the view where it is. Otherwise the press scrolls the
// clicked cell into view a moment later, and a feast wider than the view
// pushes the number, date and day off its left edge while the menu is open.
class KeepPlaceOnRightClick : public QObject
{
public:
    explicit KeepPlaceOnRightClick(QAbstractItemView *view)
        : QObject(view)
        , view(view)
    { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            view->setAutoScroll(static_cast<QMouseEvent *>(event)->button() != Qt::RightButton);
        return false;
    }

private:
    QAbstractItemView *view;
};

// The folder the save dialog opens in: the user's documents at first, then
// the folder of the last file saved, for the rest of the run.
QString &saveFolder()
{
    static QString folder = [] {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QDir(documents).exists() ? documents : QDir::homePath(); // not the working directory
    }();
    return folder;
}

// A file name that says what the rows hold, in Latin letters and with their
// years (eortologio-2025, onomastikes-eortes-2025), in the folder where saving goes.
QString suggestedName(const FeastReport &report, const QString &suffix)
{
    const QString stem = toLatinLetters(calendarName(report.caption, report.rows))
                             .toLower()
                             .replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return suggestedPath(stem + u'.' + suffix);
}

} // namespace

QString suggestedPath(const QString &fileName)
{
    return QDir(saveFolder()).filePath(fileName);
}

void fitColumns(QFileDialog &dialog)
{
    if (auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) { // Qt's own dialog
        QHeaderView *header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

QString saveAs(QWidget *parent, const QString &title, const FeastReport &report, const QString &suffix,
    const QString &filter, const std::function<QByteArray()> &data)
{
    QString name = suggestedName(report, suffix);
    for (;;) {
        QFileDialog dialog(parent, title, name, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix); // "γιορτές" is saved as "γιορτές.ics"
        fitColumns(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        name = dialog.selectedFiles().constFirst();
        try {
            saveFile(name, data());
            saveFolder() = QFileInfo(name).path();
            return name;
        } catch (const Exception &e) {
            ShowException(e);
        }
    }
}

namespace {

// The print preview's own action of that text, as Qt names it before
// translation; a stand-in when this version of Qt has none of that name.
QAction *previewAction(QPrintPreviewDialog &preview, const char *text)
{
    for (QAction *action : preview.findChildren<QAction *>())
        if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", text))
            return action;
    return new QAction(&preview);
}

// The page setup of a printer that prints to PDF, which Qt's own page setup
// does not serve (it says so on the terminal): the paper's size and its
// orientation, the preview drawn again on them.
void setUpPage(QPrintPreviewDialog &preview, QPrinter *printer)
{
    QDialog dialog(&preview);
    dialog.setWindowTitle(QStringLiteral("Διαμόρφωση σελίδας"));
    auto *form = new QFormLayout(&dialog);
    auto *size = new QComboBox(&dialog);
    for (const QPageSize::PageSizeId id :
        {QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::Letter, QPageSize::Legal})
        size->addItem(QPageSize(id).name(), int(id));
    size->setCurrentIndex(std::max(0, size->findData(int(printer->pageLayout().pageSize().id()))));
    auto *orientation = new QComboBox(&dialog);
    orientation->addItems({QStringLiteral("Κατακόρυφος"), QStringLiteral("Οριζόντιος")});
    orientation->setCurrentIndex(printer->pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0);
    form->addRow(QStringLiteral("&Μέγεθος χαρτιού:"), size);
    form->addRow(QStringLiteral("&Προσανατολισμός:"), orientation);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer->setPageSize(QPageSize(QPageSize::PageSizeId(size->currentData().toInt())));
    printer->setPageOrientation(orientation->currentIndex() ? QPageLayout::Landscape : QPageLayout::Portrait);
    preview.findChild<QPrintPreviewWidget *>()->updatePreview();
}

} // namespace

void addExportMenu(QAbstractItemView *view, const RowSource &rows, bool reminders)
{
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto add = [view](const QString &text, const QKeySequence &key, const std::function<void()> &work) {
        auto *action = new QAction(text, view);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(action);
        QObject::connect(action, &QAction::triggered, view, [work] { runCommand(work); });
    };
    add(QStringLiteral("Αντιγραφή"), QKeySequence::Copy,
        [rows] { QGuiApplication::clipboard()->setText(toTabSeparated(rows(true).rows)); });
    const auto addPrint = [&] {
        add(QStringLiteral("Εκτύπωση…"), QKeySequence::Print, [view, rows] {
            const FeastReport report = rows(false);
            const QString &caption = report.caption;
            const QList<FeastRow> &all = report.rows;
            // Laid out at the resolution of a PDF's, so that the printed pages
            // break where «Αποθήκευση ως PDF…» breaks them.
            QPrinter paper(QPrinter::HighResolution);
            QPrintPreviewDialog preview(&paper, view->window());
            QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                [&](QPrinter *printer) { printRows(printer, caption, all); });
            // The pages and title of «Αποθήκευση ως PDF»; printed to a PDF file,
            // a name as the exports suggest one.
            QPrinter *printer = preview.printer();
            preparePage(printer, printer->outputFormat() == QPrinter::PdfFormat);
            printer->setDocName(documentTitle(caption, all));
            if (printer->outputFormat() == QPrinter::PdfFormat) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
                // Here the preview asks for the PDF file itself, and would print
                // to a name given beforehand even when its dialog is cancelled:
                // its print button asks as the exports do instead, writes the
                // file whole or not at all, and closes the preview once written.
                const ExportFormat &pdf = exportFormat(Format::Pdf);
                QAction *print = previewAction(preview, "Print");
                print->disconnect(&preview);
                QObject::connect(print, &QAction::triggered, &preview, [&] {
                    const bool saved = !saveAs(&preview, pdf.title, report, pdf.suffix, pdf.filter, [&] {
                        const QTemporaryDir folder;
                        printer->setOutputFileName(folder.filePath(QStringLiteral("print.pdf")));
                        preview.findChild<QPrintPreviewWidget *>()->print();
                        QFile file(printer->outputFileName());
                        if (!folder.isValid() || !file.open(QIODevice::ReadOnly))
                            throw Exception(
                                QStringLiteral("Το PDF δεν φτιάχτηκε: δεν βρέθηκε προσωρινός φάκελος για αυτό."));
                        return file.readAll();
                    }).isEmpty();
                    if (saved)
                        preview.accept();
                });
#else
                printer->setOutputFileName(suggestedName(report, QStringLiteral("pdf")));
#endif
            }
            // Without a printer the preview prints to PDF, whose page is set up here.
            if (printer->outputFormat() != QPrinter::NativeFormat) {
                QAction *setup = previewAction(preview, "Page setup");
                setup->disconnect(&preview);
                QObject::connect(setup, &QAction::triggered, &preview, [&] { setUpPage(preview, printer); });
            }
            preview.exec();
        });
    };
    // Each format, the calendar also with its alarms where asked, and the
    // printed list before the PDF.
    const auto save = [view, rows](const ExportFormat &format, const QString &title, bool reminder) {
        const FeastReport all = rows(false);
        saveAs(view, title, all, format.suffix, format.filter,
            [&] { return exportBytes(format.format, all.caption, all.rows, reminder, xlsxFromModule, toPdf); });
    };
    for (const ExportFormat &format : exportFormats) {
        if (format.format == Format::Pdf)
            addPrint();
        add(format.title + u'…', {}, [save, &format] { save(format, format.title, false); });
        if (reminders && format.format == Format::Ics)
            add(QStringLiteral("Εξαγωγή σε ημερολόγιο με υπενθύμιση στις 09:00 (.ics)…"), {},
                [save, &format] { save(format, QStringLiteral("Εξαγωγή σε ημερολόγιο με υπενθύμιση"), true); });
    }

    view->installEventFilter(new CopyKey(view->actions().constFirst()));
    view->viewport()->installEventFilter(new KeepPlaceOnRightClick(view));

    // Shift+F10 opens the menu as the Menu key does, at the current row.
    auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), view, view, [view] {
        // The part of the current cell that shows: a long feast reaches far
        // beyond the view's right edge.
        const QRect row = view->visualRect(view->currentIndex()) & view->viewport()->rect();
        const QPoint at = view->viewport()->mapTo(view, row.isValid() ? row.center() : QPoint(0, 0));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &event);
    });
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);

    const auto enable = [view] {
        for (QAction *action : view->actions())
            action->setEnabled(view->model()->rowCount() > 0);
    };
    QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, view, enable);
    QObject::connect(view->model(), &QAbstractItemModel::rowsRemoved, view, enable);
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, view, enable);
    enable();
}
