// The progress the codec reports, as the status panel shows it.
#pragma once

#include <QString>

#include <optional>

// Position (from 1) of `sub` in `text` searched from position `start` (below 1 counts as
// 1); 0 when absent.
int PosFrom(const QString &sub, const QString &text, int start);

// The size field of a codec progress report: the text between the first "size=" and the
// next "time=", letters A to Z lower-cased, control characters and spaces trimmed. Nothing
// when the report lacks either marker in that order.
std::optional<QString> ProgressSize(const QString &text);
