// The palace readings' words in English, Simplified and Traditional Chinese: every pair's two
// lines and every word there, translated, short enough for a table cell, and read as a whole.

#include "report/palacewords.h"
#include "support/table.h"
#include "translations/language.h"

#include <QRegularExpression>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::report;
using namespace orrindel::test;
using L = Language;
using T = Timeliness;
using A = PalaceAffliction;

// Characters that Simplified writes one way and Traditional another, common in the readings.
const QRegularExpression
    SimplifiedOnly(QStringLiteral("[财钱业运宫岁黄禄剑烧门长灾争乐实发脏为与]"));

// clang-format off
const std::tuple<const char *, Language> Languages[] = {
    {"English", L::English}, {"Simplified", L::SimplifiedChinese}, {"Traditional", L::TraditionalChinese}};
// A named pair's name from the engine is written so in Simplified and so in Traditional.
const std::tuple<const char *, const char *, const char *> Names[] = {
    {"四一同宫 takes the Traditional 宮", "四一同宫", "四一同宮"}, {"交剑煞 its 劍", "交剑煞", "交劍煞"},
    {"火烧天门 its 燒 and 門", "火烧天门", "火燒天門"}, {"回禄 its 祿", "回禄", "回祿"},
    {"二五交加 is the same in both", "二五交加", "二五交加"}, {"六八 is the same", "六八", "六八"},
    {"斗牛煞 fights as 鬥", "斗牛煞", "鬥牛煞"}, {"a name unknown to the words stays", "七星打劫", "七星打劫"}};
// A palace's reading, what its line must say and the pair line it must not read.
struct Line { const char *what; int m, f; T ms, fs; Tone tone; std::vector<Visitor> visitors;
              std::vector<A> afflictions; bool favourable; QStringList says; };
const Line Lines[] = {
    {"good pair reads its favourable line", 8, 9, T::Prosperous, T::Growing, Tone::Good, {}, {}, true, {"mountain 8 prosperous, facing 9 growing, favourable"}},
    {"mixed with a growing star reads favourable", 1, 6, T::Growing, T::Dead, Tone::Mixed, {}, {}, true, {"mixed"}},
    {"mixed with no timely star reads unfavourable", 6, 2, T::Retreating, T::Dead, Tone::Mixed, {}, {}, false, {"retreating"}},
    {"bad pair, visitors and advice", 2, 5, T::Killing, T::Dead, Tone::Bad, {{5, VisitorSource::Annual, {PairTag::Illness}}, {3, VisitorSource::Monthly, {}}},
     {A::FiveYellow, A::MonthBreaker}, false, {"Visiting: 5 of the year (illness), 3 of the month.", "五黄 (Five Yellow): no digging", "月破 (Month Breaker): no digging or renovation here this month."}}};
// clang-format on

class TestPalaceWords : public QObject
{
    Q_OBJECT
private slots:
    // Every line and word in each language: present, Chinese where it should be, short, and
    // the two orders of a pair, and a pair's two lines, apart.
    void words_data() { addRows(Languages); }
    void words()
    {
        const auto &[tag, language] = current(Languages);
        const auto all = [] {
            QStringList words;
            for (int m = 1; m <= 9; ++m)
                for (int f = 1; f <= 9; ++f)
                    words << pairLine(m, f, true) << pairLine(m, f, false);
            for (int i = 0; i < 10; ++i)
                words << tagWord(PairTag(i));
            for (int i = 0; i < 9; ++i)
                words << afflictionName(A(i)) << afflictionAdvice(A(i));
            for (int i = 0; i < 5; ++i)
                words << stateWord(T(i)) << relationWord(PairRelation(i));
            return words << toneWord(Tone::Good) << toneWord(Tone::Mixed) << toneWord(Tone::Bad);
        };
        const QStringList english = all();
        Translation translation(language);
        translation.install();
        const QStringList shown = all();
        const QRegularExpression cjk(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
        for (int i = 0; i < shown.size(); ++i) {
            const QString &text = shown[i];
            QVERIFY2(!text.isEmpty() && text.size() <= 90, qPrintable(english[i]));
            QVERIFY2(language == L::English ? text == english[i]
                                            : text != english[i] && text.contains(cjk),
                     qPrintable(english[i]));
            QVERIFY2(language != L::TraditionalChinese || !text.contains(SimplifiedOnly),
                     qPrintable(text));
        }
        for (int m = 1; m <= 9; ++m)
            for (int f = 1; f <= 9; ++f)
                for (const bool good : {true, false})
                    QVERIFY(pairLine(m, f, good) != pairLine(m, f, !good) &&
                            (m == f || pairLine(m, f, good) != pairLine(f, m, good)));
        QCOMPARE(QStringList(shown.mid(0, 162)).removeDuplicates(), 0);
        QCOMPARE(pairLine(0, 5, true), QString());
        QCOMPARE(pairLine(5, 10, false), QString());
    }

    void names_data() { addRows(Names); }
    void names()
    {
        const auto &[what, simplified, traditional] = current(Names);
        const NamedPair pair{1, 4, simplified, PairTag::Study};
        QCOMPARE(pairName(pair), QString::fromUtf8(simplified));
        for (const auto &[language, expected] : {std::pair{L::SimplifiedChinese, simplified},
                                                 std::pair{L::TraditionalChinese, traditional}}) {
            Translation translation(language);
            translation.install();
            QCOMPARE(pairName(pair), QString::fromUtf8(expected));
        }
    }

    void lines_data() { addRows(Lines, &Line::what); }
    void lines()
    {
        const Line &l = current(Lines);
        PalaceReading reading;
        reading.mountain = l.m, reading.facing = l.f, reading.mountainState = l.ms;
        reading.facingState = l.fs, reading.tone = l.tone, reading.visitors = l.visitors;
        reading.afflictions = l.afflictions;
        const QString line = palaceLine(reading);
        QVERIFY2(line.contains(pairLine(l.m, l.f, l.favourable)), qPrintable(line));
        QVERIFY2(!line.contains(pairLine(l.m, l.f, !l.favourable)), qPrintable(line));
        for (const QString &part : l.says)
            QVERIFY2(line.contains(part), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestPalaceWords)
#include "test_palacewords.moc"
