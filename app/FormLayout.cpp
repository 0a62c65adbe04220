// The window's controls, placed as designed at 96 dots per inch.
#include "app/Anchors.h"
#include "app/BusyState.h"
#include "app/ConverterForm.h"
#include "lists/RowIndex.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr QSize kClientSize(514, 368);
constexpr QSize kPageSize(476, 262);

// The status panel's stop button and progress bar, inside its 233 x 41.
constexpr QRect kStopButton(170, 6, 56, 23);
constexpr int kBarHeight = 3;

QFileDialog *MakeOpenDialog(QWidget *owner, const QString &filter, const QString &suffix)
{
    // Qt's file dialog keeps its history and last folder in the user's settings when it is
    // destroyed. This program keeps no settings: point them where nothing can be written.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    auto *dialog = new QFileDialog(owner, QObject::tr("Open"));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog everywhere, so "All Files" behaves alike on every desktop; "*" because
    // "*.*" would hide names without a dot on Linux.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters({filter, QStringLiteral("All Files (*)")});
    dialog->selectNameFilter(filter);
    dialog->setDefaultSuffix(suffix);
    return dialog;
}

} // namespace

void TConverterForm::BuildLayout()
{
    setWindowTitle(QStringLiteral("Tolvane 1.4"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    move(0, 0);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    FAnchors = new TAnchors(this);

    LogoImage = new QLabel(this);
    LogoImage->setGeometry(16, 4, 360, 49);
    LogoImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Drawn from a picture of twice the size where the screen has twice the pixels.
    LogoImage->setPixmap(QPixmap(devicePixelRatioF() > 1 ? QStringLiteral(":/tolvane/logo@2x.png")
                                                          : QStringLiteral(":/tolvane/logo.png")));

    WebLabel = new QLabel(QString::fromLatin1(kWebAddress), this);
    WebLabel->setGeometry(218, 46, 146, 13);
    WebLabel->setCursor(Qt::PointingHandCursor);
    WebLabel->installEventFilter(this);

    PageControl = new QTabWidget(this);
    PageControl->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    FAnchors->Place(PageControl, {16, 63, 484, 290}, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge,
                    kClientSize);

    struct TPageLayout {
        QWidget *&sheet;
        const char *caption, *fileHeader, *outputHeader, *addCaption, *convertCaption;
        QTreeWidget *&list;
        TRowIndex *&rows;
        QPushButton *&add, *&remove, *&convert;
        void (TConverterForm::*onAdd)(), (TConverterForm::*onDelete)(),
            (TConverterForm::*onConvert)();
    };
    const TPageLayout pages[] = {
        {TabSheet1, "AMR to MP3", "AMR Audio File", "Output MP3 File", "Add AMR Audio",
         "Convert to MP3", AMRListView, FAMRRows, AMRAddButton, AMRDeleteButton, AMRMP3Button,
         &TConverterForm::AMRAddButtonClick, &TConverterForm::AMRDeleteButtonClick,
         &TConverterForm::AMRMP3ButtonClick},
        {TabSheet2, "MP3 to AMR", "MP3 Audio File", "Output AMR File", "Add MP3 Audio",
         "Convert to AMR", MP3ListView, FMP3Rows, MP3AddButton, MP3DeleteButton, MP3AMRButton,
         &TConverterForm::MP3AddButtonClick, &TConverterForm::MP3DeleteButtonClick,
         &TConverterForm::MP3AMRButtonClick},
    };
    for (const TPageLayout &page : pages) {
        page.sheet = new QWidget;
        page.sheet->resize(kPageSize);
        PageControl->addTab(page.sheet, QString::fromLatin1(page.caption));

        QTreeWidget *list = page.list = new QTreeWidget(page.sheet);
        list->setHeaderLabels({QString::fromLatin1(page.fileHeader), QStringLiteral("File Size"),
                               QString::fromLatin1(page.outputHeader)});
        list->header()->setStretchLastSection(false);
        list->setColumnWidth(0, 180);
        list->setColumnWidth(1, 80);
        list->setColumnWidth(OutputColumn, 160);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Long paths keep their file names in view; the whole text shows on hover.
        list->setTextElideMode(Qt::ElideMiddle);
        page.rows = new TRowIndex(list);
        auto *deleteKey = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr,
                                        Qt::WidgetWithChildrenShortcut);
        connect(deleteKey, &QShortcut::activated, this, page.onDelete);
        list->viewport()->setAcceptDrops(true);
        list->viewport()->installEventFilter(this);
        FAnchors->Place(list, {12, 12, 450, 208},
                        Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge, kPageSize);

        page.add = new QPushButton(QString::fromLatin1(page.addCaption), page.sheet);
        FAnchors->Place(page.add, {12, 228, 100, 25}, Qt::LeftEdge | Qt::BottomEdge, kPageSize);
        page.remove = new QPushButton(QStringLiteral("Delete"), page.sheet);
        FAnchors->Place(page.remove, {126, 228, 75, 25}, Qt::LeftEdge | Qt::BottomEdge, kPageSize);
        page.convert = new QPushButton(QString::fromLatin1(page.convertCaption), page.sheet);
        FAnchors->Place(page.convert, {362, 228, 100, 25}, Qt::RightEdge | Qt::BottomEdge,
                        kPageSize);

        setTabOrder(list, page.add);
        setTabOrder(page.add, page.remove);
        setTabOrder(page.remove, page.convert);
        connect(page.add, &QPushButton::clicked, this, page.onAdd);
        connect(page.remove, &QPushButton::clicked, this, page.onDelete);
        connect(page.convert, &QPushButton::clicked, this, page.onConvert);
    }

    LogPanel = new TStatusPanel(this);
    LogPanel->setGeometry(143, 152, 233, 41);
    LogPanel->setAlignment(Qt::AlignCenter);
    LogPanel->setAutoFillBackground(true);
    // The status text is centred in the room left of the stop button, never under it.
    LogPanel->setContentsMargins(1, 1, LogPanel->width() - kStopButton.left(), 1 + kBarHeight);
    StopButton = new QPushButton(QStringLiteral("Stop"), LogPanel);
    StopButton->setGeometry(kStopButton);
    connect(StopButton, &QPushButton::clicked, this, &TConverterForm::StopButtonClick);
    BatchProgress = new QProgressBar(LogPanel);
    BatchProgress->setGeometry(4, LogPanel->height() - 4 - kBarHeight, LogPanel->width() - 8,
                               kBarHeight);
    BatchProgress->setTextVisible(false);
    LogPanel->hide();

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TConverterForm::StopButtonClick);
    // The desktop's Quit keys, and Ctrl+Q where the platform names none (it is the one every
    // Linux desktop uses).
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    auto *quit = new QShortcut(this);
    quit->setKeys(quitKeys);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    Timer.setInterval(1000);
    connect(&Timer, &QTimer::timeout, this, &TConverterForm::TimerTimer);
}

QFileDialog *TConverterForm::OpenDialogOf(TDirection direction)
{
    QFileDialog *&dialog = direction == TDirection::Mp3ToAmr ? MP3OpenDialog : AMROpenDialog;
    if (!dialog) {
        dialog = direction == TDirection::Mp3ToAmr
            ? MakeOpenDialog(this, QStringLiteral("MP3 Files (*.mp3)"), QStringLiteral("mp3"))
            : MakeOpenDialog(this, QStringLiteral("AMR Files (*.amr)"), QStringLiteral("amr"));
    }
    return dialog;
}
