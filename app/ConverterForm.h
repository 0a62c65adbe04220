#pragma once

#include "app/Direction.h"
#include "convert/CodecRun.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <memory>

class QFileDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TAnchors;
class TModalSeam;
class TRowIndex;

// The product's home page, shown and opened by the web label, and the application id made
// from it (its desktop entry, icon and metadata are named after it).
inline constexpr const char *kWebAddress = "https://tolvane.example/";
inline constexpr const char *kApplicationId = "example.tolvane.Tolvane";

// What a start of the codec came to, so that a batch knows whether to wait for it.
enum class TStartResult {
    Started,       // the codec runs; Timer takes over
    NotStarted,    // the input is gone or no output name is free; nothing shown
    FailedToStart, // the codec could not be run; reported, the window is idle again
};

// The one window. Its handlers carry all of the program's logic and are split over the
// source folders by subsystem: app/ (window, idle and busy), lists/, convert/.
class TConverterForm : public QWidget {
    Q_OBJECT

public:
    explicit TConverterForm(TModalSeam &seam, QWidget *parent = nullptr);
    ~TConverterForm() override;

    // Controls, in creation order (app/FormLayout.cpp).
    QLabel *LogoImage = nullptr;
    QLabel *WebLabel = nullptr;
    QTabWidget *PageControl = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QTreeWidget *AMRListView = nullptr;
    QPushButton *AMRAddButton = nullptr;
    QPushButton *AMRDeleteButton = nullptr;
    QPushButton *AMRMP3Button = nullptr;
    QTreeWidget *MP3ListView = nullptr;
    QPushButton *MP3AddButton = nullptr;
    QPushButton *MP3DeleteButton = nullptr;
    QPushButton *MP3AMRButton = nullptr;
    QLabel *LogPanel = nullptr;
    QPushButton *StopButton = nullptr;     // on LogPanel, at its right end
    QProgressBar *BatchProgress = nullptr; // on LogPanel, along its lower edge
    // Made on first use: building them costs more than the rest of the window.
    QFileDialog *AMROpenDialog = nullptr;
    QFileDialog *MP3OpenDialog = nullptr;
    QTimer Timer;

    // The window state every handler shares.
    QString FExeDir;
    QString FOutputDir;
    QString FInputPath;
    QString FInputName;
    QString FOutputPath;
    qint32 FCurrentRow = -1;
    quint32 FReadChunk = 1024;
    bool FTicking = false;
    // The codec runs of the batch in row order: the current row's first once it has started,
    // then the rows converting ahead of it, each holding its own output name.
    std::deque<std::unique_ptr<TCodecRun>> FRuns;
    int FMaxCodecs = 1; // codecs at once: one per processor core

    // Column of a row that holds its output path.
    static constexpr int OutputColumn = 2;

    // app/
    void FormCreate();
    void FormResize();
    void FormDestroy();
    void WebLabelClick();
    void EnableControls(bool enabled);
    bool IsBusy() const;
    void StopButtonClick();
    TDirection ActiveDirection() const;
    QTreeWidget *ListOf(TDirection direction) const;
    QTreeWidget *ActiveList() const;

    // lists/
    void AMRAddButtonClick();
    void MP3AddButtonClick();
    void AddAMRFile(const QString &path, bool select);
    void AddMP3File(const QString &path, bool select);
    bool FindRowByPath(QTreeWidget *list, const QString &path);
    void AMRDeleteButtonClick();
    void MP3DeleteButtonClick();
    void DropFiles(QTreeWidget *list, const QStringList &paths);
    void OpenFiles(const QStringList &arguments);

    // convert/
    TStartResult StartDecoding();
    QString ReadPipeText(TCodecRun &run);
    TCodecRun *CurrentRun() const;
    int RunningCodecs() const;
    void AMRMP3ButtonClick();
    void MP3AMRButtonClick();
    bool CheckCodecFiles();
    bool ChooseOutputFolder(const QString &title, QString &folder);
    QString MakeOutputFileName(const QString &name, QString *whyNone = nullptr,
                               bool *undecided = nullptr);
    void TimerTimer();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    QFileDialog *OpenDialogOf(TDirection direction);
    void CentreWebLabel();
    void PrepareCodecProcess();
    void ShowMessage(const QString &text, const QString &caption, QMessageBox::Icon icon,
                     const QString &details = QString());
    void PlacePanel();

    // Files bound for lists, in the order they are to be added.
    using TFileRows = QList<std::pair<QTreeWidget *, QString>>;
    QTreeWidget *AddFiles(const TFileRows &files, bool select);
    void AddFiles(QTreeWidget *list, const QStringList &paths);
    void DeleteSelectedRow(TDirection direction);
    bool HandleListEvent(QTreeWidget *list, QEvent *event);

    std::unique_ptr<TCodecRun> StartRun(int row, const QString &input, const QString &output);
    void ShowCurrentRow();
    TStartResult TakeUpRun();
    void TopUpLookAhead();
    bool StartAhead(int row);
    bool IsHeldOutput(const QString &path) const;
    void DiscardRun();
    void BringTickForward();

    void ConvertPage(TDirection direction);
    void StartRowsFrom(int row);
    QString RemoveRowOutput();
    void HaltBatch();
    void FinishFile(TCodecRun &run);
    QString WhyFileFailed(const TCodecRun &run) const;
    void FinishBatch();

    TModalSeam &FSeam;
    TAnchors *FAnchors = nullptr;
    TRowIndex *FAMRRows = nullptr; // the rows of each list by path
    TRowIndex *FMP3Rows = nullptr;
    bool FBusyCursor = false;
    QTimer FPromptTick;    // a tick brought forward to now
    QTimer FLookAheadTick; // a look for rows to start ahead, when a core may be free
};
