// An add's looks: made here, or in the helper, whose request and findings cross a pair of
// pipes as a data stream.
#include "lists/WalkProcess.h"

#include "lists/Direction.h"
#include "lists/Paths.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;
// Threads reading folders side by side in the helper: a phone's mount answers as many.
constexpr int kFolderReaders = 8;
// How long findings wait at most before they go out, and how much of them.
constexpr auto kSendEvery = std::chrono::milliseconds(20);
constexpr qsizetype kBatchBytes = 256 * 1024;
enum TRecord : quint8 { kFile = 'F', kProblem = 'P', kEnd = 'E' };

bool WriteAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// What the helper has found and not yet written, written by a thread of its own.
class TOutbox {
public:
    TOutbox() : FWriter([this] { Write(); }) {}
    ~TOutbox() { Close(); }

    void Put(const QByteArray &record)
    {
        const std::lock_guard locker(FLock);
        FPending += record;
        if (FPending.size() >= kBatchBytes)
            FWake.notify_one();
    }
    // Writes what is left; false when it could not be written.
    bool Close()
    {
        {
            const std::lock_guard locker(FLock);
            FClosing = true;
        }
        FWake.notify_one();
        if (FWriter.joinable())
            FWriter.join();
        return true;
    }

private:
    void Write()
    {
        std::unique_lock locker(FLock);
        for (;;) {
            FWake.wait_for(locker, kSendEvery, [this] { return FClosing || FPending.size() >= kBatchBytes; });
            const QByteArray out = std::exchange(FPending, {});
            const bool closing = FClosing;
            locker.unlock();
            if (!out.isEmpty() && !WriteAll(STDOUT_FILENO, out))
                ::_exit(3); // nobody reads any more
            if (closing)
                return;
            locker.lock();
        }
    }

    std::mutex FLock;
    std::condition_variable FWake;
    QByteArray FPending;
    bool FClosing = false;
    std::thread FWriter;
};

// Helpers the program has left behind, reaped once they have ended, if ever.
QList<pid_t> &LeftBehind()
{
    static QList<pid_t> pids;
    return pids;
}

void ReapLeftBehind()
{
    QList<pid_t> &pids = LeftBehind();
    pids.removeIf([](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

} // namespace

void LookAtAll(const TAddRequest &request, const TFound &found, const TProblem &problem,
               const std::atomic_bool *stop, int readers)
{
    const auto ofKind = [&](const QByteArray &name) { return HasEnding(name, request.inFolders); };
    for (const QByteArray &path : request.paths) {
        if (stop && stop->load())
            break;
        TFoundFile file;
        int error = 0;
        switch (LookAt(path, &file, &error)) {
        case TEntryKind::File:
            if (request.given.isEmpty() || HasEnding(FileNamePart(path), request.given))
                found(std::move(file));
            break;
        case TEntryKind::Folder:
            if (request.walkFolders) {
                QList<TFolderProblem> problems;
                WalkFolder(path, ofKind,
                           [&](TFoundFile &&inside) {
                               for (const TFolderProblem &met : std::as_const(problems))
                                   problem(met); // in the order met
                               problems.clear();
                               found(std::move(inside));
                           },
                           &problems, stop, readers);
                for (const TFolderProblem &met : std::as_const(problems))
                    problem(met);
            }
            break;
        case TEntryKind::Missing:
            if (error != 0)
                problem({path, error});
            break;
        case TEntryKind::Other: // a pipe or device under an audio name could block the codec for good
            break;
        }
    }
}

int WalkHelperMain()
{
    // Should the program end without it, the helper goes too (unless a look holds it).
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Folders read side by side each hold a descriptor until their entries are looked at.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    QFile input;
    if (!input.open(STDIN_FILENO, QIODevice::ReadOnly))
        return 2;
    QDataStream request(&input);
    request.setVersion(kStreamVersion);
    TAddRequest asked;
    request >> asked.paths >> asked.walkFolders >> asked.inFolders >> asked.given;
    if (request.status() != QDataStream::Ok)
        return 2;
    // Findings go out together, a few times a second: a look that never returns holds
    // nothing back that was found before it.
    TOutbox outbox;
    const auto send = [&](const auto &write) {
        QByteArray record;
        QDataStream out(&record, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        write(out);
        outbox.Put(record);
    };
    LookAtAll(
        asked,
        [&](TFoundFile &&file) {
            send([&](QDataStream &out) {
                out << quint8(kFile) << file.path << file.size << file.id.device << file.id.inode
                    << file.id.modified << file.tree << file.subfolder;
            });
        },
        [&](const TFolderProblem &problem) {
            send([&](QDataStream &out) { out << quint8(kProblem) << problem.path << qint32(problem.error); });
        },
        nullptr, kFolderReaders);
    send([](QDataStream &out) { out << quint8(kEnd); });
    return outbox.Close() ? 0 : 3;
}

TWalkProcess::~TWalkProcess()
{
    if (FOutput >= 0)
        ::close(FOutput);
    if (FPid > 0 && ::waitpid(FPid, nullptr, WNOHANG) == 0) {
        ::kill(FPid, SIGKILL);
        // One stuck in a look at a dead mount dies only once that look returns.
        if (::waitpid(FPid, nullptr, WNOHANG) == 0)
            LeftBehind() << FPid;
    }
}

bool TWalkProcess::Start(const QByteArray &program, const TAddRequest &request)
{
    ReapLeftBehind();
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return false;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char *const arguments[] = {const_cast<char *>(program.constData()), nullptr};
    const int spawned = ::posix_spawn(&FPid, program.constData(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    if (spawned != 0) {
        FPid = -1;
        ::close(in[1]);
        ::close(out[0]);
        return false;
    }
    FOutput = out[0];
    // The helper reads the whole request before it writes anything: no pipe fills both ways.
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    stream << request.paths << request.walkFolders << request.inFolders << request.given;
    const bool sent = WriteAll(in[1], bytes);
    ::close(in[1]);
    return sent;
}

bool TWalkProcess::Read(int cancel, const TFound &found, const TProblem &problem)
{
    QByteArray pending;
    char chunk[65536];
    for (;;) {
        pollfd fds[2] = {{FOutput, POLLIN, 0}, {cancel, POLLIN, 0}};
        if (::poll(fds, cancel >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (cancel >= 0 && (fds[1].revents & POLLIN))
            return false;
        const ssize_t got = ::read(FOutput, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false; // ended without saying so
        pending.append(chunk, got);
        QBuffer buffer(&pending);
        buffer.open(QIODevice::ReadOnly);
        QDataStream in(&buffer);
        in.setVersion(kStreamVersion);
        qint64 used = 0;
        for (;;) {
            in.startTransaction();
            quint8 record = 0;
            in >> record;
            if (record == kFile) {
                TFoundFile file;
                in >> file.path >> file.size >> file.id.device >> file.id.inode >> file.id.modified
                    >> file.tree >> file.subfolder;
                if (!in.commitTransaction())
                    break;
                found(std::move(file));
            } else if (record == kProblem) {
                TFolderProblem met;
                qint32 error = 0;
                in >> met.path >> error;
                if (!in.commitTransaction())
                    break;
                met.error = error;
                problem(met);
            } else if (record == kEnd) {
                if (!in.commitTransaction())
                    break;
                ::waitpid(FPid, nullptr, 0);
                FPid = -1;
                return true;
            } else {
                in.commitTransaction();
                if (in.status() != QDataStream::Ok)
                    break; // the rest of it is still to come
                return false;
            }
            used = buffer.pos();
        }
        pending.remove(0, used);
    }
}
