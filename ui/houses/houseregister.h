#pragma once

#include "store/house.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace orrindel {

namespace platform {
class MsgBox;
}

class FloorPlanWindow;
class HouseFilter;
class HouseTable;

// The register of the houses kept in one database file: found by typing, opened into the
// main window, saved from it, edited, deleted and brought back, and handed out as a report.
// A file that cannot be read or written is reported, naming it, and the window stays usable.
class HouseRegister : public QDialog
{
    Q_OBJECT
signals:
    // Open: the main window takes the year and the bearing as if typed and calculates.
    void openHouse(const QString &year, const QString &facing);
    // Sent after openHouse, with the house whose chart the main window now shows.
    void houseOpened(qint64 house);

public:
    // The year and the bearing as typed of the chart the main window shows, if any.
    using ShownChart = std::function<std::optional<std::pair<QString, QString>>()>;
    // Where to write a report, asked of the user; empty when they cancel.
    using AskPdfPath = std::function<QString(QWidget *parent, const QString &suggested)>;

    HouseRegister(const QString &databasePath, platform::MsgBox &msgBox, ShownChart shown,
                  QWidget *parent = nullptr);
    ~HouseRegister() override;

    void setAskPdfPath(AskPdfPath ask) { m_askPdfPath = std::move(ask); }

    void openSelected();
    void saveShown();
    void editSelected();
    void deleteSelected();
    void undoDelete();
    void exportReport();
    // The floor plans of the house selected, or of the house with that id.
    void openFloorPlan();
    void showFloorPlan(qint64 house);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void openStore();
    void reload(qint64 select = 0);
    void filter(const QString &text);
    void updateCommands();
    std::optional<store::House> selected() const;
    // Runs a change of the store; a failure is shown naming the file and changes nothing.
    bool change(const std::function<void()> &step);
    void report(const QString &status);

    QString m_path;
    platform::MsgBox &m_msgBox;
    ShownChart m_shown;
    AskPdfPath m_askPdfPath;
    std::unique_ptr<store::HouseStore> m_store;
    QList<store::House> m_houses;          // by source row
    std::optional<store::House> m_opened;  // the house last opened into the main window
    std::optional<store::House> m_deleted; // the house Undo brings back
    bool m_closed = false;                 // the list may be out of date when shown again
    QPointer<FloorPlanWindow> m_floorPlan; // one at a time, on this window's store

    QLineEdit *m_search = nullptr;
    HouseTable *m_model = nullptr;
    HouseFilter *m_filter = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_open = nullptr, *m_save = nullptr, *m_edit = nullptr, *m_delete = nullptr,
                *m_undo = nullptr, *m_export = nullptr, *m_plans = nullptr;
};

} // namespace orrindel
