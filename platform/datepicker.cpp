#include "datepicker.h"

#include <QScopedValueRollback>

namespace orrindel::platform {

DatePicker::DatePicker(int firstYear, int lastYear, QWidget *parent) : QDateEdit(parent)
{
    setDateRange(QDate(firstYear, 1, 1), QDate(lastYear, 12, 31));
    setDisplayFormat(QStringLiteral("MM/yyyy"));
    setCalendarPopup(true);
    // Stepping with the arrow keys or the wheel changes the section under the cursor.
    setCurrentSection(QDateTimeEdit::MonthSection);
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingValue)
            emit Change();
    });
}

void DatePicker::setValue(const QDate &value)
{
    const QScopedValueRollback guard(m_settingValue, true);
    setDate(value);
}

} // namespace orrindel::platform
