#pragma once

#include "engine/calc.h"
#include "engine/chart.h"
#include "platform/controls.h"

#include <QLineEdit>
#include <QWidget>

namespace orrindel::test {

// The controls of the main window that the print form reads, with the main window's object
// names, for tests that do not need the whole window. showChart fills them as Calculate
// does, with a grey sitting palace and annual stars shown.
class StandInMain : public QWidget
{
public:
    StandInMain()
    {
        txtYear->setObjectName(QStringLiteral("txtYear"));
        txtFacing->setObjectName(QStringLiteral("txtFacing"));
        for (int i = 0; i < PalaceCount; ++i) {
            for (const char *array : {"lblTime", "lblFacing", "lblMountain", "lblAnnual"})
                (new platform::Label(this))->setObjectName(platform::controlName(array, i));
            (new platform::Shape(this))->setObjectName(platform::controlName("shpPalace", i));
        }
    }

    platform::Label *label(const char *array, int index) const
    {
        return findChild<platform::Label *>(platform::controlName(array, index));
    }
    platform::Shape *palace(int index) const
    {
        return findChild<platform::Shape *>(platform::controlName("shpPalace", index));
    }

    void showChart(const QString &year, const QString &bearing)
    {
        txtYear->setText(year);
        txtFacing->setText(bearing);
        Calc calc;
        calc.setYear(std::int16_t(year.toShort()));
        calc.setDegrees(bearing.toFloat());
        const BuildingChart chart = buildChart(calc);
        const Stars annual = annualStars(2026, 6);
        for (int i = 0; i < PalaceCount; ++i) {
            label("lblTime", i)->setCaption(QString::number(chart.time[i]));
            label("lblFacing", i)->setCaption(QString::number(chart.facing[i]));
            label("lblMountain", i)->setCaption(QString::number(chart.mountain[i]));
            label("lblAnnual", i)->setCaption(QString::number(annual[i]));
        }
        palace(chart.greyPalace)->setFillColor(0xE0E0E0);
    }

    QLineEdit *txtYear = new QLineEdit(this);
    QLineEdit *txtFacing = new QLineEdit(this);
};

} // namespace orrindel::test
