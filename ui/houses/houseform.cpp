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

namespace {

// The editor of a field by its kind: a date in a calendar, notes over many lines, any other on
// one; the chart's inputs as the main window has them when the shown chart is saved.
QWidget *editorFor(const store::HouseField &field, const store::House &house,
                   HouseForm::Purpose purpose, QWidget *parent)
{
    const QString text = store::textOf(field, house);
    switch (field.kind) {
    case store::FieldKind::Date: {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        auto *edit = new QDateEdit(date.isValid() ? date : QDate::currentDate(), parent);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        return edit;
    }
    case store::FieldKind::Notes: {
        auto *edit = new QPlainTextEdit(text, parent);
        edit->setTabChangesFocus(true);
        return edit;
    }
    default: {
        auto *edit = new QLineEdit(text, parent);
        edit->setReadOnly(field.kind == store::FieldKind::Number &&
                          purpose == HouseForm::Purpose::SaveShown);
        return edit;
    }
    }
}

} // namespace

HouseForm::HouseForm(const store::House &house, Purpose purpose, bool asNew, QWidget *parent)
    : QDialog(parent), m_house(house)
{
    setObjectName(QStringLiteral("HouseForm"));
    setWindowTitle(purpose == Purpose::Edit ? tr("Edit House") : tr("Save Current House"));

    auto *form = new QFormLayout;
    for (const store::HouseField &field : store::houseFields()) {
        if (!field.formCaption)
            continue;
        QWidget *editor = editorFor(field, house, purpose, this);
        editor->setObjectName(field.text());
        const QString caption = store::fieldText(field.formCaption);
        form->addRow(caption, editor);
        editor->setAccessibleName(platform::spokenCaption(caption));
        m_editors.append({&field, editor});
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
    m_editors.constFirst().second->setFocus();
}

store::House HouseForm::house() const
{
    store::House house = m_house;
    for (const auto &[field, editor] : m_editors) {
        QString text;
        if (const auto *line = qobject_cast<const QLineEdit *>(editor))
            text = field->kind == store::FieldKind::Name ? line->text().trimmed() : line->text();
        else if (const auto *date = qobject_cast<const QDateEdit *>(editor))
            text = date->date().toString(Qt::ISODate);
        else
            text = static_cast<const QPlainTextEdit *>(editor)->toPlainText();
        store::setFromText(*field, house, text);
    }
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
