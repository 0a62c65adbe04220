// The floor for Tolvane's start-up: a plain Qt program that builds the same widgets as
// Tolvane's window, in the same places, and nothing else: no logo, no icon, no dialogs,
// no codec process, no handlers.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvane floor"));
    window.setFixedSize(514, 368);
    window.move(0, 0);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    window.setFont(font);

    (new QLabel(&window))->setGeometry(16, 4, 360, 49);
    (new QLabel(QStringLiteral("https://tolvane.example/"), &window))->setGeometry(218, 46, 146, 13);
    auto *tabs = new QTabWidget(&window);
    tabs->setGeometry(16, 63, 484, 290);
    for (const char *caption : {"AMR to MP3", "MP3 to AMR"}) {
        auto *page = new QWidget;
        tabs->addTab(page, QString::fromLatin1(caption));
        auto *list = new QTreeWidget(page);
        list->setGeometry(12, 12, 450, 208);
        list->setHeaderLabels({QStringLiteral("Audio File"), QStringLiteral("File Size"),
                               QStringLiteral("Output File")});
        list->header()->setStretchLastSection(false);
        list->setRootIsDecorated(false);
        (new QPushButton(QStringLiteral("Add Audio"), page))->setGeometry(12, 228, 100, 25);
        (new QPushButton(QStringLiteral("Delete"), page))->setGeometry(126, 228, 75, 25);
        (new QPushButton(QStringLiteral("Convert"), page))->setGeometry(362, 228, 100, 25);
    }
    auto *panel = new QLabel(&window);
    panel->setGeometry(143, 152, 233, 41);
    (new QPushButton(QStringLiteral("Stop"), panel))->setGeometry(170, 6, 56, 23);
    (new QProgressBar(panel))->setGeometry(4, 34, 225, 3);
    panel->hide();

    window.show();
    return application.exec();
}
