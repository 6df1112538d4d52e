#pragma once

#include "platform/controls.h"
#include "report/chartreport.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QAction;
class QPushButton;

namespace orrindel {

class Calc;
class ChartDetails;
class HouseRegister;
class Keystroke;

namespace platform {
struct Services;
class TextBox;
class DatePicker;
class GraphicalCheckBox;
} // namespace platform

// The start-up window: the two inputs, the chart grid with south at the top, the annual
// stars and the commands. The chart lives in the captions of the star labels; a chart is
// shown exactly while lblTime(0) has a caption.
class frmMain : public QMainWindow
{
    Q_OBJECT
signals:
    // The inputs of the chart on show, with the annual month while the annual stars are on;
    // empty when no chart is shown. Sent when a chart is calculated or cleared and when the
    // annual stars change.
    void chartChanged(const std::optional<orrindel::report::ChartRequest> &request);

public:
    // Loads the window: lays out every control in its start state, then runs Form_Load.
    explicit frmMain(platform::Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // A house opened from the register: the year and the bearing go into their boxes as if
    // typed, and Calculate is pressed.
    void openHouse(const QString &year, const QString &facing);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The event procedures, run by the controls' signals and the window's own events.
    void Form_Load();
    void Form_Unload();
    void txtFacing_KeyPress(std::int16_t &KeyAscii);
    void txtYear_KeyPress(std::int16_t &KeyAscii);
    void txtFacing_Change();
    void txtYear_Change();
    void btnCalculate_Click();
    void chkDate_Click();
    void dtDatePicker_Change();
    void lblTime_Change(int Index);
    void btnPrint_Click();
    void mnuAboutAbout_Click();
    void mnuFileDetails_Click();
    void mnuFileHouses_Click();
    void mnuFileFloorPlan_Click();
    // The house the register opened into the chart on show, 0 when the chart is not a house's.
    void chartFromHouse(qint64 house);
    void Command1_Click();
    void mnuFileExit_Click();

    void ResetPalaces();
    void ValidateInput();
    void ClearChart();
    bool inputsValid() const;
    bool chartShown() const;
    std::optional<report::ChartRequest> shownRequest() const;

    // Runs an event procedure; a runtime error that escapes it is reported as untrapped and
    // the window carries on, so that none reaches the event loop.
    template <typename Procedure> void trap(Procedure procedure);
    template <typename Sender, typename Signal>
    void on(Sender *sender, Signal signal, void (frmMain::*procedure)());

    void buildMenu();
    void bindControls();
    void nameControls();
    void fillPalace(int palace, unsigned colour);
    void connectEvents();

    // The controls the event procedures address, by their names in the layout table.
    struct Ui
    {
        platform::TextBox *txtYear = nullptr;
        platform::TextBox *txtFacing = nullptr;
        QPushButton *btnCalculate = nullptr;
        QPushButton *btnPrint = nullptr;
        QPushButton *Command1 = nullptr;
        platform::GraphicalCheckBox *chkDate = nullptr;
        platform::DatePicker *dtDatePicker = nullptr;
        std::array<platform::Label *, 6> lblLabel{};
        std::array<platform::Label *, 9> lblTime{};
        std::array<platform::Label *, 9> lblFacing{};
        std::array<platform::Label *, 9> lblMountain{};
        std::array<platform::Label *, 9> lblAnnual{};
        std::array<platform::Shape *, 9> shpPalace{};
        QAction *mnuFileDetails = nullptr;
        QAction *mnuFileHouses = nullptr;
        QAction *mnuFileFloorPlan = nullptr;
        QAction *mnuFileExit = nullptr;
        QAction *mnuAboutAbout = nullptr;
    };

    platform::Services &m_services;
    std::unique_ptr<Calc> m_calc;
    std::unique_ptr<Keystroke> m_keystroke;
    platform::Controls m_controls;
    Ui m_ui;
    ChartDetails *m_details = nullptr; // made on first opening, owned as a child window
    HouseRegister *m_houses = nullptr; // likewise
    qint64 m_chartHouse = 0;           // the house whose chart is shown, if it came from one
};

} // namespace orrindel
