// Output folders: the chosen one held open, the kept trees made step by step below it.
#include "convert/OutputFolders.h"

#include "convert/OutputNaming.h"
#include "convert/WorkingFile.h"
#include "lists/Paths.h"

#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool RefusedForName(int error)
{
    return error == EINVAL || error == ENOENT || error == EILSEQ;
}

namespace {

// The folder `name` in the one open as `parent`, made if missing. -1 with the errno, and
// whether what stands there is no folder.
int EnterOrMake(int parent, const QByteArray &name, int *error, bool *notAFolder)
{
    *notAFolder = false;
    if (::mkdirat(parent, name.constData(), 0777) != 0 && errno != EEXIST) {
        *error = errno;
        return -1;
    }
    const int fd = ::openat(parent, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status;
    if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
        return fd;
    *error = fd < 0 ? errno : ENOTDIR;
    *notAFolder = *error == ENOTDIR || *error == ELOOP;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace

TOutputFolders::TOutputFolders(QByteArray root)
{
    FRoot.path = std::move(root);
    FRoot.fd = ::open(FRoot.path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (FRoot.fd < 0) {
        FRoot.error = errno;
        FRoot.failedAt = FRoot.path;
        return;
    }
    const long nameMax = ::fpathconf(FRoot.fd, _PC_NAME_MAX);
    FNameMax = nameMax > 0 ? int(std::min<long>(nameMax, INT_MAX)) : NAME_MAX;
    TWorkingFile::ClearAbandoned(FRoot.fd);
}

TOutputFolders::~TOutputFolders()
{
    QSet<int> open{FRoot.fd}; // a step that is none shares its parent's
    for (const TFolder &folder : std::as_const(FBelow))
        open.insert(folder.fd);
    for (const int fd : std::as_const(open)) {
        if (fd >= 0)
            ::close(fd);
    }
}

TOutputFolders::TFolder TOutputFolders::Folder(const QByteArray &relative)
{
    if (relative.isEmpty() || FRoot.fd < 0)
        return FRoot;
    if (const auto found = FBelow.constFind(relative); found != FBelow.cend())
        return *found;
    const qsizetype slash = relative.lastIndexOf('/');
    const TFolder parent = Folder(slash < 0 ? QByteArray() : relative.left(slash));
    TFolder folder;
    if (parent.fd < 0) {
        folder = parent;
        folder.fd = -1;
        FBelow.insert(relative, folder);
        return folder;
    }
    const QByteArray name = relative.mid(slash + 1);
    if (name.isEmpty() || name == "." || name == "..") {
        // No step of a tree leaves the chosen folder: such a step is none.
        FBelow.insert(relative, parent);
        return parent;
    }
    QByteArray made = name;
    folder.fd = EnterOrMake(parent.fd, made, &folder.error, &folder.notAFolder);
    // A name a card refuses is made fit; one it takes is never changed.
    if (folder.fd < 0 && !folder.notAFolder && RefusedForName(folder.error)
        && FitForCards(name) != name) {
        made = FitForCards(name);
        int error = 0;
        folder.fd = EnterOrMake(parent.fd, made, &error, &folder.notAFolder);
        if (folder.fd >= 0 || folder.notAFolder)
            folder.error = error;
    }
    folder.path = JoinPath(parent.path, made);
    if (folder.fd >= 0) {
        folder.error = 0;
        TWorkingFile::ClearAbandoned(folder.fd);
    } else {
        folder.failedAt = folder.path;
    }
    FBelow.insert(relative, folder);
    return folder;
}
