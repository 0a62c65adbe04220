// A window converting a batch on its own, for tests that end it from outside as a logout or
// the out-of-memory killer would.
//   tolvane_batch_child <codec folder> <output folder> <codecs> <input>...
// It converts as soon as it starts, prints "converting" once the batch runs, and exits when
// the batch is over.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "app/Endings.h"
#include "app/Translations.h"
#include "tests/support/ScriptedSeam.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5)
        return 2;
    TTranslations translations;
    translations.Load();
    TScriptedSeam seam;
    TConverterForm form(seam);
    EndOnSignals(form);
    form.FExeDir = arguments.at(1);
    form.FBatchOptions = {arguments.at(3).toInt(), 1000};
    for (const QString &input : arguments.mid(4))
        form.AddAMRFile(input, false);
    seam.folderAnswers = {arguments.at(2)};
    form.show();
    const auto say = [](const QString &line) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
    seam.onMessage = [&](const TMessage &message) { say("message: " + message.text); };
    // Converts once the files are added, and ends the program once the batch is over.
    bool started = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!started && !form.Adding()) {
            started = true;
            form.AMRMP3ButtonClick();
            say("converting");
        } else if (started && !form.BatchRunning()) {
            QCoreApplication::exit(0);
        }
    });
    poll.start(20);
    return application.exec();
}
