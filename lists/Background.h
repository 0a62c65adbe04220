// The engine's threads beside the window's: a batch's, and the one that walks folders for an
// add. The program's end waits for those that must finish and leaves the others.
#pragma once

class QThread;

namespace Background {

// Starts `thread`, which is deleted once it has finished. The program's end waits for a
// thread that `mustFinish` (a batch removing its working files); one that need not (a walk
// stuck on a mount that never answers) is left behind.
void Start(QThread *thread, bool mustFinish);

// Waits up to `milliseconds` for the threads that must finish. Answers whether no thread of
// either kind is left running, so that the program may end as usual; else it must end at once,
// without running what a thread still uses.
bool Settle(int milliseconds);

} // namespace Background
