// The one window, TConverterForm: its controls, the design's handlers and what it shows of
// the engine's lists, adds and batches.
#pragma once

#include "convert/Batch.h"
#include "lists/ConversionList.h"
#include "lists/Direction.h"

#include <QMessageBox>
#include <QPersistentModelIndex>
#include <QWidget>

#include <optional>

class QFileDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
struct TAddRequest;
class TAnchors;
class TConversionListView;
class TFileAdder;
class TModalSeam;
struct TFolderProblem;
struct TFoundFile;

// The product's home page, shown and opened by the web label, and the application id made
// from it (its desktop entry, icon and metadata are named after it).
inline constexpr const char *kWebAddress = "https://tolvane.example/";
inline constexpr const char *kApplicationId = "example.tolvane.Tolvane";

// The window's handlers are split over app/ by subsystem: this file and FormLayout.cpp (the
// window), BusyState.cpp (idle and busy), ListHandlers.cpp (the lists), ConvertHandlers.cpp
// (the Convert buttons) and BatchView.cpp (a running batch). The lists' rows live in the
// engine's models, adds are made by its worker and a batch is an object of its own: the
// window shows them and talks to them by signals.
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
    TConversionListView *AMRListView = nullptr;
    QPushButton *AMRAddButton = nullptr;
    QPushButton *AMRDeleteButton = nullptr;
    QPushButton *AMRMP3Button = nullptr;
    TConversionListView *MP3ListView = nullptr;
    QPushButton *MP3AddButton = nullptr;
    QPushButton *MP3DeleteButton = nullptr;
    QPushButton *MP3AMRButton = nullptr;
    QLabel *LogPanel = nullptr;
    QPushButton *StopButton = nullptr;     // on LogPanel, at its right end
    QProgressBar *BatchProgress = nullptr; // on LogPanel, along its lower edge
    // Made on first use: building them costs more than the rest of the window.
    QFileDialog *AMROpenDialog = nullptr;
    QFileDialog *MP3OpenDialog = nullptr;

    QString FExeDir;
    QString FOutputDir;
    // How the window's batches run: one codec per processor core, and the monitor's tick.
    TBatchOptions FBatchOptions;

    // Column of a row that holds its output path.
    static constexpr int OutputColumn = TConversionList::OutputColumn;

    // Whether a batch is being shown, and whether an add is still looking at files.
    bool BatchRunning() const { return bool(FBatch); }
    bool Adding() const;
    TDirection ActiveDirection() const;
    TConversionListView *ViewOf(TDirection direction) const;
    TConversionList *ListOf(TDirection direction) const;
    // The status panel's text: a file starting, or how much of its output is written.
    static QString StatusText(const std::optional<QString> &size);
    static constexpr const char *kWidestProgress = "99999kb";

    // The window (app/).
    void FormCreate();
    void FormResize();
    void FormDestroy();
    void WebLabelClick();
    void EnableControls(bool enabled);
    bool IsBusy() const;
    void StopButtonClick();

    // The lists (2.1 of the design, on the window's side of the engine).
    void AMRAddButtonClick();
    void MP3AddButtonClick();
    void AddAMRFile(const QString &path, bool select);
    void AddMP3File(const QString &path, bool select);
    bool FindRowByPath(TConversionListView *list, const QString &path);
    void AMRDeleteButtonClick();
    void MP3DeleteButtonClick();
    void DropFiles(TDirection page, const QList<QByteArray> &paths);
    void OpenFiles(const QList<QByteArray> &arguments);

    // The Convert buttons (3.3 of the design, on the window's side).
    void AMRMP3ButtonClick();
    void MP3AMRButtonClick();
    bool CheckCodecFiles();
    bool ChooseOutputFolder(const QString &title, QString &folder);

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
    // Answers whether the message's check box, if it has one, was ticked.
    bool ShowMessage(const QString &text, const QString &caption, QMessageBox::Icon icon,
                     const QString &details = QString(), const QString &checkBox = QString());
    void PlacePanel();
    void EscapePressed();

    // Adds: what each one in the worker's queue is for.
    struct TPendingAdd {
        std::optional<TDirection> page; // nothing: each file to the page of its kind
        bool select = true;
        bool report = true;   // whether what could not be looked at is said
        bool showPage = false; // show the page of the first file added
        bool proposeFolders = true; // each new file's folder becomes the proposed output folder
    };
    void StartAdd(TAddRequest request, const TPendingAdd &add);
    void AddPicked(TDirection page, const QStringList &paths);
    void AddOneFile(TDirection page, const QString &path, bool select);
    void ShowFound(quint64 add, const QList<TFoundFile> &files);
    void ShowAddDone(quint64 add, const QList<TFolderProblem> &problems);
    void ShowAdding(bool adding);
    void DeleteSelectedRow(TDirection direction);
    void SetOutputDir(const QByteArray &folder);
    // One line of a list of what failed: a file or folder and why.
    static QString ReasonLine(const QString &what, const QString &why);

    void ConvertPage(TDirection direction);
    void ShowFolderMissing();
    void StartBatch(TBatchJob job);
    void ShowRowReached(int row);
    void ShowRowConverted(int row, const QByteArray &output);
    void ShowRowFailed(int row, const QString &reason, const QString &details);
    void ShowCodecNotStarted(const QString &details);
    void ShowBatchEnd(bool lastRowConverted);
    void EndBatch();
    // The list row a batch row stands in, -1 when it is gone.
    int BatchRow(int row) const;

    // The failures of the batch shown: each in its message until the user asks for no more,
    // then all of them in one at the end; every failed row marked with its reason.
    struct TFailureReport {
        bool quiet = false;   // no more messages in this batch
        bool skipped = false; // a message was left out
        QStringList lines;    // every failed file with its reason
    };
    void ReportFailure(int row, const QString &reason, const QString &details);
    void ShowFailureSummary(const TFailureReport &report);

    TModalSeam &FSeam;
    TAnchors *FAnchors = nullptr;
    TConversionList *FAMRList = nullptr;
    TConversionList *FMP3List = nullptr;
    TFileAdder *FAdder = nullptr;
    QHash<quint64, TPendingAdd> FAdds;
    bool FBusyCursor = false;
    bool FClosed = false;
    // The folder of FOutputDir as the file system names it, when it came from a file added.
    QByteArray FOutputDirNative;
    TBatchPtr FBatch;
    quint64 FBatchSerial = 0; // tells the batch shown from one halted before
    TDirection FBatchDirection = TDirection::AmrToMp3;
    QList<QPersistentModelIndex> FBatchRows; // the list rows of the batch's rows
    TFailureReport FFailures;
};
