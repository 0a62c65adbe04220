// Starting the codec, reading its console without blocking, and ending it: one batch alone,
// without a window.
#include "convert/Batch.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QTest>

namespace {

// A batch of `inputs` into `folder`, with the codec of `exeDir`.
std::unique_ptr<TBatch> MakeBatch(const QStringList &inputs, const QString &folder,
                                  const QString &exeDir = RealCodecDir(), int codecs = 1)
{
    TBatchJob job{TDirection::AmrToMp3, {}, QFile::encodeName(folder), exeDir};
    for (const QString &input : inputs)
        job.inputs << QFile::encodeName(input);
    return std::make_unique<TBatch>(std::move(job), TBatchOptions{codecs, 1000});
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT

    const QString FMemo = SharedMemo();

private slots:
    void onlyTheLastChunkIsKept_data()
    {
        QTest::addColumn<int>("waiting");
        QTest::addColumn<int>("kept");
        QTest::newRow("more than a chunk") << 1500 << 476;
        QTest::newRow("exactly a chunk") << 1024 << 1024;
        QTest::newRow("three chunks") << 3072 << 1024;
    }
    void onlyTheLastChunkIsKept()
    {
        QFETCH(int, waiting);
        QFETCH(int, kept);
        const TStandInCodec codec(QString("head -c %1 /dev/zero | tr '\\0' a\nprintf b\nexec sleep 30")
                                      .arg(waiting - 1).toUtf8());
        QTemporaryDir out;
        const auto batch = MakeBatch({FMemo}, out.path(), codec.Dir());
        batch->Start();
        batch->Timer.stop();
        TCodecRun &run = *batch->CurrentRun();
        QTRY_COMPARE(run.Process.bytesAvailable(), qint64(waiting));
        const QString text = batch->ReadPipeText(run);
        QCOMPARE(text.size(), kept);
        QVERIFY(text.endsWith('b'));
        QCOMPARE(run.Process.bytesAvailable(), qint64(0));
        QVERIFY(batch->ReadPipeText(run).isEmpty()); // nothing waiting: no wait either
    }

    // A batch gone ends every codec it ran and leaves no working file; while it runs,
    // another batch into the folder takes none of them.
    void haltEndsEveryCodec()
    {
        const TStandInCodec codec("echo partial > \"$out\"\nexec sleep 60");
        QTemporaryDir out;
        auto batch = MakeBatch({FMemo, FMemo, FMemo}, out.path(), codec.Dir(), 3);
        batch->Start();
        QTRY_COMPARE(batch->RunningCodecs(), 3);
        QCOMPARE(Entries(out.path()).size(), 3);
        {
            // Another batch into the folder leaves the working files of one that runs, and a
            // file of the user's that only has such a name.
            Touch(out.filePath(".tolvane-mine.mp3"));
            const auto other = MakeBatch({}, out.path());
        }
        QCOMPARE(Entries(out.path()).size(), 4);
        QFile::remove(out.filePath(".tolvane-mine.mp3"));
        batch.reset();
        QCOMPARE(ChildProcessCount(), 0);
        QCOMPARE(Entries(out.path()), QStringList());
    }
};

QTEST_MAIN(TestRunner)
#include "test_runner.moc"
