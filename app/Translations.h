// The program's translations and Qt's own, for the user's languages.
#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

class QTranslator;

// The program's translations and Qt's own, for the user's languages as Qt reports them
// (LANGUAGE honoured), so that the window, its messages and Qt's dialogs speak them. A
// right-to-left language mirrors the application.
class TTranslations {
public:
    TTranslations() = default;
    ~TTranslations();
    TTranslations(const TTranslations &) = delete;
    TTranslations &operator=(const TTranslations &) = delete;

    // Installs the translations for `locale`'s languages, replacing any loaded before.
    // English stands behind every language for the forms of its plural texts.
    void Load(const QLocale &locale = QLocale());
    void Unload();

    // Where the program's .qm files are looked for: beside the installed program, and in
    // the build tree.
    static QStringList Folders();
    // The languages the program is translated into, by the names of its files.
    static QStringList Languages();

private:
    QList<QTranslator *> FInstalled;
};
