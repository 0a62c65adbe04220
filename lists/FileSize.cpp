#include "lists/FileSize.h"

#include <QLocale>

namespace {

QString TwoDecimals(double value)
{
    // Only the decimal separator follows the locale: "1000.00 KB", never "1,000.00 KB".
    return QString::number(value, 'f', 2).replace(u'.', QLocale().decimalPoint());
}

} // namespace

QString FormatFileSize(qint64 bytes)
{
    if (bytes >= 1000000)
        return TwoDecimals(double(bytes) / 1000000) + QStringLiteral(" MB");
    if (bytes < 1000)
        return QString::number(bytes) + QStringLiteral(" Bytes");
    return TwoDecimals(double(bytes) / 1000) + QStringLiteral(" KB");
}
