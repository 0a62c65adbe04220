// The program's entry: the application, its translations, the window, files named at start.
#include "app/ConverterForm.h"
#include "app/Endings.h"
#include "app/ModalSeam.h"
#include "app/Translations.h"
#include "lists/Background.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The window class the desktop entry's StartupWMClass names, and the entry itself.
    QCoreApplication::setApplicationName(QStringLiteral("tolvane"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/tolvane/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    TTranslations translations;
    translations.Load();
    TDesktopSeam seam;
    TConverterForm form(seam);
    EndOnSignals(form);
    // "Open with" from a file manager. The names as given, bytes and all: Qt's own list of
    // arguments has turned any that are not UTF-8 into other names.
    QList<QByteArray> files;
    for (int i = 1; i < argc; ++i)
        files << QByteArray(argv[i]);
    form.show();
    // Inside the event loop, where a message about what could not be added has a window to
    // stand on, and a signal meanwhile ends the program as it would at any other time.
    if (!files.isEmpty())
        QTimer::singleShot(0, &form, [&form, files] { form.OpenFiles(files); });
    const int code = application.exec();
    form.FormDestroy();
    // A batch's thread gets the time to remove its working files. A walk stuck on a mount
    // that never answers is not waited for: the program ends at once, without the
    // destructors that thread could still be using.
    if (!Background::Settle(3000)) {
        std::fflush(nullptr);
        ::_exit(code);
    }
    return code;
}
