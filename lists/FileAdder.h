// Adds run off the window's thread: every look an add makes at the file system (a folder
// walked, each file's kind, size and identity) is made by a worker, through a helper process
// of its own, and what it finds comes back in order, a chunk at a time.
#pragma once

#include "lists/WalkProcess.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;

class TAddWorker;
struct TAddShelf;

class TFileAdder : public QObject {
    Q_OBJECT

public:
    // `helper` is the walk helper program; without it the worker makes the looks itself.
    explicit TFileAdder(const QString &helper, QObject *parent = nullptr);
    // A walk still running is left to end on its own.
    ~TFileAdder() override;

    // Queues an add behind those before it; answers its number.
    quint64 Add(TAddRequest request);
    // Ends every add where it is, keeping what was found: each gets its Done at once, even
    // while a look at a mount that never answers has not returned (that walk is left behind).
    void Stop();
    bool Busy() const { return !FProblems.isEmpty(); }

signals:
    // Files an add found, in the order a file manager shows them.
    void Found(quint64 add, const QList<TFoundFile> &files);
    // An add is over; what it could not look at.
    void Done(quint64 add, const QList<TFolderProblem> &problems);
    void BusyChanged(bool busy);

private:
    void TakeFromShelf();
    void Abandon();

    const QByteArray FHelper;
    TAddWorker *FWorker = nullptr;
    std::shared_ptr<TAddShelf> FShelf;
    QTimer FTake{this}; // takes what the walk found while it runs
    quint64 FLastAdd = 0;
    QHash<quint64, QList<TFolderProblem>> FProblems; // of each add not over yet
};
