// Eortologio: the feasts and name days of the Greek Orthodox year.
//
// How the pieces fit, each knowing only those below it:
//
//   main.cpp ── CommandLine (options, text, files)          eortologio
//      │            └─ Modules: loads a plugin when asked
//      │                 ├─ eortologio-window: Unit1 (TForm1), Companion,
//      │                 │    Reminder, Desktop, ExportMenu, FeastPdf
//      │                 └─ eortologio-xlsx: FeastXlsx
//      └─ all of them link libeortologio-core (Qt Core only):
//           FeastExport (text, CSV, iCalendar) · Contacts, ContactBook,
//           Greeting, Choices · NameDays · Feasts · Misc (Easter) ·
//           platform/ (dates, DayClock, TList, exceptions, file output)
//
// The command line starts on Qt Core alone; the windows, the PDF and the
// workbook load their libraries only when asked for.

#include "CommandLine.h"
#include "Modules.h"

int main(int argc, char *argv[])
{
    if (prepareCommandLine(argc, argv))
        return commandLineMain(argc, argv);
    return runWindowModule(argc, argv);
}
