#pragma once

#include "engine/chart.h"
#include "engine/formation.h"

#include <QString>

// The engine's words and codes as the program's language writes them, translated in this
// one place for the windows and orrindel-chart's text alike. The JSON never uses them.
namespace orrindel::report {

// A palace's direction as a reader hears it ("north-west").
QString palaceName(int palace);
// A palace's compass code round a grid ("NW"), and "C" for the centre.
QString compassCode(int palace);
// A mountain's name as a reader of this language spells it: its pinyin ("Zi") in English,
// its character in Chinese.
QString mountainReading(int mountain);
// A solar term (節), as the engine names it in Traditional characters ("芒種").
QString solarTermName(const char *term);
// A formation with its Chinese name: "double stars at the facing (双星到向)".
QString formationWords(Formation formation);
// "Forward" or "Reverse", the way a plate's stars fly.
QString flightWords(StarDirection direction);

} // namespace orrindel::report
