#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace orrindel::platform {

void installFontSubstitutes(const QString &cjkRegion)
{
    // Each family the layouts name, then the faces that stand in for it, best first.
    const QStringList serif = {QStringLiteral("Times New Roman"),
                               QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                               QStringLiteral("DejaVu Serif")};
    const QStringList sans = {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    const std::pair<const QStringList &, QString> families[] = {
        {serif, QStringLiteral("Noto Serif CJK ") + cjkRegion},
        {sans, QStringLiteral("Noto Sans CJK ") + cjkRegion},
    };
    for (const auto &[faces, cjkFace] : families) {
        // Only the layout's family falls back in English; in Chinese each face that may
        // stand in does, after the Latin faces, which keep the digits and any English text.
        const qsizetype falling = cjkRegion.isEmpty() ? 1 : faces.size();
        for (qsizetype i = 0; i < faces.size(); ++i) {
            // Replaced, not added to: a second language must not draw in the first's face.
            QFont::removeSubstitutions(faces[i]);
            if (i < falling) {
                QStringList fallbacks = faces.mid(i + 1);
                if (!cjkRegion.isEmpty())
                    fallbacks << cjkFace;
                QFont::insertSubstitutions(faces[i], fallbacks);
            }
        }
    }
}

QString installedFamily(const QString &family)
{
    const QStringList families = QFontDatabase::families();
    const QStringList candidates = QStringList{family} + QFont::substitutes(family);
    for (const QString &candidate : candidates) {
        for (const QString &installed : families) {
            // As the database spells it, less the foundry it adds where two supply the
            // family ("Nimbus Roman [urw]"); Qt keeps its substitutes in lower case.
            const QString name = installed.section(QStringLiteral(" ["), 0, 0);
            if (name.compare(candidate, Qt::CaseInsensitive) == 0)
                return name;
        }
    }
    return family;
}

} // namespace orrindel::platform
