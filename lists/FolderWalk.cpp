// Looking at files and walking folders for an add, through each folder's own descriptor.
#include "lists/FolderWalk.h"

#include "lists/Paths.h"

#include <QCollator>
#include <QHashFunctions>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <numeric>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

size_t qHash(const TFileId &id, size_t seed)
{
    return qHashMulti(seed, id.device, id.inode, id.modified);
}

namespace {

// Deeper than any recordings tree; a bind mount of a folder inside itself ends here.
constexpr int kMostLevels = 64;

TFileId IdOf(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino),
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

TFoundFile FileOf(const QByteArray &path, const struct stat &status)
{
    return {path, qint64(status.st_size), IdOf(status), {}, {}};
}

// One look at `name` in the folder open as `folder`: the attributes the lookup itself
// brings are taken as they come, so that a mount that keeps nothing is not asked for them a
// second time. 0, or the errno.
int Look(int folder, const char *name, int flags, struct stat *status)
{
    struct statx found;
    if (::statx(folder, name, flags | AT_STATX_DONT_SYNC,
                STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_MTIME, &found) != 0)
        return errno;
    *status = {};
    status->st_dev = makedev(found.stx_dev_major, found.stx_dev_minor);
    status->st_ino = found.stx_ino;
    status->st_mode = found.stx_mode;
    status->st_size = off_t(found.stx_size);
    status->st_mtim = {found.stx_mtime.tv_sec, long(found.stx_mtime.tv_nsec)};
    return 0;
}

// A folder open for its entries to be looked at relative to it; closed once the last of
// them has been.
struct TOpenFolder {
    DIR *dir = nullptr;
    ~TOpenFolder()
    {
        if (dir)
            ::closedir(dir);
    }
    int Fd() const { return ::dirfd(dir); }
};

// One folder of a walk: opened, read, and each entry looked at, in natural order. What it
// found waits for its turn to be handed on; a subfolder is a job of its own.
struct TFolderJob {
    struct TOutcome {
        enum TKind { File, Problem, Folder } kind;
        QByteArray path;
        struct stat status {};
        int error = 0;
        std::shared_ptr<TFolderJob> folder;
    };

    std::shared_ptr<TOpenFolder> parent; // none for the folder added
    QByteArray name;                     // in the parent; the whole path for the folder added
    QByteArray path, subfolder;
    int level = 0;

    QList<TOutcome> outcomes;
    std::mutex lock;
    std::condition_variable finished;
    bool started = false;
    bool done = false;
};

class TWalk;

// Threads that read folders side by side: a slow mount answers lookups in different folders
// at once, one folder's only one after another.
class TFolderReaders {
public:
    explicit TFolderReaders(TWalk &walk, int count);
    ~TFolderReaders();
    void Submit(std::shared_ptr<TFolderJob> job);

private:
    void Serve();

    TWalk &FWalk;
    std::mutex FLock;
    std::condition_variable FWork;
    std::deque<std::shared_ptr<TFolderJob>> FQueue;
    bool FClosing = false;
    std::vector<std::thread> FThreads;
};

class TWalk {
public:
    TWalk(const std::function<bool(const QByteArray &)> &wanted,
          const std::function<void(TFoundFile &&)> &found, QList<TFolderProblem> *problems,
          const std::atomic_bool *stop, QByteArray tree)
        : FWanted(wanted), FFound(found), FProblems(problems), FStop(stop), FTree(std::move(tree))
    {
    }

    void Walk(std::shared_ptr<TFolderJob> top, int readers)
    {
        if (readers > 1) {
            TFolderReaders pool(*this, readers);
            FReaders = &pool;
            pool.Submit(top);
            Emit(*top);
            FReaders = nullptr;
        } else {
            Emit(*top);
        }
    }

    // Opens, reads and looks at one folder's entries.
    void Run(TFolderJob &job)
    {
        const auto finish = [&] {
            const std::lock_guard locker(job.lock);
            job.done = true;
            job.finished.notify_all();
        };
        const int fd = job.parent
            ? ::openat(job.parent->Fd(), job.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
            : ::open(job.name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        job.parent.reset();
        if (fd < 0) {
            // A subfolder replaced by a link or a file since it was listed is passed over.
            const int error = errno;
            if (error != ENOENT && ((error != ELOOP && error != ENOTDIR) || job.level == 0))
                job.outcomes.append({TFolderJob::TOutcome::Problem, job.path, {}, error, {}});
            return finish();
        }
        auto folder = std::make_shared<TOpenFolder>();
        folder->dir = ::fdopendir(fd);
        if (!folder->dir) {
            job.outcomes.append({TFolderJob::TOutcome::Problem, job.path, {}, errno, {}});
            ::close(fd);
            return finish();
        }
        QList<QByteArray> names;
        QList<unsigned char> types;
        errno = 0;
        while (const dirent *entry = ::readdir(folder->dir)) {
            if (entry->d_name[0] == '.') // also "." and ".."
                continue;
            names << QByteArray(entry->d_name);
            types << entry->d_type;
        }
        if (errno != 0 && names.isEmpty())
            job.outcomes.append({TFolderJob::TOutcome::Problem, job.path, {}, errno, {}});
        for (const qsizetype at : NaturalOrder(names)) {
            if (Stopped())
                break;
            Entry(job, folder, names.at(at), types.at(at));
        }
        finish();
    }

    void Serve(TFolderJob &job)
    {
        {
            const std::lock_guard locker(job.lock);
            if (std::exchange(job.started, true))
                return;
        }
        Run(job);
    }

private:
    bool Stopped() const { return FStop && FStop->load(std::memory_order_relaxed); }

    void Entry(TFolderJob &job, const std::shared_ptr<TOpenFolder> &folder, const QByteArray &name,
               unsigned char type)
    {
        const QByteArray path = JoinPath(job.path, name);
        const auto file = [&](const struct stat &status) {
            job.outcomes.append({TFolderJob::TOutcome::File, path, status, 0, {}});
        };
        const auto problem = [&](int error) {
            // A name gone meanwhile, or a link to nothing, is a name that is not there.
            if (error != ENOENT)
                job.outcomes.append({TFolderJob::TOutcome::Problem, path, {}, error, {}});
        };
        const auto subfolder = [&] {
            if (job.level + 1 >= kMostLevels)
                return;
            auto sub = std::make_shared<TFolderJob>();
            sub->parent = folder;
            sub->name = name;
            sub->path = path;
            sub->subfolder = JoinPath(job.subfolder, name);
            sub->level = job.level + 1;
            job.outcomes.append({TFolderJob::TOutcome::Folder, path, {}, 0, sub});
            if (FReaders)
                FReaders->Submit(sub);
        };
        struct stat status;
        switch (type) {
        case DT_REG:
        case DT_LNK: // taken as the file it leads to; a folder it leads to is not followed
            if (!FWanted(name))
                return;
            if (const int error = Look(folder->Fd(), name.constData(), 0, &status))
                return problem(error);
            if (S_ISREG(status.st_mode))
                file(status);
            return;
        case DT_DIR:
            return subfolder();
        case DT_UNKNOWN: // the file system does not say: one look tells
            if (const int error = Look(folder->Fd(), name.constData(), AT_SYMLINK_NOFOLLOW, &status))
                return problem(error);
            if (S_ISDIR(status.st_mode))
                return subfolder();
            if (S_ISLNK(status.st_mode))
                return Entry(job, folder, name, DT_LNK);
            if (S_ISREG(status.st_mode) && FWanted(name))
                file(status);
            return;
        default: // pipes, sockets and devices, whose reading could block or never end
            return;
        }
    }

    // Hands on what `job` found once it is done, subfolders in their places.
    void Emit(TFolderJob &job)
    {
        if (!FReaders)
            Serve(job); // one folder after another: read when its turn comes
        {
            std::unique_lock locker(job.lock);
            job.finished.wait(locker, [&] { return job.done; });
        }
        for (TFolderJob::TOutcome &outcome : job.outcomes) {
            if (Stopped())
                return;
            switch (outcome.kind) {
            case TFolderJob::TOutcome::File: {
                TFoundFile found = FileOf(outcome.path, outcome.status);
                found.tree = FTree;
                found.subfolder = job.subfolder;
                FFound(std::move(found));
                break;
            }
            case TFolderJob::TOutcome::Problem:
                FProblems->append({outcome.path, outcome.error});
                break;
            case TFolderJob::TOutcome::Folder:
                Emit(*outcome.folder);
                outcome.folder.reset();
                break;
            }
        }
        job.outcomes.clear();
    }

    const std::function<bool(const QByteArray &)> &FWanted;
    const std::function<void(TFoundFile &&)> &FFound;
    QList<TFolderProblem> *FProblems;
    const std::atomic_bool *FStop;
    const QByteArray FTree;
    TFolderReaders *FReaders = nullptr;
};

TFolderReaders::TFolderReaders(TWalk &walk, int count) : FWalk(walk)
{
    for (int i = 0; i < count; ++i)
        FThreads.emplace_back([this] { Serve(); });
}

TFolderReaders::~TFolderReaders()
{
    {
        const std::lock_guard locker(FLock);
        FClosing = true;
        FQueue.clear();
    }
    FWork.notify_all();
    for (std::thread &thread : FThreads)
        thread.join();
}

void TFolderReaders::Submit(std::shared_ptr<TFolderJob> job)
{
    {
        const std::lock_guard locker(FLock);
        FQueue.push_back(std::move(job));
    }
    FWork.notify_one();
}

void TFolderReaders::Serve()
{
    for (;;) {
        std::shared_ptr<TFolderJob> job;
        {
            std::unique_lock locker(FLock);
            FWork.wait(locker, [this] { return FClosing || !FQueue.empty(); });
            if (FClosing)
                return;
            job = std::move(FQueue.front());
            FQueue.pop_front();
        }
        FWalk.Serve(*job);
    }
}

} // namespace

TEntryKind LookAt(const QByteArray &path, TFoundFile *file, int *error)
{
    *error = 0;
    struct stat status;
    const int looked = path.isEmpty() || path.contains('\0') ? ENOENT
                                                            : Look(AT_FDCWD, path.constData(), 0, &status);
    if (looked != 0) {
        const int failed = looked;
        if (failed != ENOENT && failed != ENOTDIR)
            *error = failed;
        return TEntryKind::Missing;
    }
    if (S_ISDIR(status.st_mode))
        return TEntryKind::Folder;
    if (!S_ISREG(status.st_mode))
        return TEntryKind::Other;
    *file = FileOf(path, status);
    return TEntryKind::File;
}

void WalkFolder(const QByteArray &folder, const std::function<bool(const QByteArray &name)> &wanted,
                const std::function<void(TFoundFile &&file)> &found,
                QList<TFolderProblem> *problems, const std::atomic_bool *stop, int readers)
{
    QByteArray top = folder;
    while (top.size() > 1 && top.endsWith('/'))
        top.chop(1);
    auto job = std::make_shared<TFolderJob>();
    job->name = folder;
    job->path = top;
    TWalk(wanted, found, problems, stop, FileNamePart(top)).Walk(job, readers);
}

namespace {

// The run of digits, or of other characters, that starts at `at`.
QStringView RunAt(QStringView text, qsizetype at)
{
    const bool digits = text.at(at).isDigit();
    qsizetype end = at + 1;
    while (end < text.size() && text.at(end).isDigit() == digits)
        ++end;
    return text.mid(at, end - at);
}

// Digit runs by value: fewer significant digits is smaller, then digit by digit.
int CompareNumbers(QStringView a, QStringView b)
{
    const auto significant = [](QStringView digits) {
        qsizetype zeros = 0;
        while (zeros + 1 < digits.size() && digits.at(zeros) == u'0')
            ++zeros;
        return digits.mid(zeros);
    };
    const QStringView x = significant(a), y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

// "Voice 2" before "Voice 10" where there is no language to collate by (the C locale, whose
// collation knows neither numbers nor case): digit runs by value, the rest without case.
bool NaturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView x = RunAt(a, i), y = RunAt(b, j);
        const bool numbers = x.at(0).isDigit() && y.at(0).isDigit();
        const int order = numbers ? CompareNumbers(x, y) : x.compare(y, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
        i += x.size();
        j += y.size();
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size(); // a prefix comes first
    return a < b; // equal but for case or leading zeros: any fixed order
}

} // namespace

QList<qsizetype> NaturalOrder(const QList<QByteArray> &names)
{
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    if (QLocale().language() == QLocale::C) {
        QStringList shown;
        for (const QByteArray &name : names)
            shown << ShownPath(name);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return NaturalLess(shown.at(a), shown.at(b));
        });
        return order;
    }
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.append({collator.sortKey(ShownPath(names.at(i))), i});
    std::stable_sort(keys.begin(), keys.end(), [&](const auto &a, const auto &b) {
        const int order = a.first.compare(b.first);
        // Names the collation holds equal still come in one fixed order.
        return order != 0 ? order < 0 : names.at(a.second) < names.at(b.second);
    });
    for (qsizetype i = 0; i < keys.size(); ++i)
        order[i] = keys.at(i).second;
    return order;
}
