// The size text of a list's row, in the user's language.
#include "lists/FileSize.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString Unit(const char *text, const QString &number)
{
    return QCoreApplication::translate("FormatFileSize", text).arg(number);
}

} // namespace

// Digits and the decimal separator as the user's language writes them, never a group
// separator: "1000.00 KB", "1000,00 KB".
QString FormatFileSize(qint64 bytes)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (bytes >= 1000000)
        return Unit(QT_TRANSLATE_NOOP("FormatFileSize", "%1 MB"), locale.toString(double(bytes) / 1000000, 'f', 2));
    if (bytes < 1000)
        return Unit(QT_TRANSLATE_NOOP("FormatFileSize", "%1 Bytes"), locale.toString(bytes));
    return Unit(QT_TRANSLATE_NOOP("FormatFileSize", "%1 KB"), locale.toString(double(bytes) / 1000, 'f', 2));
}
