#include "palacewords.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace orrindel::report {

namespace {

// The context translators find these strings under.
struct PalaceWords
{
    Q_DECLARE_TR_FUNCTIONS(PalaceWords)
};

QString translated(const char *text)
{
    return QCoreApplication::translate("PalaceWords", text);
}

struct PairWords
{
    const char *favourable;
    const char *unfavourable;
};

constexpr int StarCount = 9;

// The 81 ordered pairs, mountain star 1..9 and within it facing star 1..9. Our own words: the
// mountain star's side is the household and its health, the facing star's side its money.
// clang-format off
constexpr std::array<PairWords, StarCount * StarCount> PairLines = {{
    // mountain star 1
    {QT_TRANSLATE_NOOP("PalaceWords", "Double water: clear minds at home, and a name and income that grow from skill."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double water: plans drift, kidneys and ears suffer, and money seeps away.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Patient people here; land and property bring slow but sure gains."),
     QT_TRANSLATE_NOOP("PalaceWords", "Earth muddies water: stomach and kidney trouble, and money spent on doctors.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Water feeds wood: fresh ideas here turn into new and growing business."),
     QT_TRANSLATE_NOOP("PalaceWords", "Sharp words at home and deals lost to disputes or petty theft.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "四一同宫: sharp students and writers here; exams passed and words well paid."),
     QT_TRANSLATE_NOOP("PalaceWords", "四一同宫 out of season: study gives way to daydreams and romance to scandal.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Wary people who hold on; income is steady only while nothing is disturbed."),
     QT_TRANSLATE_NOOP("PalaceWords", "The 5 poisons water: kidney, ear or blood disorders, and sudden losses.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "一六共宗: minds that rise to rank; promotion and a place among the leaders."),
     QT_TRANSLATE_NOOP("PalaceWords", "一六共宗 out of season: lonely authority, overwork and headaches.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Quick wits and a gift for talk; money earned by speaking and selling."),
     QT_TRANSLATE_NOOP("PalaceWords", "Loose talk and cold hearts; money lost to smooth-tongued schemers.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Hard-working people; wealth from property builds up, if slowly."),
     QT_TRANSLATE_NOOP("PalaceWords", "Earth blocks water: ear and kidney ills, and savings tied up in land.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Water and fire balanced: bright minds and money from reputation."),
     QT_TRANSLATE_NOOP("PalaceWords", "Water and fire clash: eye and heart strain, and a name won then lost.")},
    // mountain star 2
    {QT_TRANSLATE_NOOP("PalaceWords", "Steady folk who heal and care; income from trade by water or travel."),
     QT_TRANSLATE_NOOP("PalaceWords", "Earth over water: the mother's health falters and money slips away.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double earth: a grounded household and gains from land and the sick-room trade."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double earth: long illness, a lonely mother and money eaten by doctors.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Brisk people who push hard; business grows out of competition."),
     QT_TRANSLATE_NOOP("PalaceWords", "斗牛煞: quarrels and lawsuits, stomach upsets, and money lost to disputes.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Gentle carers; money from teaching, writing or the healing trades."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood splits earth: the mother and the eldest daughter clash; stomach ills.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "二五交加 held in its own period: power over land and bold property deals."),
     QT_TRANSLATE_NOOP("PalaceWords", "二五交加: serious illness and accidents; money drained by misfortune.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Earth feeds metal: caring people; income from rank and steady employers."),
     QT_TRANSLATE_NOOP("PalaceWords", "Aches and worries of the elders at home; money spent on them.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Kind people; income from speech, fine food or the healing arts."),
     QT_TRANSLATE_NOOP("PalaceWords", "Chatter and ill health; money leaks through the mouth, in food or gossip.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Solid people and solid ground: property and savings grow together."),
     QT_TRANSLATE_NOOP("PalaceWords", "Stubborn ways and stiff stomachs; land that will not sell.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds earth: warm-hearted people; gains from fame and celebration."),
     QT_TRANSLATE_NOOP("PalaceWords", "Foggy minds and slow illness; money spent on show or on cures.")},
    // mountain star 3
    {QT_TRANSLATE_NOOP("PalaceWords", "Energetic people with fresh plans; income flows from travel and trade."),
     QT_TRANSLATE_NOOP("PalaceWords", "Restless people, legs and liver strained; money spent as fast as it comes.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Driven people who win ground; money from land after hard bargaining."),
     QT_TRANSLATE_NOOP("PalaceWords", "斗牛煞: shouting, feuds and lawsuits; money lost in disputes over land.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double wood: the eldest son thrives; vigour and fast-growing business."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double wood: tempers flare, theft and lawsuits; money lost to rivals.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Two woods in a grove: lively, cultured people; gains from writing and design."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wind and thunder restless: nervous people; money scattered by whims.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Bold people who dare; big ventures pay while the 5 rules the period."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood meets the 5: liver and leg injuries, and costly accidents.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Young people promoted by their elders; money from firm employers."),
     QT_TRANSLATE_NOOP("PalaceWords", "Metal chops wood: the eldest son hurt or at odds with the father; legal costs.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Quick, bold people; income from speech and sales, held firmly."),
     QT_TRANSLATE_NOOP("PalaceWords", "穿心煞: robbery and break-ins, injury by blades; guard goods and cash.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Eager sons and sound property: business expands on firm ground."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood digs earth: the youngest son hurt, stomach and hands; land disputes.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Wood feeds fire: bright, rising people; fame that brings money."),
     QT_TRANSLATE_NOOP("PalaceWords", "Hot heads and quick words; money burnt in haste.")},
    // mountain star 4
    {QT_TRANSLATE_NOOP("PalaceWords", "Refined, studious people; income from learning, travel and letters."),
     QT_TRANSLATE_NOOP("PalaceWords", "Dreamers led astray by romance; money spent on drink and pleasure.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Gentle people; money from teaching, books or the land, slowly."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood over earth: the mother unwell, stomach trouble; slow, stuck income.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "A grove: cultured, lively people; income from the arts and media."),
     QT_TRANSLATE_NOOP("PalaceWords", "Thunder and wind: nerves frayed, sisters and brothers quarrel; money drifts.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double wood: the eldest daughter shines; fame from study and writing."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double wood: scandal and wandering, with breathing trouble; vague plans.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Gifted people who hold on; fortune from ventures only while 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "The 5 meets wood: breast or liver illness and losses through bad advice.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Well-read people gain patrons; money from office and firm posts."),
     QT_TRANSLATE_NOOP("PalaceWords", "Metal cuts wood: the eldest daughter pressed hard; hips and lungs ache.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Charming, well-spoken people; money from the arts of talk."),
     QT_TRANSLATE_NOOP("PalaceWords", "Metal cuts wood: gossip and jealousy between women; money lost to flattery.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Learned sons and sound land: study pays off in property."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood digs earth: the youngest son unwell; land deals stall in paperwork.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Wood feeds fire: bright scholars; fame and honours bring money."),
     QT_TRANSLATE_NOOP("PalaceWords", "Restless, fiery people; money burnt on appearances.")},
    // mountain star 5
    {QT_TRANSLATE_NOOP("PalaceWords", "Strong-willed people in command; income steady if the ground stays still."),
     QT_TRANSLATE_NOOP("PalaceWords", "The 5 over water: kidney and ear illness; money lost to sudden trouble.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "二五交加 held in its own period: command over land and its income."),
     QT_TRANSLATE_NOOP("PalaceWords", "二五交加: grave illness and bereavement; money drained by misfortune.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "People of power who build; large ventures pay while the 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "Accidents to limbs and liver, and money lost in lawsuits.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Powerful people with learning; income from authority over words."),
     QT_TRANSLATE_NOOP("PalaceWords", "Illness from a hidden source, affairs and losses through bad contracts.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double 5 in its own period: great power and command over wealth."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double 5: the worst of illness and mishap; guard health and money alike.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Earth feeds metal: forceful leaders; income from rank and authority."),
     QT_TRANSLATE_NOOP("PalaceWords", "The father's health at risk, head and lungs; money lost to officials.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Earth feeds metal: commanding speakers; money from persuasion."),
     QT_TRANSLATE_NOOP("PalaceWords", "Poison in the mouth: food poisoning, rash words and fraud.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Stable, powerful people; land and savings held firmly."),
     QT_TRANSLATE_NOOP("PalaceWords", "Stubborn illness of the stomach and bones; property that sinks in value.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds the 5: fierce ambition that pays while the 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds the 5: poison at its worst; fevers, fire and sudden loss.")},
    // mountain star 6
    {QT_TRANSLATE_NOOP("PalaceWords", "一六共宗: leaders rise here, and their standing brings contracts and salary."),
     QT_TRANSLATE_NOOP("PalaceWords", "一六共宗 out of season: cold and lonely at the top; income without joy.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Elders who lead with care; income from land and loyal staff."),
     QT_TRANSLATE_NOOP("PalaceWords", "An ailing father and a worried mother; money spent on their care.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Leaders who nurture the young; money from new ventures they back."),
     QT_TRANSLATE_NOOP("PalaceWords", "Metal chops wood: father and eldest son at odds; legs and lawsuits.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Men of rank who value learning; income from publishing or advice."),
     QT_TRANSLATE_NOOP("PalaceWords", "Metal cuts wood: the eldest daughter pressed by authority; wasted study.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Authority backed by power; income from command while the 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "The 5 over metal: the father's illness and accidents to the head.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double metal: strong leaders and promotion; money from high office."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double metal: a lonely, stern household; head and lung ills.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Two metals in line: disciplined people; income from law or arms."),
     QT_TRANSLATE_NOOP("PalaceWords", "交剑煞: fights and blades, robbery and clashes among the family.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "六八: elders of standing and a fortune in property and savings."),
     QT_TRANSLATE_NOOP("PalaceWords", "六八 out of season: wealth held but tight-fisted; the elders grow rigid.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Fire tempers metal: leaders of renown; wealth through public honour."),
     QT_TRANSLATE_NOOP("PalaceWords", "火烧天门: the elders wronged or ailing, head and lungs; rows with the father.")},
    // mountain star 7
    {QT_TRANSLATE_NOOP("PalaceWords", "Eloquent people with wit; income from travel, trade and talk."),
     QT_TRANSLATE_NOOP("PalaceWords", "Silver tongues and loose morals; money lost to drink and pleasure.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Warm talkers and healers; money from food, medicine or land."),
     QT_TRANSLATE_NOOP("PalaceWords", "Mouth and stomach ills; money spent on doctors and rumours.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Bold talkers who win; money from sales and quick deals."),
     QT_TRANSLATE_NOOP("PalaceWords", "穿心煞: robbery, break-ins and knife wounds; keep cash and doors secure.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Charming, well-read people; income from writing, art and speech."),
     QT_TRANSLATE_NOOP("PalaceWords", "Gossip and jealousy among the women; money wasted on flattery.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Forceful speakers; income from persuasion while the 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "Poisoned words and food: mouth illness, fraud and sudden loss.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Disciplined people in uniform; income from law, arms or finance."),
     QT_TRANSLATE_NOOP("PalaceWords", "交剑煞: quarrels turn to blows; robbery and injury by metal.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double metal: eloquent youth; money from speech, law or sales."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double metal: gossip, robbery and lung or mouth trouble.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Earth feeds metal: cheerful young people; steady money from property."),
     QT_TRANSLATE_NOOP("PalaceWords", "Youngest children at odds; land deals spoiled by empty promises.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "回禄, held for now: quick minds and lively talk; still guard against fire."),
     QT_TRANSLATE_NOOP("PalaceWords", "回禄: fire at home and hot tempers; check wiring and stoves.")},
    // mountain star 8
    {QT_TRANSLATE_NOOP("PalaceWords", "Steady, wise people; income from travel and skill flows in."),
     QT_TRANSLATE_NOOP("PalaceWords", "Earth dams water: the middle son strained, kidneys weak; money stuck.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Grounded people and firm land: wealth from property and farming."),
     QT_TRANSLATE_NOOP("PalaceWords", "Heavy hearts, stomach ills; land that ties money up.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Young sons who grow; property put to new and busy use."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood digs earth: the youngest son hurt; quarrels over property.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Calm, learned people; money from books, schools or land."),
     QT_TRANSLATE_NOOP("PalaceWords", "Wood digs earth: the youngest son unwell; paperwork over land drags on.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Solid, powerful people; property held firmly while the 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "The 5 on earth: stomach and bone illness; land that loses value.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "六八: the young learn from elders; wealth from rank and property."),
     QT_TRANSLATE_NOOP("PalaceWords", "六八 out of season: hard-won savings held too tightly; elders rigid.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Earth feeds metal: a content household; cash from sales and speech."),
     QT_TRANSLATE_NOOP("PalaceWords", "Idle talk at home; money frittered on treats and trifles.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double 8: a stable household and wealth from land that keeps growing."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double 8 out of season: stubborn habits and stagnant property.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "八九: weddings, births and celebrations; property gains in value."),
     QT_TRANSLATE_NOOP("PalaceWords", "八九 out of season: celebrations that cost more than they bring.")},
    // mountain star 9
    {QT_TRANSLATE_NOOP("PalaceWords", "Bright people with balance; fame turns into income from travel."),
     QT_TRANSLATE_NOOP("PalaceWords", "Fire and water clash: eye and heart strain, and money lost in haste.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds earth: warm, famous people; money from land and care."),
     QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds the sick star: hidden illness spreads; money spent on cures.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Wood feeds fire: brilliant people rise fast; income from new ideas."),
     QT_TRANSLATE_NOOP("PalaceWords", "Quick to anger and to spend; money burnt on show.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Wood feeds fire: scholars of renown; income from publishing and fame."),
     QT_TRANSLATE_NOOP("PalaceWords", "Vanity and romance cloud the mind; money spent to be admired.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds the 5: fierce drive that pays while the 5 rules."),
     QT_TRANSLATE_NOOP("PalaceWords", "Fire feeds the 5: fevers, eye trouble and fire; losses without warning.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Fire tempers metal: leaders with renown; wealth from authority."),
     QT_TRANSLATE_NOOP("PalaceWords", "火烧天门: strife with the father or boss; headaches and lung trouble.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "回禄, held for now: lively people and cash from entertainment; mind the fire."),
     QT_TRANSLATE_NOOP("PalaceWords", "回禄: fire, burns and heated rows; money lost in flames or in court.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "八九: joyful news, weddings and births; property gains in value."),
     QT_TRANSLATE_NOOP("PalaceWords", "八九 out of season: festive spending that leaves property thin.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "Double fire: fame, honours and joyful events; money from renown."),
     QT_TRANSLATE_NOOP("PalaceWords", "Double fire: eye and heart trouble, hot tempers and risk of fire.")},
}};
// clang-format on

// Each table follows its enum's order.
constexpr std::array<const char *, 5> States = {
    QT_TRANSLATE_NOOP("PalaceWords", "prosperous"), QT_TRANSLATE_NOOP("PalaceWords", "growing"),
    QT_TRANSLATE_NOOP("PalaceWords", "retreating"), QT_TRANSLATE_NOOP("PalaceWords", "dead"),
    QT_TRANSLATE_NOOP("PalaceWords", "killing"),
};
static_assert(States.size() == std::size_t(Timeliness::Killing) + 1);

constexpr std::array<const char *, 3> Tones = {
    QT_TRANSLATE_NOOP("PalaceWords", "favourable"),
    QT_TRANSLATE_NOOP("PalaceWords", "mixed"),
    QT_TRANSLATE_NOOP("PalaceWords", "unfavourable"),
};
static_assert(Tones.size() == std::size_t(Tone::Bad) + 1);

constexpr std::array<const char *, 5> Relations = {
    QT_TRANSLATE_NOOP("PalaceWords", "the same phase (比和)"),
    QT_TRANSLATE_NOOP("PalaceWords", "the mountain star feeds the facing star"),
    QT_TRANSLATE_NOOP("PalaceWords", "the facing star feeds the mountain star"),
    QT_TRANSLATE_NOOP("PalaceWords", "the mountain star controls the facing star"),
    QT_TRANSLATE_NOOP("PalaceWords", "the facing star controls the mountain star"),
};
static_assert(Relations.size() == std::size_t(PairRelation::FacingControlsMountain) + 1);

constexpr std::array<const char *, 10> Tags = {
    QT_TRANSLATE_NOOP("PalaceWords", "career"),   QT_TRANSLATE_NOOP("PalaceWords", "celebration"),
    QT_TRANSLATE_NOOP("PalaceWords", "conflict"), QT_TRANSLATE_NOOP("PalaceWords", "elders"),
    QT_TRANSLATE_NOOP("PalaceWords", "fire"),     QT_TRANSLATE_NOOP("PalaceWords", "illness"),
    QT_TRANSLATE_NOOP("PalaceWords", "quarrels"), QT_TRANSLATE_NOOP("PalaceWords", "robbery"),
    QT_TRANSLATE_NOOP("PalaceWords", "study"),    QT_TRANSLATE_NOOP("PalaceWords", "wealth"),
};
static_assert(Tags.size() == std::size_t(PairTag::Wealth) + 1);

struct AfflictionWords
{
    const char *name;
    const char *advice;
};
// The year's advice holds for the year, the month's for the month.
constexpr std::array<AfflictionWords, 9> Afflictions = {{
    {QT_TRANSLATE_NOOP("PalaceWords", "太岁 (Grand Duke)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this year, and do not sit "
                                      "facing it.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "岁破 (Year Breaker)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this year; keep heavy work "
                                      "and noise away.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "三煞 (Three Killings)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this year; sit with it "
                                      "behind you, never facing it.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "五黄 (Five Yellow)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this year; keep it still, "
                                      "and let metal drain it.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "二黑 (Two Black)"),
     QT_TRANSLATE_NOOP("PalaceWords", "keep it quiet and clean this year; ill health: do not "
                                      "sleep or nurse the sick here.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "月破 (Month Breaker)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this month.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "月三煞 (the month's Three Killings)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this month, and do not sit "
                                      "facing it.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "月五黄 (the month's Five Yellow)"),
     QT_TRANSLATE_NOOP("PalaceWords", "no digging or renovation here this month; keep it "
                                      "still.")},
    {QT_TRANSLATE_NOOP("PalaceWords", "月二黑 (the month's Two Black)"),
     QT_TRANSLATE_NOOP("PalaceWords", "keep it quiet and clean this month; ill health: do not "
                                      "nurse the sick here.")},
}};
static_assert(Afflictions.size() == std::size_t(PalaceAffliction::MonthTwoBlack) + 1);

// The named pairs' Simplified names as the engine gives them, for the Traditional script to
// translate; they are looked up by the name itself.
constexpr std::array<const char *, 10> PairNames = {
    QT_TRANSLATE_NOOP("PalaceWords", "四一同宫"), QT_TRANSLATE_NOOP("PalaceWords", "一六共宗"),
    QT_TRANSLATE_NOOP("PalaceWords", "六八"),     QT_TRANSLATE_NOOP("PalaceWords", "八九"),
    QT_TRANSLATE_NOOP("PalaceWords", "二五交加"), QT_TRANSLATE_NOOP("PalaceWords", "斗牛煞"),
    QT_TRANSLATE_NOOP("PalaceWords", "穿心煞"),   QT_TRANSLATE_NOOP("PalaceWords", "交剑煞"),
    QT_TRANSLATE_NOOP("PalaceWords", "回禄"),     QT_TRANSLATE_NOOP("PalaceWords", "火烧天门"),
};

bool isStar(int star)
{
    return star >= 1 && star <= StarCount;
}

bool timely(Timeliness state)
{
    return state == Timeliness::Prosperous || state == Timeliness::Growing;
}

} // namespace

QString visitorWords(const Visitor &visitor)
{
    QStringList tags;
    for (const PairTag tag : visitor.tags)
        tags << tagWord(tag);
    const QString star = QString::number(visitor.star);
    const bool annual = visitor.from == VisitorSource::Annual;
    if (tags.isEmpty())
        return annual ? PalaceWords::tr("%1 of the year").arg(star)
                      : PalaceWords::tr("%1 of the month").arg(star);
    const QString list = tags.join(PalaceWords::tr(", "));
    return annual ? PalaceWords::tr("%1 of the year (%2)").arg(star, list)
                  : PalaceWords::tr("%1 of the month (%2)").arg(star, list);
}

QString pairLine(int mountain, int facing, bool favourable)
{
    if (!isStar(mountain) || !isStar(facing))
        return {};
    const PairWords &words = PairLines[std::size_t((mountain - 1) * StarCount + facing - 1)];
    return translated(favourable ? words.favourable : words.unfavourable);
}

QString stateWord(Timeliness state)
{
    return translated(States[std::size_t(state)]);
}

QString toneWord(Tone tone)
{
    return translated(Tones[std::size_t(tone)]);
}

QString relationWord(PairRelation relation)
{
    return translated(Relations[std::size_t(relation)]);
}

QString tagWord(PairTag tag)
{
    return translated(Tags[std::size_t(tag)]);
}

QString afflictionName(PalaceAffliction affliction)
{
    return translated(Afflictions[std::size_t(affliction)].name);
}

QString afflictionAdvice(PalaceAffliction affliction)
{
    return translated(Afflictions[std::size_t(affliction)].advice);
}

QString pairName(const NamedPair &pair)
{
    for (const char *name : PairNames) {
        if (pair.name == name)
            return translated(name);
    }
    // A name the table lacks stays as the engine spells it.
    return QString::fromUtf8(pair.name.data(), qsizetype(pair.name.size()));
}

bool readsFavourable(const PalaceReading &r)
{
    return r.tone == Tone::Good ||
           (r.tone == Tone::Mixed && (timely(r.mountainState) || timely(r.facingState)));
}

QString palaceLine(const PalaceReading &r)
{
    QString line = PalaceWords::tr("mountain %1 %2, facing %3 %4, %5: %6")
                       .arg(QString::number(r.mountain), stateWord(r.mountainState),
                            QString::number(r.facing), stateWord(r.facingState), toneWord(r.tone),
                            pairLine(r.mountain, r.facing, readsFavourable(r)));
    if (!r.visitors.empty()) {
        QStringList visitors;
        for (const Visitor &visitor : r.visitors)
            visitors << visitorWords(visitor);
        line += PalaceWords::tr(" Visiting: %1.").arg(visitors.join(PalaceWords::tr(", ")));
    }
    for (const PalaceAffliction affliction : r.afflictions)
        line += PalaceWords::tr(" %1: %2").arg(afflictionName(affliction),
                                               afflictionAdvice(affliction));
    return line;
}

} // namespace orrindel::report
