#pragma once

// The words poppler's pdftotext finds in a PDF, each with its page (from 1) and its box in
// points: text drawn as text, not as outlines or pictures.

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace orrindel::test {

struct Word
{
    int page;
    double left, right, top, bottom;
    QString text;
};
inline QList<Word> pdfWords(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    tool.waitForFinished();
    static const QRegularExpression box(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    int page = 0;
    for (const auto &m : box.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()))) {
        if (m.captured(0).startsWith("<page"))
            ++page;
        else
            words.append({page, m.captured(1).toDouble(), m.captured(3).toDouble(),
                          m.captured(2).toDouble(), m.captured(4).toDouble(), m.captured(5)});
    }
    return words;
}

// The first word reading `text`, on `page` unless that is 0; null if none.
inline const Word *findWord(const QList<Word> &words, const QString &text, int page = 0)
{
    for (const Word &w : words)
        if (w.text == text && (page == 0 || w.page == page))
            return &w;
    return nullptr;
}

} // namespace orrindel::test
