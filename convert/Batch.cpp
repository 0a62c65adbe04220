// A batch's life: its thread, its start, how it moves from row to row, its end; and how it
// names and publishes what it makes.
#include "convert/Batch.h"

#include "convert/OutputFolders.h"
#include "convert/OutputNaming.h"
#include "lists/Background.h"
#include "lists/Paths.h"

#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

TBatch::TBatch(TBatchJob job, TBatchOptions options) : FJob(std::move(job)), FOptions(options)
{
    FOptions.codecs = std::max(1, FOptions.codecs);
    Timer.setInterval(FOptions.tickInterval);
    connect(&Timer, &QTimer::timeout, this, &TBatch::TimerTimer);
    FPromptTick.setSingleShot(true);
    FPromptTick.setInterval(0);
    connect(&FPromptTick, &QTimer::timeout, this, [this] {
        if (Timer.isActive())
            TimerTimer();
    });
    FLookAheadTick.setSingleShot(true);
    FLookAheadTick.setInterval(0);
    connect(&FLookAheadTick, &QTimer::timeout, this, &TBatch::TopUpLookAhead);
}

// Runs in the batch's thread, which ends once the codecs it killed are gone.
TBatch::~TBatch()
{
    EndRuns();
    FFolders.reset();
    if (!FReaper)
        return;
    QThread *thread = FThread;
    if (FReaper->Empty()) {
        delete FReaper;
        thread->quit();
        return;
    }
    TReaper *reaper = FReaper;
    connect(reaper, &TReaper::Emptied, reaper, [reaper, thread] {
        reaper->deleteLater();
        thread->quit();
    });
}

void TBatch::Start()
{
    if (FThread)
        return;
    FThread = new QThread;
    FThread->setObjectName(QStringLiteral("batch"));
    moveToThread(FThread);
    Background::Start(FThread, true);
    QMetaObject::invokeMethod(this, &TBatch::Begin, Qt::QueuedConnection);
}

void TBatch::Continue()
{
    QMetaObject::invokeMethod(this, [this] {
        if (FStage != TStage::Waiting)
            return;
        FStage = TStage::Running;
        FRuns.erase(FCurrentRow);
        StartRowsFrom(FCurrentRow + 1);
    }, Qt::QueuedConnection);
}

void TBatch::Halt()
{
    if (!FThread) {
        delete this;
        return;
    }
    QMetaObject::invokeMethod(this, [this] {
        EndRuns();
        deleteLater();
    }, Qt::QueuedConnection);
}

// The output folder is looked at here, never on the window's thread, where a mount that has
// stopped answering would hold the window.
void TBatch::Begin()
{
    if (FStage != TStage::Ready)
        return;
    FReaper = new TReaper;
    QByteArray folder = FJob.outputDir;
    if (!DirectoryExists(folder) && FJob.chosenDir.contains(QChar::ReplacementCharacter))
        folder = FolderOfShownPath(FJob.chosenDir);
    if (!DirectoryExists(folder)) {
        FStage = TStage::Over;
        emit FolderMissing();
        return;
    }
    FFolders = std::make_unique<TOutputFolders>(folder);
    FStage = TStage::Running;
    emit FolderOpened(folder);
    StartRowsFrom(0);
}

QByteArray TBatch::OutputExtension() const
{
    return TextsOf(FJob.direction).outputExtension;
}

// Moves the batch to `row`: a row converted ahead is taken up as it is, any other is started
// now. A row that cannot start (its input is gone, no working file can be made) fails.
void TBatch::StartRowsFrom(int row)
{
    if (row >= FJob.rows.size()) {
        FinishBatch();
        return;
    }
    FCurrentRow = row;
    FInputPath = FJob.rows.at(row).path;
    FInputName = FileNamePart(FInputPath);
    FOutputPath.clear();
    emit RowReached(row);
    TCodecRun *run = CurrentRun();
    // Converted ahead from a memo that has gone or been replaced since: the row's turn
    // decides, as it would have for a row started only now.
    if (run && !run->InputStillAt(FInputPath)) {
        FRuns.erase(row);
        run = nullptr;
    }
    if (run) {
        run->SetAhead(false);
    } else {
        QString why;
        const TStart start = StartDecoding(&why);
        if (start == TStart::RowFailed)
            FailRow(row, why, why);
        if (start != TStart::Running)
            return;
        run = CurrentRun();
    }
    emit RowStarting(row);
    Timer.start();
    if (run->Ended())
        BringTickForward();
    FLookAheadTick.start();
}

void TBatch::FailRow(int row, const QString &reason, const QString &details)
{
    Timer.stop();
    FStage = TStage::Waiting;
    emit RowFailed(row, reason, details);
}

void TBatch::EndRuns()
{
    FStage = TStage::Over;
    Timer.stop();
    FPromptTick.stop();
    // Each run's codec is killed and its working file removed; nobody waits for a codec to die.
    FRuns.clear();
    FLookAheadTick.stop();
    FCurrentRow = -1;
}

void TBatch::FinishBatch()
{
    EndRuns();
    emit Finished(FLastConverted);
}

// Publishes the current row's whole file under the first free name of the naming rule, in
// the row's own folder below the output folder: a name is taken only by a file that
// appears under it whole, and whatever stands under a name already (a file, a folder, a
// link, even a dangling one) is passed over and left alone. A name the folder's file system
// refuses is made fit for it. Answers the published path, or nothing with the reason.
QByteArray TBatch::PublishOutput(TCodecRun &run, QString *whyNone)
{
    const TBatchRow &row = FJob.rows.at(FCurrentRow);
    const TOutputFolders::TFolder folder = FFolders->Folder(JoinPath(row.tree, row.subfolder));
    if (folder.fd < 0) {
        *whyNone = folder.notAFolder
            ? tr("Can't make the folder \"%1\": a file or a link has its name.").arg(ShownPath(folder.failedAt))
            : tr("Can't make the folder \"%1\": %2.").arg(ShownPath(folder.failedAt), ErrorText(folder.error));
        return QByteArray();
    }
    bool asked = false;
    const auto taken = [&](const QByteArray &name) {
        asked = true;
        struct stat status;
        return ::fstatat(folder.fd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    };
    bool fitted = false;
    int from = 0;
    for (;;) {
        const TOutputName candidate = MakeOutputFileName(folder.path, FInputName, OutputExtension(),
                                                         taken, FFolders->NameMax(), from, fitted);
        if (candidate.path.isEmpty()) {
            const QString name = ShownPath(FInputName);
            const QString in = ShownPath(folder.path);
            *whyNone = asked
                ? tr("No free output name is left for \"%1\" in \"%2\".").arg(name, in)
                : tr("No output name for \"%1\" fits in \"%2\".").arg(name, in);
            return QByteArray();
        }
        const QByteArray name = FileNamePart(candidate.path);
        const int error = run.Working().Publish(folder.fd, folder.path, name);
        if (error == 0)
            return candidate.path;
        if (error == EEXIST) {
            from = candidate.number + 1;
            continue;
        }
        // Refused for its characters by a card or a share: the name made fit, numbered anew.
        if (!fitted && RefusedForName(error) && FitForCards(name) != name) {
            fitted = true;
            from = 0;
            continue;
        }
        *whyNone = tr("Can't create \"%1\": %2.").arg(ShownPath(candidate.path), ErrorText(error));
        return QByteArray();
    }
}
