#pragma once

#include "engine/palacereading.h"

#include <QString>

// The palace readings in the program's language: what each pair of stars means, the words for
// a star's timeliness, a pair's tone, relation and tag, and the advice for each affliction.
// The JSON keeps the engine's codes; these are for people.
namespace orrindel::report {

// The line for a mountain star and a facing star (each 1..9, mountain first) when the pair is
// favourable or when it is not. The mountain star speaks for the people and their health, the
// facing star for money, so the two orders of a pair read differently.
QString pairLine(int mountain, int facing, bool favourable);
// "prosperous", "growing", "retreating", "dead", "killing".
QString stateWord(Timeliness state);
QString toneWord(Tone tone);
QString relationWord(PairRelation relation);
QString tagWord(PairTag tag);
// The affliction's name ("五黄 (Five Yellow)") and what to do about it in the palace it marks.
QString afflictionName(PalaceAffliction affliction);
QString afflictionAdvice(PalaceAffliction affliction);
// A named pair's name in the script of the program's language: the engine's Simplified name,
// written in Traditional characters in Traditional Chinese.
QString pairName(const NamedPair &pair);

// A visiting star with the tags it brings: "7 of the year (conflict)".
QString visitorWords(const Visitor &visitor);

// Whether a palace reads its pair's favourable line: a good tone does, a bad one does not, and a
// mixed one does while one of its stars is prosperous or growing.
bool readsFavourable(const PalaceReading &reading);
// The palace's whole line: its stars with their timeliness, the tone, the pair's line, the
// visiting stars with their tags, and the advice for each affliction in it.
QString palaceLine(const PalaceReading &reading);

} // namespace orrindel::report
