// Output on POSIX systems: a descriptor written whole, a temporary file
// renamed over the old one, and the standard streams by their numbers.

#include "Output.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    return absolutePath.startsWith(u"/proc/") || absolutePath.startsWith(u"/dev/fd/") || absolutePath == u"/dev/stdout"
        || absolutePath == u"/dev/stderr";
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

} // namespace

OutputFile::OutputFile(const QString &fileName, const QByteArray &data)
    : fileName(fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status
    {
    };
    const bool exists = ::stat(path.constData(), &status) == 0;
    if (!exists && errno == ELOOP) // a loop of links: none of them is replaced
        failedToWrite(fileName, systemReason(ELOOP));
    if (exists && S_ISDIR(status.st_mode))
        failedToWrite(fileName, systemReason(EISDIR));
    if ((exists && !S_ISREG(status.st_mode)) || isStreamName(QFileInfo(fileName).absoluteFilePath())) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            failedToWrite(fileName, systemReason(errno));
        if (const int error = writeAndClose(fd, data, false))
            failedToWrite(fileName, systemReason(error));
        return;
    }

    // Links are followed, also to a file that does not exist yet, so that the
    // target gets the new contents and the link stays.
    QFileInfo link(fileName);
    for (int depth = 0; depth < 40 && link.isSymLink(); ++depth)
        link.setFile(link.symLinkTarget());
    target = link.filePath();
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        failedToWrite(fileName, systemReason(errno));
    QByteArray pattern = QFile::encodeName(target) + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        failedToWrite(fileName, systemReason(errno));
    const int modeError = ::fchmod(fd, exists ? status.st_mode & 07777 : newFileMode()) == 0 ? 0 : errno;
    const int error = modeError ? (::close(fd), modeError) : writeAndClose(fd, data, true);
    if (error) {
        ::unlink(pattern.constData()); // the destructor does not run when this fails
        failedToWrite(fileName, systemReason(error));
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
        failedToWrite(fileName, systemReason(errno));
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
    failedStandardOutput(systemReason(errno));
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
        // The lowest free descriptor, the lower ones being open: this one.
        ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
}

QByteArray narrowFileName(const QString &path)
{
    return QFile::encodeName(path);
}
