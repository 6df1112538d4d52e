#pragma once

#include "store/housefields.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace orrindel {

// The small form of one house: its typed fields, of which the chart's inputs (the year and
// bearing) only an edit changes (a saved chart takes the main window's). It keeps the
// user on the form while the house has a problem, said in the form's own words.
class HouseForm : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose { SaveShown, Edit };
    // With `asNew`, a house that came from the register may also be saved as a new one.
    HouseForm(const store::House &house, Purpose purpose, bool asNew, QWidget *parent);

    store::House house() const;
    bool saveAsNew() const;

    void accept() override;

private:
    store::House m_house;
    // Each field the form edits with its editor, in the register's order.
    QList<std::pair<const store::HouseField *, QWidget *>> m_editors;
    QCheckBox *m_asNew = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace orrindel
