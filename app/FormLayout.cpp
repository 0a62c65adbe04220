// The window's controls, placed as designed at 96 dots per inch.
#include "app/Anchors.h"
#include "app/BusyState.h"
#include "app/ConverterForm.h"
#include "app/ListView.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>

namespace {

constexpr QSize kClientSize(514, 368);
constexpr QSize kPageSize(476, 262);

// The status panel, its stop button and its progress bar.
constexpr QSize kPanelSize(233, 41);
constexpr QRect kStopButton(170, 6, 56, 23);
constexpr int kBarHeight = 3;
// Room kept round a translated text that needs more than the design gave its control.
constexpr int kTextPadding = 4;

// The width a button needs to show the whole of its text.
int RoomFor(const QPushButton *button)
{
    const QStyle *style = button->style();
    return button->fontMetrics().horizontalAdvance(button->text())
        + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + kTextPadding;
}

QFileDialog *MakeOpenDialog(QWidget *owner, const QStringList &filters, const QString &suffix)
{
    //: Title of the dialog that adds files to a list
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
    // Qt's file dialogs keep their history and last folder in the user's settings when they
    // are destroyed. This program keeps no settings: they go where nothing can be written,
    // before any dialog, the folder chooser's included, is made.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
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
    FAnchors->Place(LogoImage, {16, 4, 360, 49}, Qt::LeftEdge | Qt::TopEdge, kClientSize);
    // A picture: drawn from its left in either direction.
    LogoImage->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
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
        TDirection direction;
        QWidget *&sheet;
        const char *caption, *addCaption, *convertCaption;
        TConversionListView *&list;
        QPushButton *&add, *&remove, *&convert;
        void (TConverterForm::*onAdd)(), (TConverterForm::*onDelete)(),
            (TConverterForm::*onConvert)();
    };
    const TPageLayout pages[] = {
        {TDirection::AmrToMp3, TabSheet1, QT_TR_NOOP("AMR to MP3"), QT_TR_NOOP("Add AMR Audio"),
         QT_TR_NOOP("Convert to MP3"), AMRListView, AMRAddButton, AMRDeleteButton, AMRMP3Button,
         &TConverterForm::AMRAddButtonClick, &TConverterForm::AMRDeleteButtonClick,
         &TConverterForm::AMRMP3ButtonClick},
        {TDirection::Mp3ToAmr, TabSheet2, QT_TR_NOOP("MP3 to AMR"), QT_TR_NOOP("Add MP3 Audio"),
         QT_TR_NOOP("Convert to AMR"), MP3ListView, MP3AddButton, MP3DeleteButton, MP3AMRButton,
         &TConverterForm::MP3AddButtonClick, &TConverterForm::MP3DeleteButtonClick,
         &TConverterForm::MP3AMRButtonClick},
    };
    for (const TPageLayout &page : pages) {
        page.sheet = new QWidget;
        page.sheet->resize(kPageSize);
        PageControl->addTab(page.sheet, tr(page.caption));

        TConversionListView *list = page.list = new TConversionListView(page.sheet);
        list->SetList(ListOf(page.direction));
        list->acceptsDrops = [this] { return !IsBusy() && !FBatch; };
        connect(list, &TConversionListView::FilesDropped, this,
                [this, direction = page.direction](const QList<QByteArray> &paths) {
                    DropFiles(direction, paths);
                });
        auto *deleteKey = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr,
                                        Qt::WidgetWithChildrenShortcut);
        connect(deleteKey, &QShortcut::activated, this, page.onDelete);
        FAnchors->Place(list, {12, 12, 450, 208},
                        Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge, kPageSize);

        page.add = new QPushButton(tr(page.addCaption), page.sheet);
        //: A button that removes the selected row from the list (the file stays)
        page.remove = new QPushButton(tr("Delete"), page.sheet);
        page.convert = new QPushButton(tr(page.convertCaption), page.sheet);
        // A button whose translation needs more room grows away from the edge it keeps to,
        // pushing the delete button along after the add button.
        const int addWidth = std::max(100, RoomFor(page.add));
        const int removeWidth = std::max(75, RoomFor(page.remove));
        const int convertWidth = std::max(100, RoomFor(page.convert));
        FAnchors->Place(page.add, {12, 228, addWidth, 25}, Qt::LeftEdge | Qt::BottomEdge, kPageSize);
        FAnchors->Place(page.remove, {std::max(126, 12 + addWidth + 14), 228, removeWidth, 25},
                        Qt::LeftEdge | Qt::BottomEdge, kPageSize);
        FAnchors->Place(page.convert, {462 - convertWidth, 228, convertWidth, 25},
                        Qt::RightEdge | Qt::BottomEdge, kPageSize);

        setTabOrder(list, page.add);
        setTabOrder(page.add, page.remove);
        setTabOrder(page.remove, page.convert);
        connect(page.add, &QPushButton::clicked, this, page.onAdd);
        connect(page.remove, &QPushButton::clicked, this, page.onDelete);
        connect(page.convert, &QPushButton::clicked, this, page.onConvert);
    }

    LogPanel = new TStatusPanel(this);
    LogPanel->setAlignment(Qt::AlignCenter);
    LogPanel->setAutoFillBackground(true);
    //: A small button that ends the running batch
    StopButton = new QPushButton(tr("Stop"), LogPanel);
    // The panel is as the design has it unless a translation of its texts needs more room;
    // it stays centred in the window whatever its width.
    const QFontMetrics metrics(LogPanel->font());
    const int stopWidth = std::max(kStopButton.width(), RoomFor(StopButton));
    const int textWidth = std::max(metrics.horizontalAdvance(StatusText(std::nullopt)),
                                   metrics.horizontalAdvance(StatusText(kWidestProgress)));
    const int rightOfStop = kPanelSize.width() - kStopButton.right() - 1;
    const int panelWidth =
        std::max(kPanelSize.width(), 1 + textWidth + kTextPadding + stopWidth + rightOfStop);
    LogPanel->setGeometry(143, 152, panelWidth, kPanelSize.height());
    const QRect stop(panelWidth - rightOfStop - stopWidth, kStopButton.y(), stopWidth,
                     kStopButton.height());
    StopButton->setGeometry(TAnchors::InDirectionOf(stop, LogPanel));
    // The status text is centred in the room beside the stop button, never under it.
    const int besideStop = panelWidth - stop.left();
    if (LogPanel->isRightToLeft())
        LogPanel->setContentsMargins(besideStop, 1, 1, 1 + kBarHeight);
    else
        LogPanel->setContentsMargins(1, 1, besideStop, 1 + kBarHeight);
    connect(StopButton, &QPushButton::clicked, this, &TConverterForm::StopButtonClick);
    BatchProgress = new QProgressBar(LogPanel);
    BatchProgress->setGeometry(4, LogPanel->height() - 4 - kBarHeight, LogPanel->width() - 8,
                               kBarHeight);
    BatchProgress->setTextVisible(false);
    LogPanel->hide();

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TConverterForm::EscapePressed);
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
                                 //: A file filter: every kind of file phones keep voice recordings in
                                 tr("Phone Recordings")
                                     + QStringLiteral(" (*.amr *.awb *.3ga *.3gp *.3gpp)"),
                                 all},
                                QStringLiteral("amr"));
    }
    return dialog;
}
