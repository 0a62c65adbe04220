// Reading the size field of the codec's progress reports.
#include "convert/ProgressText.h"

int PosFrom(const QString &sub, const QString &text, int start)
{
    if (start < 1)
        start = 1;
    const qsizetype found = text.indexOf(sub, start - 1);
    return found < 0 ? 0 : int(found) + 1;
}

std::optional<QString> ProgressSize(const QString &text)
{
    const int p = PosFrom(QStringLiteral("size="), text, 1);
    const int q = PosFrom(QStringLiteral("time="), text, p);
    if (p <= 0 || p >= q)
        return std::nullopt;
    QString value = text.mid(p + 4, q - p - 5);
    for (QChar &c : value) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && value.at(first).unicode() <= 32)
        ++first;
    while (last > first && value.at(last - 1).unicode() <= 32)
        --last;
    return value.mid(first, last - first);
}
