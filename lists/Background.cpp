// The engine's threads: started, deleted once finished, waited for or left at the end.
#include "lists/Background.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QMutex>
#include <QThread>

namespace {

QMutex &Lock()
{
    static QMutex lock;
    return lock;
}

// Every thread started and not deleted yet, and whether the end waits for it. Never
// destroyed: read at the end.
QHash<QThread *, bool> &Threads()
{
    static auto *threads = new QHash<QThread *, bool>;
    return *threads;
}

// Deletes the threads that have finished. Called from the thread that starts them.
void DeleteFinished()
{
    QList<QThread *> finished;
    {
        const QMutexLocker locker(&Lock());
        for (auto it = Threads().begin(); it != Threads().end();) {
            if (it.key()->isFinished()) {
                finished << it.key();
                it = Threads().erase(it);
            } else {
                ++it;
            }
        }
    }
    qDeleteAll(finished);
}

// The application's end, in tests too, gives the batches the time to clean up.
void SettleAtEnd()
{
    Background::Settle(10000);
}

} // namespace

void Background::Start(QThread *thread, bool mustFinish)
{
    DeleteFinished();
    {
        const QMutexLocker locker(&Lock());
        static const bool hooked = (qAddPostRoutine(SettleAtEnd), true);
        Q_UNUSED(hooked)
        Threads().insert(thread, mustFinish);
    }
    thread->start();
}

bool Background::Settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    QList<QThread *> waited;
    {
        const QMutexLocker locker(&Lock());
        for (auto it = Threads().cbegin(); it != Threads().cend(); ++it) {
            if (it.value())
                waited << it.key();
        }
    }
    for (QThread *thread : std::as_const(waited))
        thread->wait(deadline);
    DeleteFinished();
    const QMutexLocker locker(&Lock());
    return Threads().isEmpty();
}
