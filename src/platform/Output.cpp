#include "Output.h"

#include "Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

[[noreturn]] void fail(const QString &fileName, int error)
{
    throw Exception(
        QStringLiteral("Το αρχείο «%1» δεν γράφτηκε: %2.").arg(QDir::toNativeSeparators(fileName), systemReason(error)));
}

#ifdef Q_OS_UNIX

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
    target = QFile::encodeName(link.filePath());
    if (exists && ::access(target.constData(), W_OK) != 0)
        fail(fileName, errno);
    QByteArray pattern = target + ".XXXXXX";
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
    if (::rename(QFile::encodeName(temporary).constData(), target.constData()) != 0)
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

// Elsewhere Qt's QSaveFile keeps the promise; its errors carry no errno, so the
// reason names the step that failed.
OutputFile::OutputFile(const QString &fileName, const QByteArray &data)
    : fileName(fileName)
{
    if (QFileInfo(fileName).isDir())
        fail(fileName, EISDIR);
    saveFile = std::make_unique<QSaveFile>(fileName);
    QSaveFile *file = saveFile.get();
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(fileName, QFileInfo(fileName).absoluteDir().exists() ? EACCES : ENOENT);
    if (file->write(data) != data.size())
        fail(fileName, ENOSPC);
}

OutputFile::~OutputFile() = default;

void OutputFile::commit()
{
    if (saveFile && !saveFile->commit())
        fail(fileName, EIO);
    saveFile.reset();
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
    , saveFile(std::move(other.saveFile))
{ }

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
