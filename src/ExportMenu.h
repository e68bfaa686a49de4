#pragma once

// The report views' context menu: it copies the rows, exports them in each of
// the export formats through the platform's file dialog, or prints them.

#include "Feasts.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QAbstractItemView;
class QFileDialog;
class QWidget;

// The columns of a file dialog's detailed list as wide as their values
// (sizes and dates whole), the name taking the rest.
void fitColumns(QFileDialog &dialog);

// A file of this name in the folder saving goes to: the user's documents at
// first, then the folder of the last file saved.
QString suggestedPath(const QString &fileName);

// Asks for a file name through the platform's file dialog, suggesting one
// that says what the rows hold in the folder last saved to, and writes the
// data there. A write that fails shows its error and asks again on the same
// name; a cancelled dialog does nothing. The file written, empty when none was.
QString saveAs(QWidget *parent, const QString &title, const FeastReport &report, const QString &suffix,
    const QString &filter, const std::function<QByteArray()> &data);

// Where the menu finds its rows and their caption: the selected rows (or all
// when none is selected) for selectedOnly, else all, in the order shown.
using RowSource = std::function<FeastReport(bool selectedOnly)>;

// Gives the view a context menu (right click, the Menu key, Shift+F10) that
// copies its rows, exports them to iCalendar, CSV, Excel or PDF through the
// platform's file dialog, suggesting a name that says what they hold, or
// prints them with a preview under the caption. The actions are disabled while
// the view is empty; their errors show one error box. With reminders, the
// calendar is offered also with an alarm at 09:00 of each day.
void addExportMenu(QAbstractItemView *view, const RowSource &rows, bool reminders = false);
