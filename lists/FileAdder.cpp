// The add worker and its thread, and the window-side object that queues adds and hands on
// what they find.
#include "lists/FileAdder.h"

#include "lists/Background.h"

#include <QFile>
#include <QMetaObject>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <unistd.h>

namespace {

// How often the window takes what a running walk has found: often enough that a slow walk
// shows its rows as it goes, even one stuck on a look that never returns.
constexpr int kTakeMilliseconds = 30;

} // namespace

// What a worker has found and not yet handed on, shared by the worker and the adder, so
// that found files reach the window however long the worker's next look takes.
struct TAddShelf {
    struct TEntry {
        quint64 add;
        QList<TFoundFile> files;
        QList<TFolderProblem> problems;
        bool over = false;
    };
    QMutex lock;
    QList<TEntry> entries; // in the order found
    std::atomic_bool stop = false;
    int cancel[2] = {-1, -1}; // written once the worker is left behind

    TAddShelf()
    {
        if (::pipe2(cancel, O_CLOEXEC | O_NONBLOCK) != 0)
            cancel[0] = cancel[1] = -1; // the walk then ends only with its helper
    }
    ~TAddShelf()
    {
        for (const int fd : cancel) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    void Stop()
    {
        stop = true;
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = ::write(cancel[1], &byte, 1);
    }

    TEntry &Last(quint64 add)
    {
        if (entries.isEmpty() || entries.constLast().add != add || entries.constLast().over)
            entries.append({add, {}, {}, false});
        return entries.last();
    }
};

// Lives in a thread of its own, doing one add after another.
class TAddWorker : public QObject {
    Q_OBJECT

public:
    TAddWorker(std::shared_ptr<TAddShelf> shelf, QByteArray helper)
        : FShelf(std::move(shelf)), FHelper(std::move(helper))
    {
    }
    void Run(quint64 add, const TAddRequest &request);

signals:
    void Put(); // something new is on the shelf

private:
    void Take(quint64 add, TFoundFile &&file);
    void Problem(quint64 add, const TFolderProblem &problem);

    std::shared_ptr<TAddShelf> FShelf;
    const QByteArray FHelper;
};

void TAddWorker::Take(quint64 add, TFoundFile &&file)
{
    const QMutexLocker locker(&FShelf->lock);
    FShelf->Last(add).files.append(std::move(file));
}

void TAddWorker::Problem(quint64 add, const TFolderProblem &problem)
{
    const QMutexLocker locker(&FShelf->lock);
    FShelf->Last(add).problems.append(problem);
}

void TAddWorker::Run(quint64 add, const TAddRequest &request)
{
    const auto take = [&](TFoundFile &&file) { Take(add, std::move(file)); };
    const auto problem = [&](const TFolderProblem &met) { Problem(add, met); };
    if (!FShelf->stop) {
        TWalkProcess walk;
        if (FHelper.isEmpty() || !walk.Start(FHelper, request))
            LookAtAll(request, take, problem, &FShelf->stop);
        else
            walk.Read(FShelf->cancel[0], take, problem);
    }
    {
        const QMutexLocker locker(&FShelf->lock);
        FShelf->Last(add).over = true;
    }
    emit Put();
}

TFileAdder::TFileAdder(const QString &helper, QObject *parent)
    : QObject(parent), FHelper(QFile::exists(helper) ? QFile::encodeName(helper) : QByteArray())
{
    FTake.setInterval(kTakeMilliseconds);
    connect(&FTake, &QTimer::timeout, this, &TFileAdder::TakeFromShelf);
}

TFileAdder::~TFileAdder()
{
    Abandon();
}

quint64 TFileAdder::Add(TAddRequest request)
{
    if (!FWorker) {
        auto *thread = new QThread;
        FShelf = std::make_shared<TAddShelf>();
        FWorker = new TAddWorker(FShelf, FHelper);
        FWorker->moveToThread(thread);
        connect(FWorker, &QObject::destroyed, thread, &QThread::quit, Qt::DirectConnection);
        connect(FWorker, &TAddWorker::Put, this, &TFileAdder::TakeFromShelf, Qt::QueuedConnection);
        Background::Start(thread, false);
    }
    const quint64 add = ++FLastAdd;
    const bool wasBusy = Busy();
    FProblems.insert(add, {});
    QMetaObject::invokeMethod(FWorker, [worker = FWorker, add, request = std::move(request)] {
        worker->Run(add, request);
    }, Qt::QueuedConnection);
    FTake.start();
    if (!wasBusy)
        emit BusyChanged(true);
    return add;
}

// Hands on what the worker found, in order; an add that is over gets its Done.
void TFileAdder::TakeFromShelf()
{
    if (!FShelf)
        return;
    QList<TAddShelf::TEntry> taken;
    {
        const QMutexLocker locker(&FShelf->lock);
        taken = std::exchange(FShelf->entries, {});
    }
    for (const TAddShelf::TEntry &entry : std::as_const(taken)) {
        if (!FProblems.contains(entry.add))
            continue;
        FProblems[entry.add] += entry.problems;
        if (!entry.files.isEmpty())
            emit Found(entry.add, entry.files);
        if (entry.over && FProblems.contains(entry.add)) {
            const QList<TFolderProblem> problems = FProblems.take(entry.add);
            if (FProblems.isEmpty()) {
                FTake.stop();
                emit BusyChanged(false);
            }
            emit Done(entry.add, problems);
        }
    }
}

void TFileAdder::Abandon()
{
    if (!FWorker)
        return;
    FShelf->Stop();
    disconnect(FWorker, nullptr, this, nullptr);
    // Deleted in its own thread once the add it is in returns, if ever.
    QMetaObject::invokeMethod(FWorker, &QObject::deleteLater, Qt::QueuedConnection);
    FWorker = nullptr;
    FShelf.reset();
    FTake.stop();
}

void TFileAdder::Stop()
{
    if (!Busy())
        return;
    TakeFromShelf(); // what was found so far stays found
    Abandon();
    QList<quint64> adds = FProblems.keys();
    std::sort(adds.begin(), adds.end());
    const QHash<quint64, QList<TFolderProblem>> problems = std::exchange(FProblems, {});
    if (!adds.isEmpty())
        emit BusyChanged(false);
    for (const quint64 add : adds)
        emit Done(add, problems.value(add));
}

#include "FileAdder.moc"
