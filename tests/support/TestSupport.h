// What the tests of the window share: its lists read as a user reads them, drops as a file
// manager makes them, and waits for its adds and batches.
#pragma once

#include "tests/support/EngineSupport.h"

class QUrl;
class TConverterForm;
class TConversionListView;
class TScriptedSeam;

// The path column, the output column (as shown), and the outputs as the file system names
// them, of every row.
QStringList Captions(TConversionListView *list);
QStringList Outputs(TConversionListView *list);
QList<QByteArray> OutputPaths(TConversionListView *list);
QByteArray RowPath(TConversionListView *list, int row);
int RowCount(TConversionListView *list);

// Drops files on a list as a file manager does (the addresses, or a URI list as raw bytes:
// percent-encoded names need not be UTF-8), and waits until they are added.
void Drop(TConversionListView *list, const QList<QUrl> &urls);
void DropUriList(TConversionListView *list, const QByteArray &uriList);

// Waits until every add has looked at its files and shown them.
bool WaitForAdds(TConverterForm &form, int milliseconds = 20000);

// Waits until the batch is over and the window idle, and a moment for its codecs to be gone.
bool WaitForIdle(TConverterForm &form, int milliseconds = 20000);

// Presses the active page's Convert button, answers the folder chooser with `folder` and
// waits for the batch to end.
bool ConvertInto(TConverterForm &form, TScriptedSeam &seam, const QString &folder,
                 int milliseconds = 20000);
