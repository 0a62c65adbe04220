// Start-up measured from outside: exec to the window mapped on a private X server.
#pragma once

#include <QString>

#include <optional>

// Measures a program's start-up from outside, as a desktop sees it: from its exec to its
// window being mapped on a private X server (Xvfb), and its resident memory once shown.
class TXStartup {
public:
    TXStartup();
    ~TXStartup();
    TXStartup(const TXStartup &) = delete;
    TXStartup &operator=(const TXStartup &) = delete;

    bool Ready() const { return FConnection != nullptr; }

    struct TFigures {
        double milliseconds = 0;
        double residentMiB = 0;
    };
    // Starts `program`, waits for its first top-level window to be mapped, then ends it.
    std::optional<TFigures> Measure(const QString &program);

private:
    qint64 FServer = 0;
    QString FDisplay;
    struct xcb_connection_t *FConnection = nullptr;
};
