#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <optional>

namespace orrindel {

namespace {

// One entry of a language list, such as "zh-Hant-HK", "zh_TW.UTF-8" or "en", or nothing
// when it is neither Chinese nor English.
std::optional<Language> languageOf(const QString &entry)
{
    // Drops a POSIX locale's encoding and modifier ("zh_TW.UTF-8@euro").
    const QString name = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QStringList parts =
        QString(name).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
    const QString language = parts.value(0).toLower();
    if (language == QLatin1String("en"))
        return Language::English;
    if (language != QLatin1String("zh"))
        return std::nullopt;
    // A script says it outright; otherwise the regions that write Traditional characters.
    for (const QString &part : parts.mid(1)) {
        const QString code = part.toLower();
        if (code == QLatin1String("hant"))
            return Language::TraditionalChinese;
        if (code == QLatin1String("hans"))
            return Language::SimplifiedChinese;
    }
    for (const QString &part : parts.mid(1)) {
        const QString code = part.toUpper();
        if (code == QLatin1String("TW") || code == QLatin1String("HK") ||
            code == QLatin1String("MO"))
            return Language::TraditionalChinese;
    }
    return Language::SimplifiedChinese;
}

// The suffix of the translation files: orrindel_zh_CN.qm, qtbase_zh_CN.qm.
QString suffixOf(Language language)
{
    return language == Language::TraditionalChinese ? QStringLiteral("zh_TW")
                                                    : QStringLiteral("zh_CN");
}

} // namespace

Language languageFor(const QStringList &uiLanguages)
{
    for (const QString &entry : uiLanguages) {
        if (const std::optional<Language> language = languageOf(entry))
            return *language;
    }
    return Language::English;
}

QString cjkFontRegion(Language language)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return QStringLiteral("SC");
    case Language::TraditionalChinese:
        return QStringLiteral("TC");
    case Language::English:
        break;
    }
    return {};
}

Language systemLanguage()
{
    return languageFor(QLocale::system().uiLanguages());
}

Translation::Translation(Language language) : m_language(language)
{
    if (language == Language::English)
        return;
    const QString suffix = suffixOf(language);
    // Ours is embedded; Qt's comes with the system's Qt translations, and without it only
    // the standard buttons stay English.
    if (!m_own.load(QStringLiteral(":/i18n/orrindel_") + suffix))
        qWarning("orrindel: the %s translation is missing", qPrintable(suffix));
    (void)m_qt.load(QStringLiteral("qtbase_") + suffix,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translation::~Translation()
{
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&m_own);
        QCoreApplication::removeTranslator(&m_qt);
    }
}

void Translation::install()
{
    // The last installed is asked first: ours, then Qt's.
    for (QTranslator *translator : {&m_qt, &m_own}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}

} // namespace orrindel
