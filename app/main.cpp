#include "app/ConverterForm.h"
#include "app/ModalSeam.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tolvane/logo.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));
    TDesktopSeam seam;
    TConverterForm form(seam);
    form.show();
    return application.exec();
}
