#pragma once

#include "store/house.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orrindel {

// The small form of one house: client, label, measured date and notes, and the year and
// bearing, which only an edit changes (a saved chart takes the main window's). It keeps the
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
    QLineEdit *m_client = nullptr;
    QLineEdit *m_label = nullptr;
    QLineEdit *m_year = nullptr;
    QLineEdit *m_facing = nullptr;
    QDateEdit *m_measured = nullptr;
    QPlainTextEdit *m_notes = nullptr;
    QCheckBox *m_asNew = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace orrindel
