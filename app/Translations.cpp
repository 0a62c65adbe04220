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
    QString folder;
    std::unique_ptr<QTranslator> english, own;
    for (const QString &candidate : Folders()) {
        auto plurals = std::make_unique<QTranslator>();
        if (!plurals->load(QStringLiteral("tolvane_en"), candidate))
            continue;
        english = std::move(plurals);
        folder = candidate;
        own = std::make_unique<QTranslator>();
        if (!own->load(locale, QStringLiteral("tolvane"), QStringLiteral("_"), folder)
            || own->filePath().endsWith(QStringLiteral("tolvane_en.qm")))
            own.reset();
        break;
    }
    // Qt's own words: its file dialog, its message boxes' buttons, in the language the
    // window speaks (not a later one of the user's that only Qt has), from Qt's own
    // translations, or from the program's where Qt has none for that language.
    const QLocale qtLocale = own && !own->language().isEmpty() ? QLocale(own->language()) : locale;
    for (const QString &qtFolder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), folder}) {
        auto qt = std::make_unique<QTranslator>();
        if (!qtFolder.isEmpty()
            && qt->load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder)) {
            install(std::move(qt));
            break;
        }
    }
    if (english)
        install(std::move(english));
    if (own)
        install(std::move(own));
}

void TTranslations::Unload()
{
    for (QTranslator *translator : std::as_const(FInstalled)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    FInstalled.clear();
}
