// Starting the codec, reading its console without blocking, and ending it: one batch alone,
// without a window.
#include "convert/Batch.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QSignalSpy>
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
    void initTestCase() { qRegisterMetaType<QString>(); }

    void realCodecConverts()
    {
        QTemporaryDir out;
        const auto batch = MakeBatch({FMemo}, out.path());
        QSignalSpy reached(batch.get(), &TBatch::RowReached);
        QSignalSpy converted(batch.get(), &TBatch::RowConverted);
        QSignalSpy finished(batch.get(), &TBatch::Finished);
        batch->Start();
        QCOMPARE(reached.size(), 1);
        QVERIFY(batch->Timer.isActive());
        QVERIFY(batch->CurrentRun()->Process.waitForFinished(20000));
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(converted.first().at(1).toString(), out.filePath("memo.mp3"));
        QCOMPARE(Entries(out.path()), QStringList{"memo.mp3"});
        QCOMPARE(batch->FCurrentRow, -1);
        QVERIFY(batch->Over());
    }

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

    // The codec cannot be run: the batch is over at once, with nothing left running or on disk.
    void codecThatCannotRun()
    {
        const TStandInCodec codec("exit 0");
        QFile::setPermissions(codec.Dir() + "amrcodec.dll", QFile::ReadOwner | QFile::WriteOwner);
        QTemporaryDir out;
        const auto batch = MakeBatch({FMemo, FMemo}, out.path(), codec.Dir(), 2);
        QSignalSpy notStarted(batch.get(), &TBatch::CodecNotStarted);
        batch->Start();
        QCOMPARE(notStarted.size(), 1);
        QCOMPARE(notStarted.first().first().toInt(), 0);
        QVERIFY(batch->Over() && !batch->Timer.isActive());
        QCOMPARE(batch->RunningCodecs(), 0);
        QCOMPARE(Entries(out.path()), QStringList());
    }

    // A memo gone before its turn fails that row, with its reason, and nothing is started.
    void vanishedInputStartsNothing()
    {
        QTemporaryDir out;
        const auto batch = MakeBatch({out.filePath("gone.amr")}, out.path());
        QSignalSpy failed(batch.get(), &TBatch::RowFailed);
        batch->Start();
        QCOMPARE(failed.size(), 1);
        QVERIFY(failed.first().at(1).toString().contains("is no longer there"));
        QVERIFY(!batch->CurrentRun() && !batch->Timer.isActive());
        QCOMPARE(ChildProcessCount(), 0);
        batch->Continue();
        QVERIFY(batch->Over());
    }

    // Halting, or destroying, a batch ends every codec it runs and leaves no working file.
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
        const qint64 first = batch->CurrentRun()->Process.processId();
        batch->Halt();
        QVERIFY(!ProcessAlive(first));
        QCOMPARE(ChildProcessCount(), 0);
        QCOMPARE(Entries(out.path()), QStringList());

        batch = MakeBatch({FMemo}, out.path(), codec.Dir());
        batch->Start();
        batch.reset();
        QCOMPARE(ChildProcessCount(), 0);
        QCOMPARE(Entries(out.path()), QStringList());
    }
};

QTEST_MAIN(TestRunner)
#include "test_runner.moc"
