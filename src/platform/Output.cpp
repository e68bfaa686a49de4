// What the writers of every system share: the one wording of a failed
// write, and the C library's reasons in Greek.

#include "Output.h"

#include <QDir>

#include <cerrno>
#include <utility>

void failedToWrite(const QString &fileName, const QString &reason)
{
    throw Exception(QStringLiteral("Το αρχείο «%1» δεν γράφτηκε: %2.").arg(QDir::toNativeSeparators(fileName), reason));
}

void failedStandardOutput(const QString &reason)
{
    throw Exception(QStringLiteral("Η τυπική έξοδος δεν γράφτηκε: %1.").arg(reason));
}

OutputFile::OutputFile(OutputFile &&other) noexcept
    : fileName(std::move(other.fileName))
    , temporary(std::exchange(other.temporary, QString()))
    , target(std::move(other.target))
    , replace(other.replace)
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
