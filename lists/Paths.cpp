// Path and file rules: names as bytes, their shown forms, folders and existence.
#include "lists/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

QByteArray NativePath(const QString &path)
{
    return QFile::encodeName(path);
}

QString DecodedPath(const QByteArray &path)
{
    return QFile::decodeName(path);
}

QString ShownPath(const QString &path)
{
    QString shown = path;
    for (QChar &c : shown) {
        const char16_t code = c.unicode();
        if (code < 0x20)
            c = QChar(char16_t(0x2400 + code)); // the control pictures
        else if (code == 0x7f)
            c = QChar(char16_t(0x2421));
        else if (code == 0x85 || code == 0x2028 || code == 0x2029)
            c = QChar(char16_t(0x2424)); // breaks a line too
    }
    return shown;
}

QString ShownPath(const QByteArray &path)
{
    return ShownPath(DecodedPath(path));
}

QByteArray FolderOfShownPath(const QString &path)
{
    const QByteArray plain = NativePath(path);
    if (!path.contains(QChar::ReplacementCharacter) || !path.startsWith(u'/'))
        return plain;
    QByteArray folder = "/";
    for (const QString &step : path.split(u'/', Qt::SkipEmptyParts)) {
        QByteArray chosen = NativePath(step);
        if (step.contains(QChar::ReplacementCharacter)) {
            // Of the entries that read as the step, the first folder in byte order.
            QList<QByteArray> matches;
            if (DIR *dir = ::opendir(folder.constData())) {
                while (const dirent *entry = ::readdir(dir)) {
                    const QByteArray name(entry->d_name);
                    if (DecodedPath(name) == step && DirectoryExists(JoinPath(folder, name)))
                        matches << name;
                }
                ::closedir(dir);
            }
            std::sort(matches.begin(), matches.end());
            if (!matches.isEmpty())
                chosen = matches.constFirst();
        }
        folder = JoinPath(folder, chosen);
    }
    return folder;
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

QByteArray JoinPath(const QByteArray &folder, const QByteArray &name)
{
    if (folder.isEmpty())
        return name;
    if (name.isEmpty())
        return folder;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
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

bool DirectoryExists(const QByteArray &path)
{
    struct stat entry;
    return !path.isEmpty() && ::stat(path.constData(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
