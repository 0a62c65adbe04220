// Starting the codec for the rows a batch reaches, and reading what it writes. The current
// row's codec is the one the window shows; the rows after it convert ahead meanwhile on the
// other cores, each into a working file of its own, so that no row waits for another's name.
#include "convert/Batch.h"
#include "convert/CodecContract.h"
#include "convert/OutputFolders.h"
#include "lists/Paths.h"

#include <algorithm>
#include <cerrno>

namespace {

// How many rows may wait ahead of the current one for each codec beyond the first, converted
// or converting: enough that a long memo in front does not leave the other cores idle.
constexpr int kAheadPerCodec = 4;

} // namespace

TCodecRun *TBatch::CurrentRun() const
{
    const auto found = FRuns.find(FCurrentRow);
    return found == FRuns.end() ? nullptr : found->second.get();
}

int TBatch::RunningCodecs() const
{
    return int(std::count_if(FRuns.cbegin(), FRuns.cend(),
                             [](const auto &entry) { return entry.second->Runs(); }));
}

// A run with its memo open and its working file made (in the output folder: a row of a
// kept tree moves into its own folder only once it is whole), or nothing with the errno of
// what failed.
std::unique_ptr<TCodecRun> TBatch::OpenRun(int row, int *inputError, int *workingError)
{
    auto run = std::make_unique<TCodecRun>(row, *FReaper);
    *inputError = run->OpenInput(FJob.rows.at(row).path);
    *workingError = 0;
    if (*inputError != 0)
        return nullptr;
    const TOutputFolders::TFolder &root = FFolders->Root();
    *workingError = root.fd < 0 ? root.error : run->CreateWorkingFile(root.fd, root.path);
    return *workingError == 0 ? std::move(run) : nullptr;
}

bool TBatch::StartRun(TCodecRun &run)
{
    // Once a codec has ended, the tick that judges its file need not wait for the next second,
    // and a core is free for the next row.
    connect(&run.Process(), &QProcess::finished, this, [this, row = run.Row] {
        if (row == FCurrentRow && FStage == TStage::Running)
            BringTickForward();
        if (FStage != TStage::Over)
            FLookAheadTick.start();
    });
    return run.Start(FJob.exeDir + QString::fromLatin1(kCodecProgram),
                     CodecArguments(FJob.direction, run.InputArgument(), run.OutputArgument()));
}

TBatch::TStart TBatch::StartDecoding(QString *why)
{
    const int row = FCurrentRow;
    int inputError = 0;
    int workingError = 0;
    std::unique_ptr<TCodecRun> run = OpenRun(row, &inputError, &workingError);
    if (!run) {
        const QString input = ShownPath(FInputPath);
        if (inputError == ENOENT || inputError == ENOTDIR)
            *why = tr("\"%1\" is no longer there, or is not a file.").arg(input);
        else if (inputError != 0)
            *why = tr("Can't open \"%1\": %2.").arg(input, ErrorText(inputError));
        else
            *why = tr("Can't create a file in \"%1\": %2.")
                       .arg(ShownPath(FFolders->Root().path), ErrorText(workingError));
        return TStart::RowFailed;
    }
    if (!StartRun(*run)) {
        const QString details = run->Process().errorString();
        run.reset();
        EndRuns(); // no codec, no working file is left behind
        emit CodecNotStarted(row, details);
        return TStart::BatchOver;
    }
    FRuns[row] = std::move(run);
    return TStart::Running;
}

// Starts rows after the current one while cores are free. A row that cannot start now (its
// input is not there, no working file can be made, the codec does not run) is left for its
// turn, which says why.
void TBatch::TopUpLookAhead()
{
    if (FStage == TStage::Ready || FStage == TStage::Over || FOptions.codecs < 2)
        return;
    const int rows = int(FJob.rows.size());
    const int aheadLimit = kAheadPerCodec * (FOptions.codecs - 1);
    FNextAhead = std::max(FNextAhead, FCurrentRow + 1);
    while (FNextAhead < rows && RunningCodecs() < FOptions.codecs
           && int(std::distance(FRuns.upper_bound(FCurrentRow), FRuns.end())) < aheadLimit) {
        const int row = FNextAhead++;
        int inputError = 0;
        int workingError = 0;
        std::unique_ptr<TCodecRun> run = OpenRun(row, &inputError, &workingError);
        if (!run || !StartRun(*run))
            continue;
        run->SetAhead(true);
        FRuns[row] = std::move(run);
    }
}

// Reads everything waiting now, chunk by chunk, and answers the text of the last chunk.
// Only bytes already waiting are read, so this never blocks.
QString TBatch::ReadPipeText(TCodecRun &run)
{
    QByteArray chunk;
    while (run.Process().bytesAvailable() > 0) {
        chunk = run.Process().read(FReadChunk);
        run.Keep(chunk);
        if (chunk.size() < qsizetype(FReadChunk))
            break;
    }
    // Console text ends at a zero byte, as the codec's C strings do.
    const qsizetype zero = chunk.indexOf('\0');
    return QString::fromLocal8Bit(zero < 0 ? chunk : chunk.left(zero));
}
