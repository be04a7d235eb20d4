#include "common/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// "diskte yer kalmadı (No space left on device)": the cause, and the system's words
// where it gave any.
QString told(const QString &cause, const QString &systemWords)
{
    return systemWords.isEmpty() ? cause : QStringLiteral("%1 (%2)").arg(cause, systemWords);
}

// Whether a program may open files in `folder` by name. Windows folders say nothing of it.
bool enterable(const QFileInfo &folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return true;
#else
    return folder.isExecutable();
#endif
}

const QString notAFile = QStringLiteral("bu bir dosya değil");

// What keeps the folder of `target` from being reached: one of the folders on its way
// may not be entered, or it is missing (`missingWords`). Nothing when it can be used.
std::optional<QString> folderTrouble(const QFileInfo &target, const QString &missingWords)
{
    QFileInfo folder(target.absolutePath());
    bool missing = false;
    // A folder that may not be entered hides everything below it: the nearest one
    // that can be seen tells which it is.
    while (!folder.exists() && !folder.isRoot()) {
        missing = true;
        folder = QFileInfo(folder.absolutePath());
    }
    if (!enterable(folder))
        return QStringLiteral("dosyanın bulunduğu klasöre erişim izniniz yok");
    if (missing)
        return missingWords;
    return std::nullopt;
}

// Why a file could not be written, from what the target and its folder are now: a
// file's error code alone does not tell a folder, a read-only file and a broken disk apart.
QString writeCause(const QString &path, QFileDevice::FileError error)
{
    if (error == QFileDevice::ResourceError)
        return QStringLiteral("diskte yer kalmadı");
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("bu bir klasör");
    if (const std::optional<QString> folder = folderTrouble(target, QStringLiteral("kaydedileceği klasör yok")))
        return *folder;
    if (target.exists() && !target.isFile())
        return notAFile;
    if (target.exists() && !target.isWritable())
        return QStringLiteral("dosya salt okunur; üzerine yazma izniniz yok");
    if (!QFileInfo(target.absolutePath()).isWritable())
        return QStringLiteral("bu klasöre yazma izniniz yok");
    return QStringLiteral("dosya yazılamadı");
}

QString readCause(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("bu bir klasör");
    if (const std::optional<QString> folder = folderTrouble(target, QStringLiteral("böyle bir klasör yok")))
        return *folder;
    if (!target.exists())
        return QStringLiteral("böyle bir dosya yok");
    if (!target.isReadable())
        return QStringLiteral("bu dosyayı okuma izniniz yok");
    return QStringLiteral("dosya açılamadı");
}

// The data written so far, on the disk itself: an error that only the disk reports
// (a broken disk, a full quota on a network share) comes here or not at all.
std::optional<QString> syncTrouble(QSaveFile &file)
{
#ifdef Q_OS_WIN
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))))
        return std::nullopt;
    return told(QStringLiteral("dosya diske yazılamadı"), qt_error_string(int(GetLastError())));
#else
    if (::fsync(file.handle()) == 0)
        return std::nullopt;
    const int error = errno;
    // A file system that cannot sync (some pipes and special ones) has written what it holds.
    if (error == EINVAL || error == EROFS)
        return std::nullopt;
    return told(error == ENOSPC || error == EDQUOT ? QStringLiteral("diskte yer kalmadı")
                                                   : QStringLiteral("dosya diske yazılamadı"),
                qt_error_string(error));
#endif
}

// Opens the file at `path` for reading if it is a regular file, checking the file that
// was opened rather than the name: a name can be swapped for a pipe in between.
std::optional<QString> openRegular(QFile &file, const QString &path)
{
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (QFileInfo(path).isDir())
        return readCause(path);
    if (!file.open(QIODevice::ReadOnly))
        return told(readCause(path), file.errorString());
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != FILE_TYPE_DISK)
        return notAFile;
    return std::nullopt;
#else
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return told(readCause(path), qt_error_string(error));
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return S_ISDIR(status.st_mode) ? QStringLiteral("bu bir klasör") : notAFile;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return told(QStringLiteral("dosya açılamadı"), file.errorString());
    }
    return std::nullopt;
#endif
}

// The cause as the end of a sentence.
QString sentence(const QString &cause)
{
    return cause + u'.';
}

std::optional<QString> writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return told(writeCause(path, file.error()), file.errorString());
    // QSaveFile holds what is written in a buffer, and its commit() neither reports a
    // buffer it could not flush nor a sync that failed: both are checked here, while
    // the earlier file can still be kept.
    std::optional<QString> why;
    if (file.write(bytes) != bytes.size() || !file.flush())
        why = told(writeCause(path, file.error()), file.errorString());
    else
        why = syncTrouble(file);
    if (why) {
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return told(writeCause(path, file.error()), file.errorString());
    return std::nullopt;
}

} // namespace

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const std::optional<QString> why = writeWhole(path, bytes);
    return why ? std::optional(sentence(*why)) : std::nullopt;
}

std::variant<QByteArray, QString> readRegularFile(const QString &path, qint64 limit)
{
    QFile file;
    if (const std::optional<QString> why = openRegular(file, path))
        return sentence(*why);
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return sentence(told(QStringLiteral("dosya okunamadı"), file.errorString()));
    return bytes;
}
