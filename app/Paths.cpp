#include "app/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString FileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString DirectoryPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString ExeDirOf(const QString &programFile)
{
    return programFile.left(programFile.lastIndexOf(u'/') + 1);
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool DirectoryExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool IsRegularFile(const QString &path)
{
    return RegularFileSize(path).has_value();
}

std::optional<qint64> RegularFileSize(const QString &path)
{
    struct stat entry;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &entry) != 0
        || !S_ISREG(entry.st_mode))
        return std::nullopt;
    return qint64(entry.st_size);
}

bool CopyFileTimes(const QString &from, const QString &to)
{
    struct stat source;
    if (::stat(QFile::encodeName(from).constData(), &source) != 0)
        return false;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(to).constData(), times, 0) == 0;
}

int NameMaxOf(const QString &folder)
{
    const long max = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return max > 0 ? int(std::min<long>(max, INT_MAX)) : NAME_MAX;
}

int CreateNewFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

int RemoveFile(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT ? 0 : errno;
}

std::optional<qint64> FileSizeOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.size();
}
