// Start-up measured from outside on a private X server.
#include "bench/XStartup.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

namespace {

double ResidentMiBOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

} // namespace

TXStartup::TXStartup()
{
    for (int number = 93; number < 120 && !FConnection; ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            continue;
        FDisplay = QStringLiteral(":%1").arg(number);
        if (!QProcess::startDetached(QStringLiteral("Xvfb"),
                                     {FDisplay, QStringLiteral("-screen"), QStringLiteral("0"),
                                      QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                      QStringLiteral("tcp")},
                                     QString(), &FServer))
            return;
        for (int wait = 0; wait < 100 && !FConnection; ++wait) {
            QThread::msleep(50);
            xcb_connection_t *connection = xcb_connect(FDisplay.toLatin1().constData(), nullptr);
            if (xcb_connection_has_error(connection))
                xcb_disconnect(connection);
            else
                FConnection = connection;
        }
    }
    if (!FConnection)
        return;
    // Every window mapped on the root is reported to us.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(FConnection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(FConnection);
}

TXStartup::~TXStartup()
{
    if (FConnection)
        xcb_disconnect(FConnection);
    if (FServer > 0) {
        ::kill(pid_t(FServer), SIGTERM);
        QThread::msleep(200);
    }
}

std::optional<TXStartup::TFigures> TXStartup::Measure(const QString &program)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), FDisplay);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    child.setProcessEnvironment(environment);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());

    while (xcb_generic_event_t *stale = xcb_poll_for_event(FConnection))
        free(stale);

    QElapsedTimer clock;
    clock.start();
    child.start(program, {});
    std::optional<TFigures> figures;
    pollfd server{xcb_get_file_descriptor(FConnection), POLLIN, 0};
    while (!figures && clock.elapsed() < 20000) {
        ::poll(&server, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(FConnection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !figures)
                figures = TFigures{clock.nsecsElapsed() / 1e6, 0};
            free(event);
        }
    }
    if (figures) {
        QThread::msleep(300); // let it paint what it mapped
        figures->residentMiB = ResidentMiBOf(child.processId());
    }
    child.terminate();
    if (!child.waitForFinished(5000)) {
        child.kill();
        child.waitForFinished();
    }
    return figures;
}
