#pragma once

#include <QStringList>
#include <QTranslator>

class QCoreApplication;

namespace orrindel {

// The languages Orrindel speaks. English is the source language and needs no translator.
enum class Language { English, SimplifiedChinese, TraditionalChinese };

// The language for a desktop's list of preferred languages (QLocale::uiLanguages(), most
// preferred first): the first entry that is Chinese or English decides, anything else is
// skipped, and a list with neither gives English.
Language languageFor(const QStringList &uiLanguages);

// The Noto CJK faces' region that writes a language's characters: "SC", "TC", or empty.
QString cjkFontRegion(Language language);

// The language of this desktop.
Language systemLanguage();

// Orrindel's own translation and Qt's for one language, kept for the life of the program.
// For English it loads nothing. Qt Core only, so that the command-line tool can use it too.
class Translation
{
public:
    explicit Translation(Language language);
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;
    ~Translation();

    Language language() const { return m_language; }
    // Installs the loaded translators in the running application. Each application object
    // keeps its own list, so a program that makes a second one installs them again.
    void install();

private:
    Language m_language;
    QTranslator m_own;
    QTranslator m_qt;
};

} // namespace orrindel
