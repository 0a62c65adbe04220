// The looks of one add, made in a helper process of their own (tolvane-walk), so that a look
// at a mount that never answers holds neither the window nor the program's end: a thread
// stuck in such a look would keep the whole program from ending, a helper is left behind.
#pragma once

#include "lists/FolderWalk.h"

#include <QList>

#include <functional>
#include <sys/types.h>

// What one add looks at: the paths given (files or folders), and which of them to take.
struct TAddRequest {
    QList<QByteArray> paths;
    bool walkFolders = false;    // a folder given is walked for the files below it
    QList<QByteArray> inFolders; // the endings, in lower case, of the files a walk takes
    QList<QByteArray> given;     // the endings of the files given that are taken; empty for all
};

using TFound = std::function<void(TFoundFile &&file)>;
using TProblem = std::function<void(const TFolderProblem &problem)>;

// Makes the request's looks here, in order: each file given, each folder walked, with
// `readers` threads reading folders side by side.
void LookAtAll(const TAddRequest &request, const TFound &found, const TProblem &problem,
               const std::atomic_bool *stop, int readers = 1);

// The helper's main: reads a request on its standard input, makes its looks and writes what
// they find on its standard output as they find it.
int WalkHelperMain();

// One helper, started for one request and read by the thread that started it.
class TWalkProcess {
public:
    TWalkProcess() = default;
    // Kills a helper that has not finished, without waiting for it to die.
    ~TWalkProcess();
    TWalkProcess(const TWalkProcess &) = delete;
    TWalkProcess &operator=(const TWalkProcess &) = delete;

    // Starts `program` on `request`; false when it could not be started.
    bool Start(const QByteArray &program, const TAddRequest &request);
    // Hands on what the helper finds until it is done (true), or until `cancel` can be read
    // or the helper fails (false).
    bool Read(int cancel, const TFound &found, const TProblem &problem);

private:
    pid_t FPid = -1;
    int FOutput = -1;
};
