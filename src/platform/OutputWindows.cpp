// Output on Windows: a temporary file that replaces the old one, the
// reasons of Windows's own error codes, and the console.

#include "Output.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// Why a Windows call failed, as its error code says, in Greek: the cases a
// user meets, such as a file open in another program, get words of their own.
QString windowsReason(DWORD error)
{
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return QStringLiteral("είναι ανοιχτό σε άλλο πρόγραμμα· κλείστε το εκεί και δοκιμάστε ξανά");
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("δεν επιτρέπεται η εγγραφή");
    case ERROR_WRITE_PROTECT:
        return QStringLiteral("ο δίσκος δεν δέχεται εγγραφή");
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return QStringLiteral("ο φάκελος δεν υπάρχει");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return QStringLiteral("δεν υπάρχει ελεύθερος χώρος");
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return QStringLiteral("τα Windows δεν δέχονται αυτό το όνομα αρχείου");
    case ERROR_DIRECTORY:
        return QStringLiteral("είναι φάκελος");
    case ERROR_NOT_READY:
        return QStringLiteral("η συσκευή δεν είναι έτοιμη");
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return QStringLiteral("ανεπαρκής μνήμη");
    default:
        return QStringLiteral("σφάλμα συστήματος %1").arg(error);
    }
}

[[noreturn]] void failOnWindows(const QString &fileName, DWORD error)
{
    failedToWrite(fileName, windowsReason(error));
}

// Names that Windows refuses or takes for a device (CON, NUL, COM1, also with
// an extension), characters it does not allow, and a final dot or space, which
// it would silently drop.
bool allowedOnWindows(const QString &fileName)
{
    // A colon only names a drive, at the start: "C:\\...".
    const qsizetype colon = fileName.lastIndexOf(u':');
    if (colon >= 0 && !(colon == 1 && fileName.size() > 2 && (fileName[2] == u'\\' || fileName[2] == u'/')))
        return false;
    const QString name = QFileInfo(fileName).fileName();
    static const QRegularExpression device(
        QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])(\\..*)?$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression character(QStringLiteral("[<>:\"|?*\\x00-\\x1f]|[. ]$"));
    return !name.isEmpty() && !device.match(name).hasMatch() && !character.match(name).hasMatch();
}

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

// The data goes to a temporary file beside the file, which takes its place on
// commit(). Each step's own error code gives the reason; a file that another
// program holds is found at once, before anything is written.
OutputFile::OutputFile(const QString &fileName, const QByteArray &data)
    : fileName(fileName)
{
    target = QFileInfo(fileName).absoluteFilePath();
    const DWORD attributes = GetFileAttributesW(wide(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        failOnWindows(fileName, ERROR_DIRECTORY);
    if (!allowedOnWindows(fileName))
        failOnWindows(fileName, ERROR_INVALID_NAME);
    const std::wstring folder = wide(QFileInfo(target).absolutePath());
    const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        failOnWindows(fileName, ERROR_PATH_NOT_FOUND);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_READONLY)
            failedToWrite(fileName, QStringLiteral("είναι μόνο για ανάγνωση"));
        const HANDLE held = CreateFileW(
            wide(target).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            failOnWindows(fileName, GetLastError());
        CloseHandle(held);
        replace = true;
    }
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetTempFileNameW(folder.c_str(), L"eor", 0, name))
        failOnWindows(fileName, GetLastError());
    temporary = QString::fromWCharArray(name);
    const HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    for (qsizetype done = 0; !error && done < data.size();) {
        DWORD written = 0;
        if (!WriteFile(file, data.constData() + done, DWORD(std::min<qsizetype>(data.size() - done, 1 << 30)), &written,
                nullptr))
            error = GetLastError();
        done += written;
    }
    if (!error && !FlushFileBuffers(file))
        error = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (error) {
        DeleteFileW(name);
        temporary.clear();
        failOnWindows(fileName, error);
    }
}

OutputFile::~OutputFile()
{
    if (!temporary.isEmpty())
        DeleteFileW(wide(temporary).c_str());
}

// ReplaceFileW keeps the replaced file's attributes and permissions.
void OutputFile::commit()
{
    if (temporary.isEmpty())
        return;
    const bool done = replace ? ReplaceFileW(wide(target).c_str(), wide(temporary).c_str(), nullptr,
                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : MoveFileExW(wide(temporary).c_str(), wide(target).c_str(), MOVEFILE_WRITE_THROUGH);
    if (!done)
        failOnWindows(fileName, GetLastError());
    temporary.clear();
}

namespace {

// A console shows UTF-16 text whatever its code page; a file or a pipe gets
// the bytes as they are, as on Linux.
bool writeConsole(DWORD stream, const QByteArray &data)
{
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return false;
    const std::wstring text = QString::fromUtf8(data).toStdWString();
    DWORD written = 0;
    WriteConsoleW(handle, text.data(), DWORD(text.size()), &written, nullptr); // nowhere else to show it
    return true;
}

bool writeAll(int fd, const QByteArray &data)
{
    for (qsizetype done = 0; done < data.size();) {
        const int written
            = ::_write(fd, data.constData() + done, unsigned(std::min<qsizetype>(data.size() - done, INT_MAX)));
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

void writeStandardOutput(const QByteArray &data)
{
    if (!writeConsole(STD_OUTPUT_HANDLE, data) && !writeAll(1, data))
        failedStandardOutput(systemReason(errno));
}

void writeStandardError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (!writeConsole(STD_ERROR_HANDLE, bytes))
        writeAll(2, bytes);
}

void guardStandardStreams()
{
    const bool attached = AttachConsole(ATTACH_PARENT_PROCESS);
    for (const auto &[fd, stream] : {std::pair {1, STD_OUTPUT_HANDLE}, std::pair {2, STD_ERROR_HANDLE}}) {
        if (attached && GetFileType(GetStdHandle(stream)) == FILE_TYPE_UNKNOWN) {
            const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            SetStdHandle(stream, console);
            ::_dup2(::_open_osfhandle(intptr_t(console), _O_BINARY), fd);
        }
        ::_setmode(fd, _O_BINARY);
    }
}

QByteArray narrowFileName(const QString &path)
{
    std::wstring shortName(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(wide(path).c_str(), shortName.data(), MAX_PATH);
    for (const QString &name : {QDir::toNativeSeparators(path),
             length > 0 && length < MAX_PATH ? QString::fromWCharArray(shortName.data(), length) : QString()}) {
        const QByteArray narrow = name.toLocal8Bit();
        if (!name.isEmpty() && QString::fromLocal8Bit(narrow) == name)
            return narrow;
    }
    return {};
}
