#include "app/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

QByteArray NativePath(const QString &path)
{
    return QFile::encodeName(path);
}

QString ShownPath(const QByteArray &path)
{
    return QFile::decodeName(path);
}

QString FileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QByteArray FileNamePart(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QString DirectoryPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QByteArray DirectoryPart(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArray();
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray AbsolutePath(const QByteArray &path)
{
    QByteArray whole = path;
    if (!path.startsWith('/')) {
        char *here = ::getcwd(nullptr, 0);
        whole = QByteArray(here ? here : "/") + '/' + path;
        std::free(here);
    }
    QList<QByteArray> steps;
    for (const QByteArray &step : whole.split('/')) {
        if (step.isEmpty() || step == ".")
            continue;
        if (step == "..") {
            if (!steps.isEmpty())
                steps.removeLast();
            continue;
        }
        steps << step;
    }
    return '/' + steps.join('/');
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
    return DirectoryExists(NativePath(path));
}

bool DirectoryExists(const QByteArray &path)
{
    struct stat entry;
    return !path.isEmpty() && ::stat(path.constData(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

std::optional<qint64> RegularFileSize(const QByteArray &path, int *error)
{
    struct stat entry;
    const bool looked = !path.isEmpty() && ::stat(path.constData(), &entry) == 0;
    if (error)
        *error = looked ? 0 : path.isEmpty() ? ENOENT : errno;
    if (!looked || !S_ISREG(entry.st_mode))
        return std::nullopt;
    return qint64(entry.st_size);
}

bool IsRegularFile(const QByteArray &path)
{
    return RegularFileSize(path).has_value();
}

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
