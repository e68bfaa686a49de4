// The module that makes workbooks, for the command line: libxlsxwriter brings
// the cryptography library, which a start without a workbook need not load.

#include "Exceptions.h"
#include "FeastXlsx.h"

#include <new>

extern "C" Q_DECL_EXPORT void eortologioXlsx(
    const QString *caption, const QList<FeastRow> *rows, QByteArray *workbook, QString *failure)
{
    try {
        *workbook = toXlsx(*caption, *rows);
    } catch (const Exception &e) {
        *failure = e.Message;
    } catch (const std::bad_alloc &) {
        *failure = QStringLiteral("Ανεπαρκής μνήμη.");
    }
}
