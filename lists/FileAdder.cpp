// The add worker and its thread, and the window-side object that queues adds and hands on
// what they find.
#include "lists/FileAdder.h"

#include "lists/Background.h"
#include "lists/Paths.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QThread>

#include <algorithm>
#include <atomic>

// Lives in a thread of its own, doing one add after another.
class TAddWorker : public QObject {
    Q_OBJECT

public:
    std::atomic_bool FStop = false;

    void Run(quint64 add, const TAddRequest &request);

signals:
    void Progress(quint64 add, const QList<TFoundFile> &files, const QList<TFolderProblem> &problems);
    void Finished(quint64 add);

private:
    QList<TFoundFile> FFiles;
    QList<TFolderProblem> FProblems;
    QElapsedTimer FSinceSent;
    void Send(quint64 add);
    void Take(quint64 add, TFoundFile &&file);
};

namespace {

// Found files go to the window in chunks: often enough that a slow walk shows its rows as it
// goes, seldom enough that a fast one costs the window one insertion per chunk.
constexpr qsizetype kChunkFiles = 2000;
constexpr qint64 kChunkMilliseconds = 50;

} // namespace

void TAddWorker::Send(quint64 add)
{
    if (!FFiles.isEmpty() || !FProblems.isEmpty())
        emit Progress(add, std::exchange(FFiles, {}), std::exchange(FProblems, {}));
    FSinceSent.start();
}

void TAddWorker::Take(quint64 add, TFoundFile &&file)
{
    FFiles.append(std::move(file));
    if (FFiles.size() >= kChunkFiles || FSinceSent.elapsed() >= kChunkMilliseconds)
        Send(add);
}

void TAddWorker::Run(quint64 add, const TAddRequest &request)
{
    FSinceSent.start();
    for (const QByteArray &path : request.paths) {
        if (FStop)
            break;
        TFoundFile file;
        int error = 0;
        switch (LookAt(path, &file, &error)) {
        case TEntryKind::File:
            if (!request.given || request.given(FileNamePart(path)))
                Take(add, std::move(file));
            break;
        case TEntryKind::Folder:
            if (request.inFolders)
                WalkFolder(path, request.inFolders,
                           [&](TFoundFile &&found) { Take(add, std::move(found)); }, &FProblems, &FStop);
            break;
        case TEntryKind::Missing:
            if (error != 0)
                FProblems.append({path, error});
            break;
        case TEntryKind::Other: // a pipe or device under an audio name could block the codec for good
            break;
        }
    }
    Send(add);
    emit Finished(add);
}

TFileAdder::TFileAdder(QObject *parent) : QObject(parent)
{
}

TFileAdder::~TFileAdder()
{
    Abandon();
}

quint64 TFileAdder::Add(TAddRequest request)
{
    if (!FWorker) {
        auto *thread = new QThread;
        FWorker = new TAddWorker;
        FWorker->moveToThread(thread);
        connect(FWorker, &QObject::destroyed, thread, &QThread::quit, Qt::DirectConnection);
        connect(FWorker, &TAddWorker::Progress, this,
                [this](quint64 add, const QList<TFoundFile> &files, const QList<TFolderProblem> &problems) {
                    if (!FProblems.contains(add))
                        return;
                    FProblems[add] += problems;
                    if (!files.isEmpty())
                        emit Found(add, files);
                });
        connect(FWorker, &TAddWorker::Finished, this, [this](quint64 add) {
            if (!FProblems.contains(add))
                return;
            const QList<TFolderProblem> problems = FProblems.take(add);
            if (FProblems.isEmpty())
                emit BusyChanged(false);
            emit Done(add, problems);
        });
        Background::Start(thread, false);
    }
    const quint64 add = ++FLastAdd;
    const bool wasBusy = Busy();
    FProblems.insert(add, {});
    QMetaObject::invokeMethod(FWorker, [worker = FWorker, add, request = std::move(request)] {
        worker->Run(add, request);
    }, Qt::QueuedConnection);
    if (!wasBusy)
        emit BusyChanged(true);
    return add;
}

void TFileAdder::Abandon()
{
    if (!FWorker)
        return;
    FWorker->FStop = true;
    disconnect(FWorker, nullptr, this, nullptr);
    // Deleted in its own thread once the add it is in returns, if ever.
    QMetaObject::invokeMethod(FWorker, &QObject::deleteLater, Qt::QueuedConnection);
    FWorker = nullptr;
}

void TFileAdder::Stop()
{
    if (!Busy())
        return;
    Abandon();
    QList<quint64> adds = FProblems.keys();
    std::sort(adds.begin(), adds.end());
    const QHash<quint64, QList<TFolderProblem>> problems = std::exchange(FProblems, {});
    emit BusyChanged(false);
    for (const quint64 add : adds)
        emit Done(add, problems.value(add));
}

#include "FileAdder.moc"
