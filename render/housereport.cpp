#include "housereport.h"
#include "report/planreport.h"

#include "pdfdocument.h"
#include "platform/fonts/fonts.h"
#include "platform/fonts/searchablefont.h"
#include "report/housedocument.h"
#include "store/storeerror.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace orrindel {

class HouseReport
{
    Q_DECLARE_TR_FUNCTIONS(orrindel::HouseReport)
};

namespace {

// Letter where the locale's paper is Letter, A4 elsewhere.
QPageSize paperFor(const QLocale &locale)
{
    static constexpr QLocale::Territory LetterTerritories[] = {
        QLocale::UnitedStates,      QLocale::Canada,    QLocale::Mexico,   QLocale::PuertoRico,
        QLocale::Philippines,       QLocale::Chile,     QLocale::Colombia, QLocale::Venezuela,
        QLocale::CostaRica,         QLocale::Guatemala, QLocale::Panama,   QLocale::ElSalvador,
        QLocale::DominicanRepublic, QLocale::Nicaragua, QLocale::Belize,   QLocale::Bolivia,
    };
    const bool letter = std::find(std::begin(LetterTerritories), std::end(LetterTerritories),
                                  locale.territory()) != std::end(LetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

render::Fonts render::reportFonts()
{
    QString cjk = QStringLiteral("Noto Serif CJK SC");
    for (const QString &face : QFont::substitutes(QStringLiteral("Times New Roman")))
        if (face.contains(QLatin1String("CJK"), Qt::CaseInsensitive)) // Qt keeps them lower case
            cjk = face;
    // The printed page's face, or its stand-ins where a program installed none (the tool).
    const QStringList families = {platform::installedFamily(QStringLiteral("Times New Roman")),
                                  QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                  QStringLiteral("DejaVu Serif"), platform::searchableFamily(cjk)};
    const auto font = [&families](qreal points, bool bold) {
        QFont font;
        font.setFamilies(families);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    };
    return {font(20, true),   font(13, true), font(13, true), font(10.5, false),
            font(8.5, false), font(13, true), font(8, false), font(7.5, false)};
}

void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const QString &pdfPath)
{
    writeHouseReport(house, month, {}, pdfPath);
}

namespace {

// The house's chart read in the month asked for, else this month.
report::ChartReading readingOf(const store::House &house,
                               const std::optional<report::MonthOfYear> &month)
{
    const QDate today = QDate::currentDate();
    return report::readHouse(house,
                             month.value_or(report::MonthOfYear{today.month(), today.year()}));
}

} // namespace

void writeHousePlan(const store::House &house, const store::Plan &plan,
                    const std::optional<report::MonthOfYear> &month, bool grid,
                    render::PlanFileFormat format, const QString &path)
{
    render::writePlanPicture(plan, report::planInput(plan.geometry, house.facing.toDouble()),
                             report::planStars(readingOf(house, month)), grid, format, path);
}

void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const std::vector<report::FloorPlan> &floors, const QString &pdfPath)
{
    const report::ChartReading reading = readingOf(house, month);
    const report::Document document = report::houseDocument(house, reading, floors);

    const auto fail = [&pdfPath](const QString &reason) {
        return store::StoreError(store::StoreError::Kind::FileError,
                                 HouseReport::tr("Cannot write the report %1: %2")
                                     .arg(QDir::toNativeSeparators(pdfPath), reason));
    };
    // Written aside and put in place whole: a failed report never leaves half a file.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        throw fail(file.errorString());
    if (!render::writePdf(document, render::reportFonts(), paperFor(QLocale()), file))
        throw fail(HouseReport::tr("the PDF cannot be started"));
    if (!file.commit())
        throw fail(file.errorString());
}

} // namespace orrindel
