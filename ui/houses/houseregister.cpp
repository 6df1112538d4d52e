#include "houseregister.h"

#include "houseform.h"
#include "platform/msgbox.h"
#include "store/storeerror.h"
#include "store/housefields.h"
#include "store/plan.h"
#include "ui/plan/floorplanwindow.h"
#include "ui/print/housereport.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace orrindel {

namespace {

// The fields the table shows, a column each.
const QList<const store::HouseField *> &columns()
{
    static const QList<const store::HouseField *> shown = [] {
        QList<const store::HouseField *> fields;
        for (const store::HouseField &field : store::houseFields())
            if (field.column)
                fields.append(&field);
        return fields;
    }();
    return shown;
}

int columnOf(const char *name)
{
    return int(columns().indexOf(&store::houseField(name)));
}

// A column's value as the table shows it: a time in the user's zone, to the minute.
QString shown(const store::House &house, int column)
{
    const store::HouseField &field = *columns()[column];
    if (field.kind == store::FieldKind::Time)
        return (house.*std::get<QDateTime store::House::*>(field.member))
            .toLocalTime()
            .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return store::textOf(field, house);
}

} // namespace

// The houses read from the store, a row each, read straight from the list.
class HouseTable : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setHouses(QList<store::House> houses)
    {
        beginResetModel();
        m_houses = std::move(houses);
        endResetModel();
    }
    const QList<store::House> &houses() const { return m_houses; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_houses.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns().size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        return shown(m_houses[index.row()], index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return store::fieldText(columns()[section]->column);
    }

private:
    QList<store::House> m_houses;
};

// Rows the register's search finds, sorted by each column's own kind of value. The keys
// searched are kept by row, so one keystroke reads no cell.
class HouseFilter : public QSortFilterProxyModel
{
public:
    explicit HouseFilter(HouseTable *table, QObject *parent)
        : QSortFilterProxyModel(parent), m_table(table)
    {
        // Connected before the proxy's own handler, so the rows are filtered by their new
        // texts, not by those of the rows that were there before.
        connect(table, &QAbstractItemModel::modelReset, this, [this] {
            m_keys.clear();
            m_keys.reserve(m_table->houses().size());
            for (const store::House &house : m_table->houses())
                m_keys.push_back(store::searchKeys(house));
        });
        setSourceModel(table);
    }

    void setText(const QString &text)
    {
        m_text = text;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        return m_text.isEmpty() || (row < int(m_keys.size()) && store::isFound(m_keys[row], m_text));
    }
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const QList<store::House> &houses = m_table->houses();
        return store::lessThan(*columns()[left.column()], houses[left.row()], houses[right.row()]);
    }

private:
    HouseTable *m_table;
    std::vector<QStringList> m_keys;
    QString m_text;
};

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

    m_model = new HouseTable(this);
    m_filter = new HouseFilter(m_model, this);
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
    m_table->horizontalHeader()->setSectionResizeMode(columnOf("label"), QHeaderView::Stretch);
    // Columns fit the rows on show; measuring every one of thousands would keep the window
    // from opening promptly.
    m_table->horizontalHeader()->setResizeContentsPrecision(50);
    m_table->sortByColumn(columnOf("changed"), Qt::DescendingOrder);

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
    m_plans = button(tr("Floor &Plan…"), QStringLiteral("floorPlan"), &HouseRegister::openFloorPlan);
    const QString undoKeys = QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText);
    m_undo->setToolTip(tr("Brings back the house deleted last (%1)").arg(undoKeys));
    auto *close = buttons->addButton(QDialogButtonBox::Close);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    m_open->setDefault(true);
    auto *undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, &HouseRegister::undoDelete);

    connect(m_search, &QLineEdit::textChanged, this, &HouseRegister::filter);
    // Enter reaches Open, the default button; a double-click opens the house it is on.
    connect(m_table, &QTableView::doubleClicked, this, &HouseRegister::openSelected);
    auto *remove =
        new QShortcut(QKeySequence::Delete, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &HouseRegister::deleteSelected);
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

HouseRegister::~HouseRegister()
{
    delete m_floorPlan; // before the store it works on
}

void HouseRegister::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Another program may have changed the file while the window was closed.
    if (std::exchange(m_closed, false))
        reload(selected() ? selected()->id : 0);
}

void HouseRegister::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Undo lasts while the window is open, minimized too: the system's hiding is not a close.
    if (event->spontaneous())
        return;
    m_deleted.reset();
    m_closed = true;
    updateCommands();
}

void HouseRegister::openStore()
{
    try {
        m_store = std::make_unique<store::HouseStore>(m_path);
        if (m_store->isReadOnly())
            m_msgBox.show(this, m_store->readOnlyReason(), platform::vbOKOnly, tr("Houses"));
    } catch (const store::StoreError &error) {
        m_store.reset();
        m_msgBox.show(this, error.message(), platform::vbCritical, tr("Houses"));
        report(tr("The houses of %1 cannot be shown.").arg(QDir::toNativeSeparators(m_path)));
    }
}

void HouseRegister::reload(qint64 select)
{
    QList<store::House> houses;
    if (m_store) {
        try {
            houses = m_store->houses();
        } catch (const store::StoreError &error) {
            m_msgBox.show(this, error.message(), platform::vbCritical, tr("Houses"));
        }
    }
    m_model->setHouses(std::move(houses));
    m_table->resizeColumnsToContents();
    for (int row = 0; select && row < m_filter->rowCount(); ++row) {
        const int source = m_filter->mapToSource(m_filter->index(row, 0)).row();
        if (m_model->houses()[source].id == select)
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
    m_plans->setEnabled(chosen);
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
    const QList<store::House> &houses = m_model->houses();
    return row >= 0 && row < houses.size() ? std::optional(houses[row]) : std::nullopt;
}

bool HouseRegister::change(const std::function<void()> &step)
{
    if (!m_store || m_store->isReadOnly())
        return false;
    try {
        step();
        return true;
    } catch (const store::StoreError &error) {
        m_msgBox.show(this, error.message(), platform::vbCritical, tr("Houses"));
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
    emit houseOpened(house->id);
    report(tr("Opened %1.").arg(store::displayName(*house)));
}

void HouseRegister::openFloorPlan()
{
    if (const std::optional<store::House> house = selected())
        showFloorPlan(house->id);
}

void HouseRegister::showFloorPlan(qint64 house)
{
    std::optional<store::House> shown;
    if (!m_store || !change([&] { shown = m_store->house(house); }) || !shown)
        return;
    if (!m_floorPlan || m_floorPlan->house() != house) {
        delete m_floorPlan;
        m_floorPlan = new FloorPlanWindow(*m_store, *shown, m_msgBox, this);
        m_floorPlan->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_floorPlan->show();
    m_floorPlan->raise();
    m_floorPlan->activateWindow();
}

void HouseRegister::saveShown()
{
    if (!m_store || m_store->isReadOnly())
        return;
    const std::optional<std::pair<QString, QString>> shown = m_shown ? m_shown() : std::nullopt;
    if (!shown) {
        report(tr("Calculate a chart in the main window first: its year and bearing are saved."));
        return;
    }
    // The house opened last, while the main window still shows its chart and the house is
    // still kept, is updated.
    const bool fromRegister =
        m_opened && m_opened->year == shown->first && m_opened->facing == shown->second &&
        std::ranges::any_of(m_model->houses(),
                            [this](const store::House &kept) { return kept.id == m_opened->id; });
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
    report(tr("Saved %1.").arg(store::displayName(house)));
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
    report(tr("Saved %1.").arg(store::displayName(edited)));
}

void HouseRegister::deleteSelected()
{
    const std::optional<store::House> house = selected();
    if (!house || !m_store || m_store->isReadOnly())
        return;
    const QString name = store::displayName(*house);
    const bool yes = m_msgBox.confirm(
        this,
        tr("Delete the house of %1, %2? Undo (%3) brings it back while this window is open.")
            .arg(name, house->label,
                 QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
        tr("Delete House"));
    if (!yes || !change([&] { m_store->remove(house->id); }))
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
    report(tr("Brought back %1.").arg(store::displayName(house)));
}

void HouseRegister::exportReport()
{
    const std::optional<store::House> house = selected();
    if (!house)
        return;
    // Named after the client, without what a file name cannot hold.
    QString name = store::displayName(*house);
    name.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f])")),
                 QStringLiteral("-"));
    const QString suggested = QDir::home().filePath(name + QStringLiteral(".pdf"));
    const QString path = m_askPdfPath(this, suggested);
    if (path.isEmpty())
        return;
    if (m_store && store::isRegisterFile(m_store->path(), path)) {
        m_msgBox.show(this, tr("%1 is the house register itself: choose another file.").arg(path),
                      platform::vbCritical, tr("Export Report"));
        return;
    }
    try {
        const QList<store::Plan> floors =
            m_store ? store::PlanStore(*m_store).withImages(house->id) : QList<store::Plan>();
        writeHouseReport(*house, std::nullopt, report::floorPlans(*house, floors), path);
        report(tr("The report is written to %1.").arg(QDir::toNativeSeparators(path)));
    } catch (const store::StoreError &error) {
        m_msgBox.show(this, error.message(), platform::vbCritical, tr("Export Report"));
    } catch (const std::exception &error) {
        // Whatever else stopped the writer, the report is not there.
        m_msgBox.show(this,
                      store::StoreError::about(store::StoreError::Kind::FileError, path,
                                               QString::fromUtf8(error.what()))
                          .message(),
                      platform::vbCritical, tr("Export Report"));
    }
}

} // namespace orrindel
