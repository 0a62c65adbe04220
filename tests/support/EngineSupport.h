// What the tests of the engine share: files and audio made for them, stand-in codecs, looks
// at processes and folders, and a recorder of a batch's signals. Qt Core alone.
#pragma once

#include "convert/Batch.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

inline const QString kFailedText = QStringLiteral("Can't decode file.");
inline const QString kSuccessText =
    QStringLiteral("Success conversion, Output files save in the output folder.");

// Writes a small file at `path`, making its folder when needed; answers the path.
QString Touch(const QString &path, const QByteArray &contents = "x");

// The entries of a folder as the file system names them, bytes and all.
QList<QByteArray> NamesIn(const QByteArray &folder);

// The build's own codec folder: the tests sit beside its links.
QString RealCodecDir();

// A temporary program folder with a stand-in codec: a shell script running `body` and the
// three library files checked. The script has $in, the input's name, $out, the output as
// the codec is handed it (/dev/fd/N, which it may write), and $outpath, that file's name
// (for a working file that has none yet, its folder with "#<inode> (deleted)").
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
// Children of this process, zombies included, but for those named by NotACodec (the
// drivers of a test's mounts).
int ChildProcessCount();
void NotACodec(qint64 pid);
bool ProcessAlive(qint64 pid); // exists and is not a zombie
long ResidentKiB();

// Every entry below `dir` (relative name) with a checksum of its contents.
QMap<QString, QByteArray> FolderSnapshot(const QString &dir);

// Takes from this process, and every codec it starts, the right of a superuser to read
// and write past file permissions, so that tests can make files and folders unreadable or
// unwritable. False when the rights could not be given up.
bool GiveUpFileOverrides();

// A batch of its own, without a window: what it signalled, in the test's thread. A failed
// row is continued at once, as a window does once its message is closed.
class TBatchRecorder : public QObject {
    Q_OBJECT

public:
    TBatchRecorder(TBatchJob job, TBatchOptions options);
    ~TBatchRecorder() override;

    void Start() { FBatch->Start(); }
    void Halt() { FBatch.reset(); }
    bool WaitForEnd(int milliseconds = 20000);

    QStringList events;           // "reached 0", "progress 0 12kb", "converted 0", "failed 1: why", ...
    QList<QByteArray> outputs;    // of each row, empty for none
    QStringList details;          // of each failure, in turn
    bool finished = false;
    bool lastRowConverted = false;

private:
    TBatchPtr FBatch;
};

// A job converting `inputs` (added one by one) into `folder` with the codec of `exeDir`.
TBatchJob JobOf(TDirection direction, const QStringList &inputs, const QString &folder,
                const QString &exeDir = RealCodecDir());
