#include "Output.h"

#include "Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <string>
#endif

namespace {

#ifdef Q_OS_UNIX

[[noreturn]] void fail(const QString &fileName, int error)
{
    throw Exception(
        QStringLiteral("Το αρχείο «%1» δεν γράφτηκε: %2.").arg(QDir::toNativeSeparators(fileName), systemReason(error)));
}

bool standardOutputClosed = false;

// Writes all of data, going on after interrupted and partial writes; false with
// errno set when the descriptor refuses the rest.
bool writeAll(int fd, const QByteArray &data)
{
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t written = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno != EINTR)
            return false;
        done += std::max<ssize_t>(written, 0);
    }
    return true;
}

// The process's own streams by name (/dev/stdout, /dev/fd/3, /proc/self/fd/1):
// their links lead to pipes and terminals that cannot be replaced.
bool isStreamName(const QString &absolutePath)
{
    return absolutePath.startsWith(u"/proc/") || absolutePath.startsWith(u"/dev/fd/")
        || absolutePath == u"/dev/stdout" || absolutePath == u"/dev/stderr";
}

// Writes all of data (and flushes it to the disk for sync), then closes the
// descriptor; the errno of the first step that failed, or 0.
int writeAndClose(int fd, const QByteArray &data, bool sync)
{
    int error = writeAll(fd, data) && (!sync || ::fsync(fd) == 0) ? 0 : errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    return error;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

#endif

} // namespace

#ifdef Q_OS_UNIX

OutputFile::OutputFile(const QString &fileName, const QByteArray &data)
    : fileName(fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    const bool exists = ::stat(path.constData(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        fail(fileName, EISDIR);
    if ((exists && !S_ISREG(status.st_mode)) || isStreamName(QFileInfo(fileName).absoluteFilePath())) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            fail(fileName, errno);
        if (const int error = writeAndClose(fd, data, false))
            fail(fileName, error);
        return;
    }

    // Links are followed, also to a file that does not exist yet, so that the
    // target gets the new contents and the link stays.
    QFileInfo link(fileName);
    for (int depth = 0; depth < 40 && link.isSymLink(); ++depth)
        link.setFile(link.symLinkTarget());
    target = link.filePath();
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        fail(fileName, errno);
    QByteArray pattern = QFile::encodeName(target) + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        fail(fileName, errno);
    const int modeError = ::fchmod(fd, exists ? status.st_mode & 07777 : newFileMode()) == 0 ? 0 : errno;
    const int error = modeError ? (::close(fd), modeError) : writeAndClose(fd, data, true);
    if (error) {
        ::unlink(pattern.constData()); // the destructor does not run when this fails
        fail(fileName, error);
    }
    temporary = QFile::decodeName(pattern);
}

OutputFile::~OutputFile()
{
    if (!temporary.isEmpty())
        ::unlink(QFile::encodeName(temporary).constData());
}

void OutputFile::commit()
{
    if (temporary.isEmpty())
        return;
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        fail(fileName, errno);
    temporary.clear();
}

void writeStandardOutput(const QByteArray &data)
{
    if (standardOutputClosed)
        errno = EBADF;
    else if (writeAll(STDOUT_FILENO, data))
        return;
    if (errno == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    throw Exception(QStringLiteral("Η τυπική έξοδος δεν γράφτηκε: %1.").arg(systemReason(errno)));
}

void writeStandardError(const QString &text)
{
    writeAll(STDERR_FILENO, text.toUtf8());
}

void guardStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        standardOutputClosed = standardOutputClosed || fd == STDOUT_FILENO;
        const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

#else

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
    throw Exception(QStringLiteral("Το αρχείο «%1» δεν γράφτηκε: %2.")
                        .arg(QDir::toNativeSeparators(fileName), windowsReason(error)));
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
            throw Exception(QStringLiteral("Το αρχείο «%1» δεν γράφτηκε: είναι μόνο για ανάγνωση.")
                                .arg(QDir::toNativeSeparators(fileName)));
        const HANDLE held
            = CreateFileW(wide(target).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    const bool done = replace
        ? ReplaceFileW(wide(target).c_str(), wide(temporary).c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
              nullptr)
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
        const int written = ::_write(fd, data.constData() + done, unsigned(std::min<qsizetype>(data.size() - done, INT_MAX)));
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
        throw Exception(QStringLiteral("Η τυπική έξοδος δεν γράφτηκε: %1.").arg(systemReason(errno)));
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

#endif

OutputFile::OutputFile(OutputFile &&other) noexcept
    : fileName(std::move(other.fileName))
    , temporary(std::exchange(other.temporary, QString()))
    , target(std::move(other.target))
    , replace(other.replace)
{ }

QByteArray narrowFileName(const QString &path)
{
#ifdef Q_OS_WIN
    std::wstring shortName(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(wide(path).c_str(), shortName.data(), MAX_PATH);
    for (const QString &name : {QDir::toNativeSeparators(path),
             length > 0 && length < MAX_PATH ? QString::fromWCharArray(shortName.data(), length) : QString()}) {
        const QByteArray narrow = name.toLocal8Bit();
        if (!name.isEmpty() && QString::fromLocal8Bit(narrow) == name)
            return narrow;
    }
    return {};
#else
    return QFile::encodeName(path);
#endif
}

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("ο φάκελος δεν υπάρχει");
    case ENOTDIR:
        return QStringLiteral("μέρος της διαδρομής δεν είναι φάκελος");
    case EACCES:
    case EPERM:
        return QStringLiteral("δεν επιτρέπεται η εγγραφή");
    case EROFS:
        return QStringLiteral("το σύστημα αρχείων δέχεται μόνο ανάγνωση");
    case ENAMETOOLONG:
        return QStringLiteral("το όνομα είναι πολύ μακρύ");
    case EISDIR:
        return QStringLiteral("είναι φάκελος");
    case ENOSPC:
        return QStringLiteral("δεν υπάρχει ελεύθερος χώρος");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("εξαντλήθηκε ο χώρος που σας αναλογεί");
#endif
    case EFBIG:
        return QStringLiteral("το αρχείο ξεπερνά το επιτρεπτό μέγεθος");
    case EIO:
        return QStringLiteral("σφάλμα εισόδου/εξόδου της συσκευής");
#ifdef ELOOP
    case ELOOP:
        return QStringLiteral("πάρα πολλοί συμβολικοί σύνδεσμοι στη διαδρομή");
#endif
    case ENXIO:
    case ENODEV:
        return QStringLiteral("δεν υπάρχει συσκευή ή αναγνώστης να το δεχτεί");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QStringLiteral("είναι σε χρήση");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("πάρα πολλά ανοιχτά αρχεία");
    case EBADF:
        return QStringLiteral("είναι κλειστή");
    case EPIPE:
        return QStringLiteral("ο αναγνώστης έκλεισε");
    case EAGAIN:
        return QStringLiteral("η συσκευή δεν είναι έτοιμη");
    case ENOMEM:
        return QStringLiteral("ανεπαρκής μνήμη");
    case EINVAL:
        return QStringLiteral("η συσκευή δεν δέχεται εγγραφή");
    default:
        return QStringLiteral("σφάλμα συστήματος %1").arg(error);
    }
}
