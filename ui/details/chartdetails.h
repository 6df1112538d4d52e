#pragma once

#include "report/chartreport.h"
#include "report/palacereport.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace orrindel {

// The practitioner's reading of the chart on show in the main window, on five tabs so that it
// fits a small screen: the mountains and the offset, the lean and the void line, period and
// formation with the standard and replacement grids; the named formations in words; what each
// palace means now, its pair of stars read against the current period with its visitors and
// afflictions; the annual and monthly stars with their afflictions; the daily and hourly stars
// of a chosen moment. It is given the main window's inputs and reads the chart from them; with none
// it shows that no chart is calculated.
class ChartDetails : public QWidget
{
    Q_OBJECT
public:
    explicit ChartDetails(QWidget *parent = nullptr);

    // Shows the chart of these inputs, or clears the window.
    void showChart(const std::optional<report::ChartRequest> &request);

    // Puts the chart as orrindel-chart prints it on the clipboard; nothing when none is shown.
    void copyAsText();

    // One 3 x 3 grid with south at the top, its compass codes round it and a note below.
    struct Grid
    {
        QGroupBox *box = nullptr;
        std::array<QLabel *, 9> cells{};
        QLabel *note = nullptr;
    };

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillDay();
    void fill(const report::ChartReading &reading);
    void fillMonth(const report::ChartReading &reading);
    QWidget *makePalacesPage();
    void fillPalaces();
    void showPalace(int palace);
    void clear();
    void keepNotesWhole();

    std::optional<report::ChartReading> m_reading;
    QLabel *m_status = nullptr;
    std::array<QLabel *, 7> m_values{};
    Grid m_standard;
    Grid m_replacement;
    QLabel *m_standardReadings = nullptr;
    QLabel *m_replacementReadings = nullptr;
    Grid m_annual;
    Grid m_monthly;
    QDateTimeEdit *m_moment = nullptr;
    Grid m_daily;
    Grid m_hourly;
    // The palaces of the standard chart, then of the replacement chart where it applies; the
    // switch picks the one on show by its index here.
    std::vector<report::ChartPalaces> m_palaces;
    QButtonGroup *m_chartSwitch = nullptr;
    QWidget *m_switchRow = nullptr;
    std::array<QToolButton *, PalaceCount> m_palaceCells{};
    int m_palace =
        GridPalaces[0][0]; // the palace shown whole: the grid's first until one is chosen
    std::array<QLabel *, 4> m_palaceValues{};
    QLabel *m_palaceNote = nullptr;
    QTabWidget *m_tabs = nullptr;
    QPushButton *m_copy = nullptr;
};

} // namespace orrindel
