// The size text of a list's row.
#pragma once

#include <QString>

// Size text of a list row in decimal units: "999 Bytes", "1.54 KB", "2.50 MB", with the
// user's decimal separator and never a group separator.
QString FormatFileSize(qint64 bytes);
