#include "floorplanwindow.h"

#include "engine/numerictext.h"
#include "engine/palacereading.h"
#include "engine/runtimeerror.h"
#include "plan/planimage.h"
#include "platform/msgbox.h"
#include "report/palacewords.h"
#include "report/planreport.h"
#include "render/planoverlay.h"
#include "report/terms.h"
#include "store/storeerror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orrindel {

namespace {

// An edit of the plan shown, kept as the plan before and after it.
class PlanEdit : public QUndoCommand
{
public:
    PlanEdit(FloorPlanWindow &window, qint64 plan, PlanInput before, PlanInput after,
             const QString &what)
        : QUndoCommand(what), m_window(window), m_plan(plan), m_before(std::move(before)),
          m_after(std::move(after))
    {
    }
    void undo() override { m_window.apply(m_plan, m_before); }
    void redo() override { m_window.apply(m_plan, m_after); }

private:
    FloorPlanWindow &m_window;
    qint64 m_plan;
    PlanInput m_before, m_after;
};

// The palace table's rows: the eight sectors clockwise from north, then the centre.
constexpr std::array<int, PalaceCount> PalaceRows = {North, NorthEast, East, SouthEast, South,
                                                     SouthWest, West, NorthWest, Centre};
enum PalaceColumn {
    NameColumn, AreaColumn, ShareColumn, FilledColumn, MissingColumn, RoomsColumn, StarsColumn,
    ToneColumn, PalaceColumns
};

QString number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

QString percent(double share)
{
    return FloorPlanWindow::tr("%1 %").arg(number(share * 100, 1));
}

QString starsText(const report::ChartReading &chart, int palace)
{
    QString text = FloorPlanWindow::tr("%1 %2 · time %3")
                       .arg(chart.chart.mountain[palace])
                       .arg(chart.chart.facing[palace])
                       .arg(chart.chart.time[palace]);
    if (chart.month)
        text += FloorPlanWindow::tr(" · annual %1 · monthly %2")
                    .arg(chart.month->annual[palace])
                    .arg(chart.month->monthly[palace]);
    return text;
}

QTableWidget *table(const QStringList &headers, const QString &name)
{
    auto *shown = new QTableWidget(0, int(headers.size()));
    shown->setHorizontalHeaderLabels(headers);
    shown->setAccessibleName(name);
    shown->setObjectName(name);
    shown->verticalHeader()->setVisible(false);
    shown->setSelectionBehavior(QAbstractItemView::SelectRows);
    shown->setSelectionMode(QAbstractItemView::SingleSelection);
    shown->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    shown->horizontalHeader()->setStretchLastSection(true);
    return shown;
}

} // namespace

FloorPlanWindow::FloorPlanWindow(store::HouseStore &houses, const store::House &house,
                                 platform::MsgBox &msgBox, QWidget *parent)
    : QDialog(parent), m_plans(houses), m_house(house),
      m_facing(textToDouble(house.facing.toStdString())), m_msgBox(msgBox)
{
    setWindowTitle(tr("Floor Plan — %1").arg(store::displayName(house)));
    m_ask.planFile = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, tr("Add Floor Plan"), {},
                                            tr("Plans (*.png *.jpg *.jpeg *.bmp *.gif *.pdf)"));
    };
    m_ask.page = [](QWidget *parent, int pages) -> std::optional<int> {
        bool ok = false;
        const int page = QInputDialog::getInt(parent, tr("Add Floor Plan"),
                                              tr("Page of the PDF (1 to %1):").arg(pages), 1, 1,
                                              pages, 1, &ok);
        return ok ? std::optional(page) : std::nullopt;
    };
    m_ask.floorName = [](QWidget *parent, const QString &name) -> std::optional<QString> {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, tr("Rename Floor"), tr("Floor:"),
                                                   QLineEdit::Normal, name, &ok);
        return ok && !text.trimmed().isEmpty() ? std::optional(text.trimmed()) : std::nullopt;
    };

    m_floorList = new QListWidget;
    m_floorList->setAccessibleName(tr("Floors"));
    m_shapes = new QComboBox;
    m_shapes->setAccessibleName(tr("Shape traced"));
    m_shapeName = new QLineEdit;
    m_shapeName->setAccessibleName(tr("Name of a new room or outside area"));
    m_shapeName->setPlaceholderText(tr("Name"));
    m_centreMode = new QComboBox;
    m_centreMode->setAccessibleName(tr("Centre"));
    for (const QString &mode : {tr("Centroid"), tr("House rectangle"), tr("Rectangle when filled"),
                                tr("Placed point")})
        m_centreMode->addItem(mode);
    m_monthShown = new QCheckBox(tr("&Month:"));
    m_month = new QDateEdit(QDate::currentDate());
    m_month->setDisplayFormat(QStringLiteral("MM/yyyy"));
    m_month->setAccessibleName(tr("Month of the annual and monthly stars"));
    m_grid = new QCheckBox(tr("3 × 3 &grid"));
    m_ring = new QCheckBox(tr("Mountain r&ing"));
    m_ring->setChecked(true);
    m_canvas = new PlanCanvas;
    m_canvas->setOverlay([this](QPainter &painter, const PlanInput &input,
                                const PlanReading &reading) {
        render::OverlayOptions options;
        options.grid = m_grid->isChecked();
        options.ring = m_ring->isChecked();
        options.font = font();
        if (m_canvas->shape().kind == PlanShape::Outline)
            options.selectedCorner = m_canvas->selected();
        render::drawPlanOverlay(painter, m_canvas->imageSize(), input, reading, m_stars, options);
    });
    m_canvas->setAccessibleName(tr("Floor plan"));
    m_canvas->setAccessibleDescription(
        tr("Click to add a corner, drag a corner to move it, arrow keys nudge the selected one"));
    m_corners = table({tr("x"), tr("y")}, tr("Corners"));
    m_palaceTable = table({tr("Palace"), tr("Area"), tr("Share"), tr("Cell filled"),
                           tr("Missing"), tr("Rooms"), tr("Stars"), tr("Tone")},
                          tr("Palaces"));
    m_palaceTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_palaceTable->setRowCount(PalaceCount);
    m_status = new QLabel;
    m_status->setWordWrap(true);

    auto *tabs = new QTabWidget;
    tabs->addTab(m_palaceTable, tr("&Palaces"));
    tabs->addTab(m_corners, tr("C&orners"));
    auto *split = new QSplitter;
    split->addWidget(m_canvas);
    split->addWidget(tabs);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    auto *side = new QVBoxLayout;
    side->addWidget(m_floorList, 1);
    buildCommands(side);
    auto *body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(split, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_status);

    connect(m_floorList, &QListWidget::currentRowChanged, this, &FloorPlanWindow::showFloor);
    connect(m_canvas, &PlanCanvas::edited, this, &FloorPlanWindow::edit);
    connect(m_canvas, &PlanCanvas::selectionChanged, this, [this](int corner) {
        m_corners->selectRow(corner);
        updateCommands();
    });
    connect(m_corners, &QTableWidget::cellChanged, this, &FloorPlanWindow::cornerEdited);
    connect(m_corners, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_canvas->select(row); });
    connect(m_shapes, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_canvas->setShape(m_shapes->itemData(index).value<PlanShape>());
        fillCorners();
        updateCommands();
    });
    connect(m_centreMode, &QComboBox::activated, this, [this](int mode) {
        PlanInput input = m_canvas->plan();
        input.centreMode = CentreMode(mode);
        if (input.centreMode == CentreMode::Point && m_canvas->reading())
            input.at = m_canvas->reading()->centre.point; // where the centre was
        edit(input, tr("Change Centre"));
    });
    connect(m_monthShown, &QCheckBox::toggled, this, &FloorPlanWindow::readChart);
    for (QCheckBox *option : {m_grid, m_ring})
        connect(option, &QCheckBox::toggled, m_canvas, qOverload<>(&QWidget::update));
    connect(m_month, &QDateEdit::dateChanged, this, &FloorPlanWindow::readChart);
    connect(&m_undo, &QUndoStack::indexChanged, this, &FloorPlanWindow::updateCommands);

    resize(QSize(940, 480));
    readChart();
    reloadFloors(0);
}

FloorPlanWindow::~FloorPlanWindow()
{
    // The stack, cleared as it goes, would tell the buttons of its empty state after the list
    // of them has gone.
    m_undo.disconnect(this);
}

void FloorPlanWindow::buildCommands(QBoxLayout *into)
{
    // Each command a button at its place in the side's grid, with its access key in the text
    // or a shortcut of its own; the boxes take the rows between.
    struct Command
    {
        QString text;
        const char *name;
        std::function<void()> run;
        int row, column;
        bool needsPlan;
        QKeySequence key = {};
    };
    const std::array<Command, 12> commands = {{
        {tr("&Add Plan…"), "addPlan", [this] { addPlan(); }, 0, 0, false},
        {tr("Re&name…"), "renameFloor", [this] { renameFloor(); }, 0, 1, true},
        {tr("Move &Up"), "floorUp", [this] { moveFloor(-1); }, 1, 0, true},
        {tr("Move Do&wn"), "floorDown", [this] { moveFloor(1); }, 1, 1, true},
        {tr("&Remove"), "removeFloor", [this] { removeFloor(); }, 2, 0, true},
        {tr("Add Roo&m"), "addRoom", [this] { addShape(PlanShape::Room); }, 5, 0, true},
        {tr("Add Out&side"), "addOutside", [this] { addShape(PlanShape::Outside); }, 5, 1, true},
        {tr("Remove S&hape"), "removeShape", [this] { removeShape(); }, 6, 0, true},
        {tr("&Front Edge"), "front", [this] { makeFront(); }, 6, 1, true},
        {tr("&Delete Corner"), "deleteCorner", [this] { deleteCorner(); }, 7, 0, true,
         QKeySequence::Delete},
        {tr("Undo"), "undo", [this] { m_undo.undo(); }, 10, 0, false, QKeySequence::Undo},
        {tr("Redo"), "redo", [this] { m_undo.redo(); }, 10, 1, false,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    }};
    auto *grid = new QGridLayout;
    grid->addWidget(m_shapes, 3, 0, 1, 2);
    grid->addWidget(m_shapeName, 4, 0, 1, 2);
    grid->addWidget(m_centreMode, 8, 0, 1, 2);
    grid->addWidget(m_grid, 11, 0);
    grid->addWidget(m_ring, 11, 1);
    grid->addWidget(m_monthShown, 9, 0);
    grid->addWidget(m_month, 9, 1);
    for (const Command &command : commands) {
        auto *button = new QPushButton(command.text);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command.run);
        if (!command.key.isEmpty()) {
            button->setToolTip(command.key.toString(QKeySequence::NativeText));
            connect(new QShortcut(command.key, this), &QShortcut::activated, button,
                    &QPushButton::click);
        }
        if (command.needsPlan)
            m_planCommands.append(button);
        grid->addWidget(button, command.row, command.column);
    }
    into->addLayout(grid);
}

void FloorPlanWindow::reloadFloors(qint64 select)
{
    if (!change([&] { m_floors = m_plans.plans(m_house.id); }))
        m_floors.clear();
    const QSignalBlocker quiet(m_floorList);
    m_floorList->clear();
    int row = m_floors.isEmpty() ? -1 : 0;
    for (int i = 0; i < int(m_floors.size()); ++i) {
        m_floorList->addItem(m_floors[i].floor);
        if (m_floors[i].id == (select ? select : m_plan))
            row = i;
    }
    m_floorList->setCurrentRow(row);
    showFloor(row);
}

void FloorPlanWindow::showFloor(int row)
{
    const qint64 id = row >= 0 && row < int(m_floors.size()) ? m_floors[row].id : 0;
    if (id == m_plan && id)
        return;
    m_undo.clear();
    m_plan = 0;
    QImage image;
    PlanInput input;
    input.facing = m_facing;
    if (id) {
        std::optional<store::Plan> plan;
        const bool read = change([&] {
            plan = m_plans.plan(id);
            if (plan) {
                image = plan::renderPlan(plan::checkPlan(plan->image, plan->page));
                input = report::planInput(plan->geometry, m_facing);
            }
        });
        if (read && plan)
            m_plan = id;
    }
    m_canvas->setImage(image);
    m_canvas->setPlan(input);
    fillShapes();
    m_centreMode->setCurrentIndex(int(input.centreMode));
    fillCorners();
    fillPalaces();
    updateCommands();
}

void FloorPlanWindow::addPlan()
{
    const QString path = m_ask.planFile(this);
    if (path.isEmpty())
        return;
    store::Plan plan;
    plan.house = m_house.id;
    plan.floor = tr("Floor %1").arg(m_floors.size() + 1);
    const bool added = change([&] {
        const QByteArray bytes = plan::readPlanFile(path);
        plan::PlanSource source = plan::checkPlan(bytes);
        if (source.pageCount > 1) {
            const std::optional<int> page = m_ask.page(this, source.pageCount);
            if (!page)
                return;
            source = plan::checkPlan(bytes, *page);
        }
        plan.format = QString::fromLatin1(source.format);
        plan.page = source.page;
        plan.width = source.size.width();
        plan.height = source.size.height();
        plan.image = bytes;
        plan.id = m_plans.add(plan);
    });
    if (added && plan.id)
        reloadFloors(plan.id);
}

void FloorPlanWindow::renameFloor()
{
    const int row = m_floorList->currentRow();
    if (row < 0)
        return;
    if (const std::optional<QString> name = m_ask.floorName(this, m_floors[row].floor))
        if (change([&] { m_plans.rename(m_plan, *name); }))
            reloadFloors(m_plan);
}

void FloorPlanWindow::removeFloor()
{
    const int row = m_floorList->currentRow();
    if (row < 0 || !m_msgBox.confirm(this, tr("Remove the plan of %1?").arg(m_floors[row].floor),
                                     windowTitle()))
        return;
    if (change([&] { m_plans.remove(m_plan); })) {
        m_plan = 0;
        reloadFloors(0);
    }
}

void FloorPlanWindow::moveFloor(int by)
{
    const int to = m_floorList->currentRow() + by;
    if (m_plan && to >= 0 && to < int(m_floors.size()) && change([&] { m_plans.move(m_plan, to); }))
        reloadFloors(m_plan);
}

void FloorPlanWindow::addShape(PlanShape::Kind kind)
{
    PlanInput input = m_canvas->plan();
    auto &list = kind == PlanShape::Room ? input.rooms : input.outside;
    QString name = m_shapeName->text().trimmed();
    if (name.isEmpty())
        name = kind == PlanShape::Room ? tr("Room %1").arg(list.size() + 1)
                                       : tr("Outside %1").arg(list.size() + 1);
    list.push_back({name.toStdString(), {}});
    m_shapeName->clear();
    edit(input, kind == PlanShape::Room ? tr("Add Room") : tr("Add Outside Area"));
    m_shapes->setCurrentIndex(m_shapes->findData(
        QVariant::fromValue(PlanShape{kind, int(list.size()) - 1})));
}

void FloorPlanWindow::removeShape()
{
    const PlanShape shape = m_canvas->shape();
    PlanInput input = m_canvas->plan();
    if (shape.kind == PlanShape::Outline)
        input.outline.clear();
    else {
        auto &list = shape.kind == PlanShape::Room ? input.rooms : input.outside;
        list.erase(list.begin() + shape.index);
    }
    edit(input, tr("Remove Shape"));
}

void FloorPlanWindow::deleteCorner()
{
    PlanInput input = m_canvas->plan();
    PlanPolygon *points = shapePoints(input, m_canvas->shape());
    const int corner = m_canvas->selected();
    if (corner < 0 || corner >= int(points->size()))
        return;
    points->erase(points->begin() + corner);
    if (m_canvas->shape().kind == PlanShape::Outline && input.front >= int(points->size()))
        input.front = 0;
    edit(input, tr("Delete Corner"));
    m_canvas->select(std::min(corner, int(points->size()) - 1));
}

void FloorPlanWindow::makeFront()
{
    PlanInput input = m_canvas->plan();
    input.front = std::max(0, m_canvas->selected());
    edit(input, tr("Set Front Edge"));
}

void FloorPlanWindow::edit(const PlanInput &input, const QString &what)
{
    if (m_plan)
        m_undo.push(new PlanEdit(*this, m_plan, m_canvas->plan(), input, what));
}

void FloorPlanWindow::apply(qint64 plan, const PlanInput &input)
{
    if (plan != m_plan)
        return;
    const int selected = m_canvas->selected();
    m_canvas->setPlan(input);
    m_canvas->select(selected);
    if (change([&] { m_plans.setGeometry(plan, report::geometryText(input)); }))
        m_status->setText(m_canvas->readError());
    const QSignalBlocker quiet(m_centreMode);
    m_centreMode->setCurrentIndex(int(input.centreMode));
    fillShapes();
    fillCorners();
    fillPalaces();
}

void FloorPlanWindow::readChart()
{
    m_month->setEnabled(m_monthShown->isChecked());
    report::ChartRequest request{m_house.year.toInt(), m_house.facing, {}, false,
                                 DefaultVoidTolerance};
    if (m_monthShown->isChecked())
        request.annual = report::MonthOfYear{m_month->date().month(), m_month->date().year()};
    try {
        m_chart = report::readChart(request);
    } catch (const RuntimeError &) {
        m_chart.reset(); // a house the register refused to save; it shows no stars
    }
    fillPalaces();
    m_canvas->update();
}

void FloorPlanWindow::fillShapes()
{
    const PlanInput &input = m_canvas->plan();
    const PlanShape shown = m_canvas->shape();
    const QSignalBlocker quiet(m_shapes);
    m_shapes->clear();
    m_shapes->addItem(tr("Outline"), QVariant::fromValue(PlanShape{}));
    for (int i = 0; i < int(input.rooms.size()); ++i)
        m_shapes->addItem(tr("Room: %1").arg(QString::fromStdString(input.rooms[i].name)),
                          QVariant::fromValue(PlanShape{PlanShape::Room, i}));
    for (int i = 0; i < int(input.outside.size()); ++i)
        m_shapes->addItem(tr("Outside: %1").arg(QString::fromStdString(input.outside[i].name)),
                          QVariant::fromValue(PlanShape{PlanShape::Outside, i}));
    m_shapes->setCurrentIndex(std::max(0, m_shapes->findData(QVariant::fromValue(shown))));
}

void FloorPlanWindow::fillCorners()
{
    const QSignalBlocker quiet(m_corners);
    const PlanPolygon &points = *shapePoints(m_canvas->plan(), m_canvas->shape());
    m_corners->setRowCount(int(points.size()));
    for (int row = 0; row < int(points.size()); ++row)
        for (int column = 0; column < 2; ++column)
            m_corners->setItem(row, column,
                               new QTableWidgetItem(number(column ? points[row].y : points[row].x, 0)));
    m_corners->selectRow(m_canvas->selected());
}

void FloorPlanWindow::cornerEdited(int row, int column)
{
    bool ok = false;
    const double value = QLocale().toDouble(m_corners->item(row, column)->text(), &ok);
    PlanInput input = m_canvas->plan();
    PlanPolygon *points = shapePoints(input, m_canvas->shape());
    if (!ok || row >= int(points->size())) {
        fillCorners(); // not a number: the cell shows what it was
        return;
    }
    (column ? (*points)[row].y : (*points)[row].x) = value;
    edit(input, tr("Move Corner"));
}

void FloorPlanWindow::fillPalaces()
{
    const std::optional<PlanReading> &reading = m_canvas->reading();
    std::optional<std::array<PalaceReading, PalaceCount>> tones;
    m_stars.reset();
    if (m_chart) {
        const BuildingChart &chart = m_chart->chart;
        m_stars = report::PlanStars{chart.time, chart.mountain, chart.facing, {}, {}, {},
                                    chart.facingPalace};
        PalaceVisits visits;
        if (m_chart->month) {
            visits.annual = m_stars->annual = m_chart->month->annual;
            visits.monthly = m_stars->monthly = m_chart->month->monthly;
        }
        const QDate now = m_month->date();
        tones = readPalaces(chart.mountain, chart.facing, currentPeriod(now.year(), now.month()),
                            visits);
        m_stars->tones.emplace();
        for (int palace = 0; palace < PalaceCount; ++palace)
            (*m_stars->tones)[palace] = (*tones)[palace].tone;
    }
    for (int row = 0; row < PalaceCount; ++row) {
        const int palace = PalaceRows[row];
        std::array<QString, PalaceColumns> cells;
        cells[NameColumn] = report::palaceName(palace);
        if (m_chart)
            cells[StarsColumn] = starsText(*m_chart, palace);
        if (tones)
            cells[ToneColumn] = report::toneWord((*tones)[palace].tone);
        if (reading) {
            const auto metres = [&](double area) {
                const std::optional<double> m2 = reading->squareMetres(area);
                return m2 ? tr("%1 (%2 m²)").arg(number(area, 2), number(*m2, 2))
                          : number(area, 2);
            };
            if (row < SectorCount) {
                const SectorArea &sector = reading->sectors[row];
                cells[AreaColumn] = metres(sector.area);
                cells[ShareColumn] = percent(sector.share);
                QStringList rooms;
                for (const RoomReading &room : reading->rooms)
                    if (room.shares[row] > 0)
                        rooms << tr("%1 %2").arg(QString::fromStdString(room.name),
                                                 percent(room.shares[row]));
                cells[RoomsColumn] = rooms.join(tr(", "));
            }
            for (const GridCell &cell : reading->cells)
                if (cell.palace == palace) {
                    cells[FilledColumn] = percent(cell.occupied);
                    cells[MissingColumn] = cell.missing ? tr("missing") : QString();
                }
        }
        for (int column = 0; column < PalaceColumns; ++column)
            m_palaceTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    QString status = m_plan ? m_canvas->readError() : tr("Add a plan of a floor to trace it.");
    if (reading && !reading->centre.inside)
        status = tr("The centre lies outside the outline.");
    m_status->setText(status);
}

void FloorPlanWindow::updateCommands()
{
    for (QPushButton *button : std::as_const(m_planCommands))
        button->setEnabled(m_plan != 0);
    findChild<QPushButton *>(QStringLiteral("undo"))->setEnabled(m_undo.canUndo());
    findChild<QPushButton *>(QStringLiteral("redo"))->setEnabled(m_undo.canRedo());
    findChild<QPushButton *>(QStringLiteral("deleteCorner"))
        ->setEnabled(m_plan && m_canvas->selected() >= 0);
    m_centreMode->setEnabled(m_plan != 0);
}

bool FloorPlanWindow::change(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const store::StoreError &error) {
        m_msgBox.show(this, error.message(), platform::vbCritical, windowTitle());
    } catch (const PlanError &error) {
        m_msgBox.show(this, QString::fromStdString(error.what()), platform::vbCritical,
                      windowTitle());
    }
    return false;
}

} // namespace orrindel
