// Loading the translations: Qt's own, English behind every language, the user's own.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// Read by Qt to lay the application out right to left; each translation answers it.
struct TNote {
    const char *source;
    const char *comment;
};
[[maybe_unused]] const TNote kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

} // namespace

TTranslations::~TTranslations()
{
    Unload();
}

QStringList TTranslations::Folders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + "/../../share/tolvane/translations"),
            QDir::cleanPath(program + "/../share/tolvane/translations")};
}

QStringList TTranslations::Languages()
{
    for (const QString &folder : Folders()) {
        QStringList languages = QDir(folder).entryList({"tolvane_*.qm"}, QDir::Files, QDir::Name);
        if (languages.isEmpty())
            continue;
        for (QString &language : languages)
            language = language.mid(8).chopped(3);
        return languages;
    }
    return {};
}

void TTranslations::Load(const QLocale &locale)
{
    Unload();
    const auto install = [this](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        FInstalled << translator.release();
    };
    // Qt's own words: its file dialog, its message boxes' buttons.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
    for (const QString &folder : Folders()) {
        auto english = std::make_unique<QTranslator>();
        if (!english->load(QStringLiteral("tolvane_en"), folder))
            continue;
        install(std::move(english));
        auto own = std::make_unique<QTranslator>();
        if (own->load(locale, QStringLiteral("tolvane"), QStringLiteral("_"), folder)
            && !own->filePath().endsWith(QStringLiteral("tolvane_en.qm")))
            install(std::move(own));
        break;
    }
}

void TTranslations::Unload()
{
    for (QTranslator *translator : std::as_const(FInstalled)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    FInstalled.clear();
}
