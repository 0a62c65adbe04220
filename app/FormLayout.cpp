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

QFileDialog *MakeOpenDialog(QWidget *owner, const QStringList &filters, const QString &suffix)
{
    // Qt's file dialog keeps its history and last folder in the user's settings when it is
    // destroyed. This program keeps no settings: point them where nothing can be written.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    auto *dialog = new QFileDialog(owner, TConverterForm::tr("Open"));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog everywhere, so "All Files" behaves alike on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.constFirst());
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
        {TabSheet1, QT_TR_NOOP("AMR to MP3"), QT_TR_NOOP("AMR Audio File"),
         QT_TR_NOOP("Output MP3 File"), QT_TR_NOOP("Add AMR Audio"), QT_TR_NOOP("Convert to MP3"), AMRListView, FAMRRows, AMRAddButton, AMRDeleteButton, AMRMP3Button,
         &TConverterForm::AMRAddButtonClick, &TConverterForm::AMRDeleteButtonClick,
         &TConverterForm::AMRMP3ButtonClick},
        {TabSheet2, QT_TR_NOOP("MP3 to AMR"), QT_TR_NOOP("MP3 Audio File"),
         QT_TR_NOOP("Output AMR File"), QT_TR_NOOP("Add MP3 Audio"), QT_TR_NOOP("Convert to AMR"), MP3ListView, FMP3Rows, MP3AddButton, MP3DeleteButton, MP3AMRButton,
         &TConverterForm::MP3AddButtonClick, &TConverterForm::MP3DeleteButtonClick,
         &TConverterForm::MP3AMRButtonClick},
    };
    for (const TPageLayout &page : pages) {
        page.sheet = new QWidget;
        page.sheet->resize(kPageSize);
        PageControl->addTab(page.sheet, tr(page.caption));

        QTreeWidget *list = page.list = new QTreeWidget(page.sheet);
        list->setHeaderLabels({tr(page.fileHeader), tr("File Size"), tr(page.outputHeader)});
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

        page.add = new QPushButton(tr(page.addCaption), page.sheet);
        FAnchors->Place(page.add, {12, 228, 100, 25}, Qt::LeftEdge | Qt::BottomEdge, kPageSize);
        page.remove = new QPushButton(tr("Delete"), page.sheet);
        FAnchors->Place(page.remove, {126, 228, 75, 25}, Qt::LeftEdge | Qt::BottomEdge, kPageSize);
        page.convert = new QPushButton(tr(page.convertCaption), page.sheet);
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
    StopButton = new QPushButton(tr("Stop"), LogPanel);
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

}

QFileDialog *TConverterForm::OpenDialogOf(TDirection direction)
{
    QFileDialog *&dialog = direction == TDirection::Mp3ToAmr ? MP3OpenDialog : AMROpenDialog;
    if (dialog)
        return dialog;
    // "*" for all files, because "*.*" would hide names without a dot on Linux.
    // Only the descriptions are translated, so that no translation can change a pattern.
    const QString all = tr("All Files") + QStringLiteral(" (*)");
    if (direction == TDirection::Mp3ToAmr) {
        dialog = MakeOpenDialog(this, {tr("MP3 Files") + QStringLiteral(" (*.mp3)"), all},
                                QStringLiteral("mp3"));
    } else {
        // Every kind of file phones keep AMR speech in, between the design's two filters.
        dialog = MakeOpenDialog(this,
                                {tr("AMR Files") + QStringLiteral(" (*.amr)"),
                                 tr("Phone Recordings")
                                     + QStringLiteral(" (*.amr *.awb *.3ga *.3gp *.3gpp)"),
                                 all},
                                QStringLiteral("amr"));
    }
    return dialog;
}
