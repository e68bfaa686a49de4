// The module that makes workbooks, for the command line and the windows:
// libxlsxwriter brings the cryptography library, which a start without a
// workbook need not load.

#include "Exceptions.h"
#include "FeastXlsx.h"
#include "ModuleInterfaces.h"

#include <QObject>

class WorkbookPlugin : public QObject, public WorkbookModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID EORTOLOGIO_WORKBOOK_MODULE)
    Q_INTERFACES(WorkbookModule)

public:
    Document xlsx(const QString &caption, const QList<FeastRow> &rows) override
    {
        return documentOf([&] { return toXlsx(caption, rows); });
    }
};

#include "XlsxModule.moc"
