// Endings from outside: a logout, a closed terminal or a plain kill close the window.
#pragma once

class QWidget;

// A logout, a closed terminal or a plain `kill` (SIGTERM, SIGHUP, SIGINT) closes `window` as
// its close button would, which ends a batch the safe way: every codec ended, every working
// file removed, what was published kept. The program then exits with 128 + the signal.
void EndOnSignals(QWidget &window);
