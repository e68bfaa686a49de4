#pragma once

// Where the program's bytes leave it: files written whole or not at all,
// devices and pipes written into directly, and standard output. Every failure
// raises Exception with a Greek message that names the file once.

#include "Exceptions.h"

#include <QByteArray>
#include <QString>

// One file being written. A regular file, or a link to one, is written to a
// temporary file beside it, which takes its place on commit(): until then, and
// if commit() is never called, an earlier file stays as it was. Anything else
// that exists (a device, a pipe, a socket) and the process's own streams under
// /dev and /proc are written into at once, as the shell writes them.
class OutputFile
{
public:
    // Writes data, or raises Exception.
    OutputFile(const QString &fileName, const QByteArray &data);
    ~OutputFile(); // removes a temporary file that was not committed
    OutputFile(OutputFile &&other) noexcept;
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    OutputFile &operator=(OutputFile &&) = delete;

    // Puts the written file in place; raises Exception when it cannot.
    void commit();
    const QString &name() const { return fileName; }

private:
    QString fileName; // as the user gave it
    QString temporary; // empty once committed, or when written directly
    QString target; // where the temporary file goes: the file at the end of its links
    bool replace = false; // on Windows: the file exists and is replaced
};

// Writes the whole of data to standard output, or raises Exception: a full
// disk or a closed output is a failure. When the reader has gone (a pipe into
// `head`), the program ends at once through SIGPIPE, as shell tools do.
void writeStandardOutput(const QByteArray &data);

// Writes a message to standard error, as well as it can.
void writeStandardError(const QString &text);

// Call first thing when the command line runs: notes whether standard output
// is closed, and puts the null device in the place of closed standard streams,
// so that no file opened later takes their number and receives what is meant
// for them. On Windows the windowed program writes into the console it was
// started from, where its output goes to no file or pipe; the standard
// streams carry bytes unchanged, and a console gets the text as text.
void guardStandardStreams();

// The name of an existing file or folder as the C library's narrow calls
// (fopen) take it: in the system's 8-bit encoding, or on Windows, where a name
// may hold letters of no code page, in its short 8.3 form; empty when neither
// serves.
QByteArray narrowFileName(const QString &path);

// The reason for a failed system call, in Greek, for an error message.
QString systemReason(int error);

// Every failed write is worded here and raised as Exception: "Το αρχείο
// «name» δεν γράφτηκε: reason." and "Η τυπική έξοδος δεν γράφτηκε: reason."
[[noreturn]] void failedToWrite(const QString &fileName, const QString &reason);
[[noreturn]] void failedStandardOutput(const QString &reason);
