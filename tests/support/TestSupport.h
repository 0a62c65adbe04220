#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

class QTreeWidget;
class QUrl;
class TConverterForm;
class TScriptedSeam;

inline const QString kFailedText = QStringLiteral("Can't decode file.");
inline const QString kSuccessText =
    QStringLiteral("Success conversion, Output files save in the output folder.");

// Writes a small file at `path`, making its folder when needed; answers the path.
QString Touch(const QString &path, const QByteArray &contents = "x");

// The output column, or the path column, of every row.
QStringList Outputs(QTreeWidget *list);
QStringList Captions(QTreeWidget *list);

// Drops files on a list as a file manager does: the addresses, or a URI list as raw bytes
// (percent-encoded names need not be UTF-8).
void Drop(QTreeWidget *list, const QList<QUrl> &urls);
void DropUriList(QTreeWidget *list, const QByteArray &uriList);

// The entries of a folder as the file system names them, bytes and all.
QList<QByteArray> NamesIn(const QByteArray &folder);

// The build's own codec folder: the tests sit beside its links.
QString RealCodecDir();

// A temporary program folder with a stand-in codec: a shell script running `body` and the
// three library files checked. The script has $in, the input's name, $out, the output as
// the codec is handed it (/dev/fd/N, which it may write), and $outpath, that file's name.
class TStandInCodec {
public:
    explicit TStandInCodec(const QByteArray &body);
    QString Dir() const { return FDir.path() + u'/'; }

private:
    QTemporaryDir FDir;
};

// Makes `seconds` of a voice-like tone at `path` with the real codec: AMR-NB for ".amr",
// MP3 otherwise.
void MakeAudio(const QString &path, double seconds);

// A two-second AMR memo made once for the whole test program.
QString SharedMemo();

struct TProbe {
    QString codec;
    int sampleRate = 0;
    int channels = 0;
    int bitRate = 0; // of the audio stream
    double duration = 0;
};
TProbe Probe(const QString &path);

int OpenDescriptorCount();
int ChildProcessCount(); // children of this process, zombies included
bool ProcessAlive(qint64 pid); // exists and is not a zombie
long ResidentKiB();

// Every entry below `dir` (relative name) with a checksum of its contents.
QMap<QString, QByteArray> FolderSnapshot(const QString &dir);

// Takes from this process, and every codec it starts, the right of a superuser to read
// and write past file permissions, so that tests can make files and folders unreadable or
// unwritable. False when the rights could not be given up.
bool GiveUpFileOverrides();

// Waits until the batch is over and the window idle: no batch, so no codec running.
bool WaitForIdle(TConverterForm &form, int milliseconds = 20000);

// Presses the active page's Convert button, answers the folder chooser with `folder` and
// waits for the batch to end.
bool ConvertInto(TConverterForm &form, TScriptedSeam &seam, const QString &folder,
                 int milliseconds = 20000);
