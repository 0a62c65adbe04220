// Starting the codec for the rows a batch reaches, and reading what it writes. The current
// row's codec is the one the window shows and judges; with more than one processor core,
// the rows after it convert ahead meanwhile, each under the name it will keep.
#include "app/ConverterForm.h"
#include "app/Paths.h"
#include "convert/CodecContract.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QTreeWidget>

#include <algorithm>

namespace {

// How many rows may wait ahead of the current one for each codec beyond the first, converted
// or converting: enough that a long memo in front does not leave the other cores idle.
constexpr int kAheadPerCodec = 4;

} // namespace

void TConverterForm::PrepareCodecProcess()
{
    FMaxCodecs = std::max(1, QThread::idealThreadCount());
    FPromptTick.setSingleShot(true);
    FPromptTick.setInterval(0);
    connect(&FPromptTick, &QTimer::timeout, this, [this] {
        if (Timer.isActive())
            TimerTimer();
    });
    FLookAheadTick.setSingleShot(true);
    FLookAheadTick.setInterval(0);
    connect(&FLookAheadTick, &QTimer::timeout, this, &TConverterForm::TopUpLookAhead);
}

TCodecRun *TConverterForm::CurrentRun() const
{
    return !FRuns.empty() && FRuns.front()->Row == FCurrentRow ? FRuns.front().get() : nullptr;
}

int TConverterForm::RunningCodecs() const
{
    return int(std::count_if(FRuns.cbegin(), FRuns.cend(), [](const auto &run) { return run->Runs(); }));
}

// Whether `path` is the output of a row of this batch that has not been judged yet.
bool TConverterForm::IsHeldOutput(const QString &path) const
{
    return path == FOutputPath
        || std::any_of(FRuns.cbegin(), FRuns.cend(),
                       [&](const auto &run) { return run->OutputPath == path; });
}

std::unique_ptr<TCodecRun> TConverterForm::StartRun(int row, const QString &input,
                                                    const QString &output)
{
    auto run = std::make_unique<TCodecRun>(row);
    // Once a codec has ended, the tick that judges its file need not wait for the next second,
    // and a core is free for the next row.
    connect(&run->Process, &QProcess::finished, run.get(), [this, run = run.get()] {
        if (run == CurrentRun())
            BringTickForward();
        FLookAheadTick.start();
    });
    run->Start(FExeDir + QString::fromLatin1(kCodecProgram),
               CodecArguments(ActiveDirection(), input, output));
    return run;
}

// Once the codec has ended, the ticks that finish its file need not wait for the next second.
void TConverterForm::BringTickForward()
{
    if (Timer.isActive())
        FPromptTick.start();
}

// The row a batch has reached is made the selected one and painted.
void TConverterForm::ShowCurrentRow()
{
    QTreeWidget *list = ActiveList();
    if (QTreeWidgetItem *row = list->topLevelItem(FCurrentRow)) {
        list->setCurrentItem(row);
        row->setSelected(true);
    }
    QCoreApplication::processEvents();
}

TStartResult TConverterForm::StartDecoding()
{
    ShowCurrentRow();
    if (FInputPath.isEmpty() || !IsRegularFile(FInputPath) || FOutputPath.isEmpty()) {
        RemoveRowOutput();
        return TStartResult::NotStarted;
    }

    LogPanel->setText(QStringLiteral("Start to decode audio ..."));
    // A codec still running for this row is ended before its next start.
    while (!FRuns.empty() && FRuns.front()->Row <= FCurrentRow)
        DiscardRun();
    if (!IsBusy()) {
        EnableControls(false);
        QCoreApplication::processEvents();
        if (FOutputPath.isEmpty()) // stopped, or the window closed, meanwhile
            return TStartResult::NotStarted;
    }

    std::unique_ptr<TCodecRun> run = StartRun(FCurrentRow, FInputPath, FOutputPath);
    if (run->Started()) {
        FRuns.push_front(std::move(run));
        Timer.start();
        FLookAheadTick.start();
        return TStartResult::Started;
    }
    RemoveRowOutput(); // the name held for it is left empty
    if (IsBusy())
        EnableControls(true);
    ShowMessage(QStringLiteral("Can't start to deocde audio."), QStringLiteral("ERROR"),
                QMessageBox::Critical, run->Process.errorString());
    return TStartResult::FailedToStart;
}

// The row a batch has reached was started ahead: the window takes over its output name and
// watches it from now on, as if it had just started it.
TStartResult TConverterForm::TakeUpRun()
{
    const QPointer<TCodecRun> run = FRuns.front().get();
    FOutputPath = std::exchange(run->OutputPath, QString());
    run->SetAhead(false);
    ShowCurrentRow();
    if (!run || FOutputPath.isEmpty()) // stopped, or the window closed, meanwhile
        return TStartResult::NotStarted;
    LogPanel->setText(QStringLiteral("Start to decode audio ..."));
    Timer.start();
    if (run->Ended())
        BringTickForward();
    FLookAheadTick.start();
    return TStartResult::Started;
}

// Starts rows after the current one while cores are free. A row whose start could come out
// otherwise once the rows before it are judged (its name or its input is an output not yet
// judged, its input is gone, no name can be had) is left for its turn, and so is every row
// after it, so that names are still chosen in row order.
void TConverterForm::TopUpLookAhead()
{
    if (!CurrentRun() || FMaxCodecs < 2)
        return;
    const int rows = ActiveList()->topLevelItemCount();
    const int aheadLimit = kAheadPerCodec * (FMaxCodecs - 1);
    while (RunningCodecs() < FMaxCodecs && int(FRuns.size()) - 1 < aheadLimit) {
        const int next = FRuns.back()->Row + 1; // the runs cover the rows from the current one on
        if (next >= rows || !StartAhead(next))
            break;
    }
}

bool TConverterForm::StartAhead(int row)
{
    const QString input = ActiveList()->topLevelItem(row)->text(0);
    if (!IsRegularFile(input) || IsHeldOutput(input))
        return false;
    bool undecided = false;
    const QString output = MakeOutputFileName(FileNamePart(input), nullptr, &undecided);
    if (output.isEmpty())
        return false;
    std::unique_ptr<TCodecRun> run = StartRun(row, input, output);
    if (!run->Started()) {
        RemoveFile(output);
        return false;
    }
    run->OutputPath = output;
    run->SetAhead(true);
    FRuns.push_back(std::move(run));
    return true;
}

// Reads everything waiting now, chunk by chunk, and answers the text of the last chunk.
// Only bytes already waiting are read, so this never blocks.
QString TConverterForm::ReadPipeText(TCodecRun &run)
{
    QByteArray chunk;
    while (run.Process.bytesAvailable() > 0) {
        chunk = run.Process.read(FReadChunk);
        run.Keep(chunk);
        if (chunk.size() < qsizetype(FReadChunk))
            break;
    }
    // Console text ends at a zero byte, as the codec's C strings do.
    const qsizetype zero = chunk.indexOf('\0');
    return QString::fromLocal8Bit(zero < 0 ? chunk : chunk.left(zero));
}
