#include "app/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

bool EntryExists(const QString &path)
{
    struct stat entry;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
}

std::optional<qint64> FileSizeOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.size();
}
