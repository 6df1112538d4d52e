#include "houseregister.h"

#include "engine/runtimeerror.h"
#include "houseform.h"
#include "platform/msgbox.h"
#include "ui/print/housereport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <vector>

namespace orrindel {

// Rows whose client, label or notes hold the search text, sorted by each column's own kind
// of value. The texts searched are kept by source row, so one keystroke reads no item.
class HouseFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setHouses(const QList<store::House> &houses)
    {
        m_texts.clear();
        m_texts.reserve(houses.size());
        for (const store::House &house : houses)
            m_texts.push_back(house.client + QChar('\n') + house.label + QChar('\n') + house.notes);
    }

    void setText(const QString &text)
    {
        m_text = text;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        return m_text.isEmpty() ||
               (row < int(m_texts.size()) && m_texts[row].contains(m_text, Qt::CaseInsensitive));
    }

private:
    std::vector<QString> m_texts;
    QString m_text;
};

namespace {

enum Column { ClientColumn, LabelColumn, YearColumn, FacingColumn, MeasuredColumn, ChangedColumn };
constexpr int SortRole = Qt::UserRole;
constexpr int IdRole = Qt::UserRole + 1;

QString storeError(const RuntimeError &error)
{
    return error.detail().empty() ? QString::fromUtf8(error.what())
                                  : QString::fromStdString(error.detail());
}

QList<QStandardItem *> houseRow(const store::House &house)
{
    const auto item = [](const QString &text, const QVariant &key) {
        auto *cell = new QStandardItem(text);
        cell->setData(key, SortRole);
        cell->setEditable(false);
        return cell;
    };
    const QString changed =
        house.changed.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    QList<QStandardItem *> row = {
        item(house.client, house.client.toLower()),
        item(house.label, house.label.toLower()),
        item(house.year, house.year.toInt()),
        item(house.facing, house.facing.toDouble()),
        item(house.measured.toString(Qt::ISODate), house.measured),
        item(changed, house.changed),
    };
    row[ClientColumn]->setData(house.id, IdRole);
    return row;
}

} // namespace

HouseRegister::HouseRegister(const QString &databasePath, platform::MsgBox &msgBox,
                             ShownChart shown, QWidget *parent)
    : QDialog(parent), m_path(databasePath), m_msgBox(msgBox), m_shown(std::move(shown)),
      m_askPdfPath([](QWidget *owner, const QString &suggested) {
          return QFileDialog::getSaveFileName(owner, tr("Export Report"), suggested,
                                              tr("PDF documents (*.pdf)"));
      })
{
    setObjectName(QStringLiteral("HouseRegister"));
    setWindowTitle(tr("Houses"));
    setModal(false);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(tr("Client, label or notes"));
    m_search->setAccessibleName(tr("Search houses"));
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(m_search);

    m_model = new QStandardItemModel(this);
    m_filter = new HouseFilter(this);
    m_filter->setSortRole(SortRole);
    m_filter->setSourceModel(m_model);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("houses"));
    m_table->setAccessibleName(tr("Houses"));
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSortingEnabled(true);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->sortByColumn(ChangedColumn, Qt::DescendingOrder);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setAccessibleName(tr("Status"));

    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    const auto button = [this, buttons](const QString &caption, const QString &name,
                                        void (HouseRegister::*slot)()) {
        auto *b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    m_open = button(tr("&Open"), QStringLiteral("open"), &HouseRegister::openSelected);
    m_save = button(tr("Save &Current House…"), QStringLiteral("save"), &HouseRegister::saveShown);
    m_edit = button(tr("&Edit…"), QStringLiteral("edit"), &HouseRegister::editSelected);
    m_delete = button(tr("&Delete"), QStringLiteral("delete"), &HouseRegister::deleteSelected);
    m_undo = button(tr("&Undo Delete"), QStringLiteral("undo"), &HouseRegister::undoDelete);
    m_export =
        button(tr("E&xport Report…"), QStringLiteral("export"), &HouseRegister::exportReport);
    m_undo->setToolTip(tr("Brings back the house deleted last (Ctrl+Z)"));
    auto *close = buttons->addButton(QDialogButtonBox::Close);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    m_open->setDefault(true);
    auto *undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, &HouseRegister::undoDelete);

    connect(m_search, &QLineEdit::textChanged, this, &HouseRegister::filter);
    connect(m_table, &QTableView::activated, this, &HouseRegister::openSelected);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HouseRegister::updateCommands);

    auto *search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(m_search);
    auto *body = new QHBoxLayout;
    body->addWidget(m_table, 1);
    body->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(body, 1);
    layout->addWidget(m_status);

    // Room for the six columns, within the screen at any scale.
    QSize size(820, 460);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);

    openStore();
    reload();
}

HouseRegister::~HouseRegister() = default;

void HouseRegister::openStore()
{
    try {
        m_store = std::make_unique<store::HouseStore>(m_path);
        if (m_store->isReadOnly())
            m_msgBox.show(this, m_store->readOnlyReason(), platform::vbOKOnly, tr("Houses"));
    } catch (const RuntimeError &error) {
        m_store.reset();
        m_msgBox.show(this, storeError(error), platform::vbCritical, tr("Houses"));
        report(tr("The houses of %1 cannot be shown.").arg(QDir::toNativeSeparators(m_path)));
    }
}

void HouseRegister::reload(qint64 select)
{
    m_houses.clear();
    if (m_store) {
        try {
            m_houses = m_store->houses();
        } catch (const RuntimeError &error) {
            m_msgBox.show(this, storeError(error), platform::vbCritical, tr("Houses"));
        }
    }
    // Filled before the views see it: one reset instead of a signal per cell.
    auto *model = new QStandardItemModel(0, 6, this);
    model->setHorizontalHeaderLabels(
        {tr("Client"), tr("Label"), tr("Year"), tr("Bearing"), tr("Measured"), tr("Last change")});
    for (const store::House &house : std::as_const(m_houses))
        model->appendRow(houseRow(house));
    m_filter->setHouses(m_houses);
    m_filter->setSourceModel(model);
    delete m_model;
    m_model = model;
    m_table->resizeColumnsToContents();
    for (int row = 0; select && row < m_filter->rowCount(); ++row) {
        if (m_filter->index(row, ClientColumn).data(IdRole).toLongLong() == select)
            m_table->selectRow(row);
    }
    if (!m_table->selectionModel()->hasSelection() && m_filter->rowCount() > 0)
        m_table->selectRow(0);
    updateCommands();
}

void HouseRegister::filter(const QString &text)
{
    m_filter->setText(text);
    if (!m_table->selectionModel()->hasSelection() && m_filter->rowCount() > 0)
        m_table->selectRow(0);
    updateCommands();
}

void HouseRegister::updateCommands()
{
    const bool writable = m_store && !m_store->isReadOnly();
    const bool chosen = m_table->selectionModel()->hasSelection();
    m_open->setEnabled(chosen);
    m_export->setEnabled(chosen);
    m_edit->setEnabled(chosen && writable);
    m_delete->setEnabled(chosen && writable);
    m_save->setEnabled(writable);
    m_undo->setEnabled(writable && m_deleted.has_value());
}

std::optional<store::House> HouseRegister::selected() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const int row = m_filter->mapToSource(rows.first()).row();
    return row >= 0 && row < m_houses.size() ? std::optional(m_houses[row]) : std::nullopt;
}

bool HouseRegister::change(const std::function<void()> &step)
{
    if (!m_store || m_store->isReadOnly())
        return false;
    try {
        step();
        return true;
    } catch (const RuntimeError &error) {
        m_msgBox.show(this, storeError(error), platform::vbCritical, tr("Houses"));
        return false;
    }
}

void HouseRegister::report(const QString &status)
{
    m_status->setText(status);
}

void HouseRegister::openSelected()
{
    const std::optional<store::House> house = selected();
    if (!house)
        return;
    m_opened = house;
    emit openHouse(house->year, house->facing);
    report(tr("Opened %1.").arg(house->client.isEmpty() ? house->label : house->client));
}

void HouseRegister::saveShown()
{
    const std::optional<std::pair<QString, QString>> shown = m_shown ? m_shown() : std::nullopt;
    if (!shown) {
        report(tr("Calculate a chart in the main window first: its year and bearing are saved."));
        return;
    }
    // The house opened last, while the main window still shows its chart, is updated.
    const bool fromRegister =
        m_opened && m_opened->year == shown->first && m_opened->facing == shown->second;
    store::House house = fromRegister ? *m_opened : store::House{};
    house.year = shown->first;
    house.facing = shown->second;
    if (!fromRegister)
        house.measured = QDate::currentDate();
    HouseForm form(house, HouseForm::Purpose::SaveShown, fromRegister, this);
    if (form.exec() != QDialog::Accepted)
        return;
    house = form.house();
    qint64 id = house.id;
    if (!change([&] { id ? m_store->update(house) : void(id = m_store->add(house)); }))
        return;
    house.id = id;
    m_opened = house;
    reload(id);
    report(tr("Saved %1.").arg(house.client.isEmpty() ? house.label : house.client));
}

void HouseRegister::editSelected()
{
    const std::optional<store::House> house = selected();
    if (!house || !m_store || m_store->isReadOnly())
        return;
    HouseForm form(*house, HouseForm::Purpose::Edit, false, this);
    if (form.exec() != QDialog::Accepted)
        return;
    const store::House edited = form.house();
    if (!change([&] { m_store->update(edited); }))
        return;
    if (m_opened && m_opened->id == edited.id)
        m_opened = edited;
    reload(edited.id);
    report(tr("Saved %1.").arg(edited.client.isEmpty() ? edited.label : edited.client));
}

void HouseRegister::deleteSelected()
{
    const std::optional<store::House> house = selected();
    if (!house || !m_store || m_store->isReadOnly())
        return;
    const QString name = house->client.isEmpty() ? house->label : house->client;
    const auto answer = QMessageBox::question(
        this, tr("Delete House"),
        tr("Delete the house of %1, %2? Undo (Ctrl+Z) brings it back while this window is open.")
            .arg(name, house->label),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes || !change([&] { m_store->remove(house->id); }))
        return;
    m_deleted = house;
    reload();
    report(tr("Deleted %1.").arg(name));
}

void HouseRegister::undoDelete()
{
    if (!m_deleted || !change([this] { m_store->restore(*m_deleted); }))
        return;
    const store::House house = *std::exchange(m_deleted, std::nullopt);
    reload(house.id);
    report(tr("Brought back %1.").arg(house.client.isEmpty() ? house.label : house.client));
}

void HouseRegister::exportReport()
{
    const std::optional<store::House> house = selected();
    if (!house)
        return;
    const QString suggested = QDir::home().filePath(
        (house->client.isEmpty() ? house->label : house->client) + QStringLiteral(".pdf"));
    const QString path = m_askPdfPath(this, suggested);
    if (path.isEmpty())
        return;
    try {
        writeHouseReport(*house, std::nullopt, path);
        report(tr("The report is written to %1.").arg(QDir::toNativeSeparators(path)));
    } catch (const RuntimeError &error) {
        m_msgBox.show(this, storeError(error), platform::vbCritical, tr("Export Report"));
    }
}

} // namespace orrindel
