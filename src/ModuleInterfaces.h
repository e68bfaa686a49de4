#pragma once

// What the program asks of its two modules, each a Qt plugin with an
// interface of its own, named with its version: a module of another version
// does not load. Nothing thrown crosses between them: a document comes back
// with the reason it failed, and the application a module makes is the
// module's to delete.

#include "Exceptions.h"
#include "Feasts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtPlugin>

#include <new>

class QCoreApplication;

// A document, or in Greek why it was not made.
struct Document
{
    QByteArray bytes;
    QString failure;
};

// A module's document from its maker: what it throws becomes the failure.
template <typename Make> Document documentOf(Make make) noexcept
{
    try {
        return {make(), {}};
    } catch (const Exception &e) {
        return {{}, e.Message};
    } catch (const std::bad_alloc &) {
        return {{}, QStringLiteral("Ανεπαρκής μνήμη.")};
    } catch (...) {
        return {{}, QStringLiteral("Απρόσμενο σφάλμα.")};
    }
}

// eortologio-window: the windows, and the PDF, which needs Qt's graphical
// libraries.
class WindowModule
{
public:
    virtual ~WindowModule() = default;
    // Opens the windows as the arguments ask, in an application of its own;
    // the exit status.
    virtual int runWindows(int &argc, char **argv) = 0;
    // A graphical application, which the PDF's fonts need, in place of a
    // QCoreApplication; kept until endApplication().
    virtual QCoreApplication *startApplication(int &argc, char **argv) = 0;
    virtual void endApplication() = 0;
    virtual Document pdf(const QString &caption, const QList<FeastRow> &rows) = 0;
    // The year's wall calendar, with the country's holidays.
    virtual Document wallCalendar(int year, const QString &country) = 0;
};

// eortologio-xlsx: the workbook, with libxlsxwriter and the cryptography
// library it brings.
class WorkbookModule
{
public:
    virtual ~WorkbookModule() = default;
    virtual Document xlsx(const QString &caption, const QList<FeastRow> &rows) = 0;
};

#define EORTOLOGIO_WINDOW_MODULE "gr.eortologio.WindowModule/3"
#define EORTOLOGIO_WORKBOOK_MODULE "gr.eortologio.WorkbookModule/2"
Q_DECLARE_INTERFACE(WindowModule, EORTOLOGIO_WINDOW_MODULE)
Q_DECLARE_INTERFACE(WorkbookModule, EORTOLOGIO_WORKBOOK_MODULE)
