#include "houseform.h"

#include "platform/controls.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orrindel {

HouseForm::HouseForm(const store::House &house, Purpose purpose, bool asNew, QWidget *parent)
    : QDialog(parent), m_house(house)
{
    setObjectName(QStringLiteral("HouseForm"));
    setWindowTitle(purpose == Purpose::Edit ? tr("Edit House") : tr("Save Current House"));

    const auto line = [this](const QString &name, const QString &text) {
        auto *edit = new QLineEdit(text, this);
        edit->setObjectName(name);
        return edit;
    };
    m_client = line(QStringLiteral("client"), house.client);
    m_label = line(QStringLiteral("label"), house.label);
    m_year = line(QStringLiteral("year"), house.year);
    m_facing = line(QStringLiteral("facing"), house.facing);
    // The chart saved is the one on show: its inputs are the main window's.
    m_year->setReadOnly(purpose == Purpose::SaveShown);
    m_facing->setReadOnly(purpose == Purpose::SaveShown);
    m_measured =
        new QDateEdit(house.measured.isValid() ? house.measured : QDate::currentDate(), this);
    m_measured->setObjectName(QStringLiteral("measured"));
    m_measured->setCalendarPopup(true);
    m_measured->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_notes = new QPlainTextEdit(house.notes, this);
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setTabChangesFocus(true);

    auto *form = new QFormLayout;
    const std::pair<QString, QWidget *> rows[] = {
        {tr("&Client:"), m_client},
        {tr("&Label or address:"), m_label},
        {tr("&Year of construction:"), m_year},
        {tr("&Facing degree:"), m_facing},
        {tr("&Measured on:"), m_measured},
        {tr("&Notes:"), m_notes},
    };
    for (const auto &[caption, field] : rows) {
        form->addRow(caption, field);
        field->setAccessibleName(platform::spokenCaption(caption));
    }

    m_asNew = new QCheckBox(tr("Save as a &new house"), this);
    m_asNew->setObjectName(QStringLiteral("asNew"));
    m_asNew->setVisible(asNew);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setAccessibleName(tr("Problem"));
    m_problem->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &HouseForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &HouseForm::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_asNew);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    m_client->setFocus();
}

store::House HouseForm::house() const
{
    store::House house = m_house;
    house.client = m_client->text().trimmed();
    house.label = m_label->text().trimmed();
    house.year = m_year->text();
    house.facing = m_facing->text();
    house.measured = m_measured->date();
    house.notes = m_notes->toPlainText();
    if (saveAsNew())
        house.id = 0;
    return house;
}

bool HouseForm::saveAsNew() const
{
    return !m_asNew->isHidden() && m_asNew->isChecked();
}

void HouseForm::accept()
{
    const QString problem = store::houseProblem(house());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (problem.isEmpty())
        QDialog::accept();
}

} // namespace orrindel
