#pragma once

#include "app/Direction.h"
#include "convert/Batch.h"

#include <QMessageBox>
#include <QWidget>

#include <memory>
#include <optional>

class QFileDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TAnchors;
struct TFolderProblem;
class TModalSeam;
class TRowIndex;

// The product's home page, shown and opened by the web label, and the application id made
// from it (its desktop entry, icon and metadata are named after it).
inline constexpr const char *kWebAddress = "https://tolvane.example/";
inline constexpr const char *kApplicationId = "example.tolvane.Tolvane";

// The one window. Its handlers are split over the source folders by subsystem: app/
// (window, idle and busy), lists/, convert/. A batch is an object of its own (TBatch) that
// the window starts, shows and stops.
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

    QString FExeDir;
    QString FOutputDir;
    // How the window's batches run: one codec per processor core, and the monitor's tick.
    TBatchOptions FBatchOptions;

    // Column of a row that holds its output path.
    static constexpr int OutputColumn = 2;

    // The batch being shown, if any.
    TBatch *Batch() const { return FBatch.get(); }
    // The status panel's text: a file starting, or how much of its output is written.
    static QString StatusText(const std::optional<QString> &size);
    static constexpr const char *kWidestProgress = "99999kb";

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

    // lists/
    void AMRAddButtonClick();
    void MP3AddButtonClick();
    void AddAMRFile(const QString &path, bool select);
    void AddMP3File(const QString &path, bool select);
    bool FindRowByPath(QTreeWidget *list, const QString &path);
    void AMRDeleteButtonClick();
    void MP3DeleteButtonClick();
    void DropFiles(QTreeWidget *list, const QList<QByteArray> &paths);
    void OpenFiles(const QList<QByteArray> &arguments);
    // The file a row stands for, as the file system names it.
    static QByteArray RowPath(const QTreeWidgetItem *row);

    // convert/
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

    // Files bound for lists, as the file system names them, in the order they are to be
    // added.
    using TFileRows = QList<std::pair<QTreeWidget *, QByteArray>>;
    QTreeWidget *AddFiles(const TFileRows &files, bool select, QStringList *problems);
    void AddFiles(QTreeWidget *list, const QStringList &paths);
    QTreeWidget *AddFound(const TFileRows &files, const QList<TFolderProblem> &unread);
    void ReportUnadded(const QStringList &problems);
    // One line of a list of what failed: a file or folder and why.
    static QString ReasonLine(const QString &what, const QString &why);
    bool FindRow(QTreeWidget *list, const QByteArray &path);
    void DeleteSelectedRow(TDirection direction);
    bool HandleListEvent(QTreeWidget *list, QEvent *event);
    void SetOutputDir(const QByteArray &folder);

    void ConvertPage(TDirection direction);
    void StartBatch(TBatchJob job);
    void ShowRowReached(int row);
    void ShowRowConverted(int row, const QString &output);
    void ShowRowFailed(int row, const QString &reason, const QString &details);
    void ShowCodecNotStarted(const QString &details);
    void ShowBatchEnd(bool lastRowConverted);
    void EndBatch();
    QTreeWidgetItem *BatchRow(int row) const;

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
    TRowIndex *FAMRRows = nullptr; // the rows of each list by path
    TRowIndex *FMP3Rows = nullptr;
    bool FBusyCursor = false;
    bool FClosed = false;
    // The folder of FOutputDir as the file system names it, when it came from a file added.
    QByteArray FOutputDirNative;
    std::unique_ptr<TBatch> FBatch;
    TFailureReport FFailures;
};
