#pragma once

#include <QDate>
#include <QDateEdit>

namespace orrindel::platform {

// The month-and-year date picker: shows "MM/yyyy", drops down a calendar, and keeps its
// value within the years given. The day of the value is kept but
// neither shown nor used. Change is raised only when the user picks another date, not
// when the program sets the value.
class DatePicker : public QDateEdit
{
    Q_OBJECT
public:
    DatePicker(int firstYear, int lastYear, QWidget *parent = nullptr);

    void setValue(const QDate &value);
    int Year() const { return date().year(); }
    int Month() const { return date().month(); }

signals:
    void Change();

protected:
    // Tab leaves the picker, as it does every other control; the arrow keys move between
    // the month and the year.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

private:
    bool m_settingValue = false;
};

} // namespace orrindel::platform
