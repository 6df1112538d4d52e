#include "orrindel_houses.h"

#include "engine/plan.h"
#include "engine/validation.h"
#include "orrindel/version.h"
#include "plan/planimage.h"
#include "report/phrases.h"
#include "report/planreport.h"
#include "store/storeerror.h"
#include "store/housefields.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <memory>

using namespace orrindel;
using orrindel::report::MonthOfYear;
using orrindel::store::FieldKind;
using orrindel::store::House;
using orrindel::store::HouseField;
using orrindel::store::HouseStore;
using orrindel::store::Plan;
using orrindel::store::PlanStore;
using orrindel::store::StoreError;

namespace {

using Kind = StoreError::Kind;

// The export's own version: a reader refuses a file newer than it knows.
constexpr int ExportVersion = 1;
const QLatin1StringView ExportFormat("orrindel-houses");

struct HousesTool
{
    Q_DECLARE_TR_FUNCTIONS(HousesTool)
};

// The problems of an import, one line each, all bad input.
struct ImportProblems
{
    QStringList lines;
};

[[noreturn]] void badInput(const QString &line)
{
    throw StoreError(Kind::Invalid, line);
}

// The fields typed on the command line and in an import, in the register's order.
QList<const HouseField *> typedFields()
{
    QList<const HouseField *> fields;
    for (const HouseField &field : store::houseFields())
        if (field.isTyped())
            fields.append(&field);
    return fields;
}

// A house's or a plan's number: digits alone, from 1; 0 when the text is none.
qint64 numberIn(const QString &text)
{
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    return ok && id > 0 && text.front().isDigit() ? id : 0;
}

qint64 parseId(const QString &text)
{
    const qint64 id = numberIn(text);
    if (!id)
        badInput(HousesTool::tr("%1 is not a house number.").arg(text));
    return id;
}

MonthOfYear parseAnnual(const QString &text)
{
    const std::optional<MonthOfYear> month = report::monthOfYear(text);
    if (!month)
        badInput(HousesTool::tr("--annual %1: give the month and year as MM/YYYY, month 01 to 12, "
                                "year %2 to %3.")
                     .arg(text)
                     .arg(LowestAnnualYear)
                     .arg(HighestAnnualYear));
    return *month;
}

QJsonObject houseJson(const House &house)
{
    QJsonObject object;
    for (const HouseField &field : store::houseFields())
        object.insert(field.text(), store::jsonOf(field, house));
    return object;
}

// A JSON value; written by hand because the list of a large register as one QJsonDocument
// takes several times as long as the query.
QString jsonText(const QJsonValue &value)
{
    if (value.isNull())
        return QStringLiteral("null");
    if (!value.isString())
        return QString::number(value.toInteger());
    QString quoted = QStringLiteral("\"");
    const QString text = value.toString();
    quoted.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// The fields of houseJson(), in the register's order, one house to a line.
void writeJsonLine(QTextStream &out, const House &house)
{
    const char *separator = "{";
    for (const HouseField &field : store::houseFields()) {
        out << separator << '"' << field.name << "\": " << jsonText(store::jsonOf(field, house));
        separator = ", ";
    }
    out << '}';
}

// One row of an import, or why it cannot be one.
std::optional<House> houseFromJson(const QJsonValue &value, QString &problem)
{
    if (!value.isObject()) {
        problem = HousesTool::tr("not an object");
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    House house;
    for (const HouseField *field : typedFields()) {
        const QJsonValue text = object.value(field->text());
        if (text.isUndefined() || text.isNull())
            continue;
        if (field->kind == FieldKind::Date && !store::setFromText(*field, house, text.toString())) {
            problem = HousesTool::tr("%1 is not a date written YYYY-MM-DD").arg(field->text());
            return std::nullopt;
        }
        if (!text.isString()) {
            problem = HousesTool::tr("%1 is not text").arg(field->text());
            return std::nullopt;
        }
        store::setFromText(*field, house, text.toString());
    }
    problem = store::houseProblem(house);
    if (!problem.isEmpty())
        return std::nullopt;
    return house;
}

QList<House> readImport(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        badInput(HousesTool::tr("%1 cannot be read: %2").arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonObject root = document.object();
    if (document.isNull() || !document.isObject())
        badInput(HousesTool::tr("%1 is not JSON: %2").arg(path, error.errorString()));
    if (root.value(QLatin1String("format")).toString() != ExportFormat ||
        !root.value(QLatin1String("houses")).isArray())
        badInput(HousesTool::tr("%1 is not a house export of Orrindel.").arg(path));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != ExportVersion)
        badInput(HousesTool::tr("%1 is of export version %2; this program reads version %3.")
                     .arg(path, version.toVariant().toString())
                     .arg(ExportVersion));
    QList<House> houses;
    QStringList problems;
    const QJsonArray rows = root.value(QLatin1String("houses")).toArray();
    for (qsizetype row = 0; row < rows.size(); ++row) {
        QString problem;
        if (const std::optional<House> house = houseFromJson(rows.at(row), problem))
            houses.append(*house);
        else
            problems.append(HousesTool::tr("row %1: %2").arg(row + 1).arg(problem));
    }
    if (!problems.isEmpty())
        throw ImportProblems{problems};
    return houses;
}

void writeExport(const QString &path, const QList<House> &houses)
{
    QJsonArray rows;
    for (const House &house : houses)
        rows.append(houseJson(house));
    const QJsonObject root{{"format", ExportFormat}, {"version", ExportVersion}, {"houses", rows}};
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    // Written aside and renamed over, so a failed export leaves no half file; but a device or a
    // pipe (/dev/stdout) is written as it is, as renaming over it would replace it.
    const QFileInfo target(path);
    const bool special = target.exists() && !target.isFile() && !target.isDir();
    QSaveFile saved(path);
    QFile direct(path);
    QFileDevice &file = special ? static_cast<QFileDevice &>(direct) : saved;
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() ||
        !(special ? direct.flush() : saved.commit()))
        throw StoreError::about(Kind::FileError, path, file.errorString());
}

// The field's text on one line, so that a name with line breaks cannot break the list apart.
QString listed(const HouseField &field, const House &house)
{
    return store::textOf(field, house).simplified();
}

// Each field on a line of its own; notes, of many lines, come last.
void printHouse(QTextStream &out, const House &house)
{
    QList<const HouseField *> fields;
    for (const HouseField &field : store::houseFields())
        fields.append(&field);
    // Not the ranges version, whose returned subrange clang 14 cannot read here.
    std::stable_partition(fields.begin(), fields.end(),
                          [](const HouseField *field) { return field->kind != FieldKind::Notes; });
    for (const HouseField *field : fields)
        out << store::fieldText(field->caption) << ": " << store::textOf(*field, house) << '\n';
}

struct Run
{
    QCommandLineParser &parser;
    QTextStream &out;
    const HouseReportWriter &writeReport;
    const PlanRenderer &renderPlan;
    QStringList arguments; // after the command

    QString value(const char *name) const { return parser.value(QLatin1String(name)); }
    bool isSet(const char *name) const { return parser.isSet(QLatin1String(name)); }
    void applyOptions(House &house) const;
    void refuseRegister(const QString &target) const;
    std::unique_ptr<HouseStore> open() const
    {
        return std::make_unique<HouseStore>(store::databasePath(value("database")));
    }
    House existing(const HouseStore &store, const QString &idText) const
    {
        const qint64 id = parseId(idText);
        const std::optional<House> house = store.house(id);
        if (!house)
            badInput(HousesTool::tr("there is no house %1 in %2.").arg(id).arg(store.path()));
        return *house;
    }
};

void Run::applyOptions(House &house) const
{
    for (const HouseField *field : typedFields())
        if (isSet(field->name) && !store::setFromText(*field, house, value(field->name)))
            badInput(HousesTool::tr("--%1 %2: give the date as YYYY-MM-DD.")
                         .arg(field->text(), value(field->name)));
    if (const QString problem = store::houseProblem(house); !problem.isEmpty())
        badInput(problem);
}

// An export or a report written over the register, or over its journal, would replace every
// house in it.
void Run::refuseRegister(const QString &target) const
{
    if (store::isRegisterFile(store::databasePath(value("database")), target))
        badInput(HousesTool::tr("%1 is the register itself: write to another file.").arg(target));
}

void list(Run &run)
{
    const QList<House> houses = run.open()->houses(run.arguments.value(0));
    if (run.isSet("json")) {
        run.out << '[';
        for (qsizetype i = 0; i < houses.size(); ++i)
            writeJsonLine(run.out << (i ? ",\n" : "\n"), houses[i]);
        run.out << "\n]\n";
        return;
    }
    QList<const HouseField *> columns;
    for (const HouseField &field : store::houseFields())
        if (field.listed >= 0)
            columns.append(&field);
    std::ranges::sort(columns, {}, &HouseField::listed);
    for (const House &house : houses) {
        for (const HouseField *field : columns)
            run.out << (field == columns.front() ? "" : "\t") << listed(*field, house);
        run.out << '\n';
    }
}

void show(Run &run)
{
    const House house = run.existing(*run.open(), run.arguments[0]);
    if (run.isSet("json"))
        run.out << QJsonDocument(houseJson(house)).toJson(QJsonDocument::Indented);
    else
        printHouse(run.out, house);
}

void add(Run &run)
{
    for (const HouseField *field : typedFields())
        if (field->kind == FieldKind::Number && !run.isSet(field->name))
            badInput(HousesTool::tr("add needs --year and --facing."));
    House house;
    house.measured = QDate::currentDate();
    run.applyOptions(house);
    run.out << run.open()->add(house) << '\n';
}

void edit(Run &run)
{
    const std::unique_ptr<HouseStore> store = run.open();
    House house = run.existing(*store, run.arguments[0]);
    if (std::ranges::none_of(typedFields(),
                             [&run](const HouseField *field) { return run.isSet(field->name); }))
        badInput(HousesTool::tr("edit needs at least one of --client, --label, --year, "
                                "--facing, --measured and --notes."));
    run.applyOptions(house);
    store->update(house);
}

void remove(Run &run)
{
    const std::unique_ptr<HouseStore> store = run.open();
    store->remove(run.existing(*store, run.arguments[0]).id);
}

void exportHouses(Run &run)
{
    run.refuseRegister(run.arguments[0]);
    writeExport(run.arguments[0], run.open()->houses());
}

void importHouses(Run &run)
{
    const QList<House> houses = readImport(run.arguments[0]);
    run.out << run.open()->addAll(houses).size() << '\n';
}

void report(Run &run)
{
    if (!run.isSet("pdf"))
        badInput(HousesTool::tr("report needs --pdf FILE."));
    const std::optional<MonthOfYear> month =
        run.isSet("annual") ? std::optional(parseAnnual(run.value("annual"))) : std::nullopt;
    run.refuseRegister(run.value("pdf"));
    const std::unique_ptr<HouseStore> store = run.open();
    const House house = run.existing(*store, run.arguments[0]);
    if (!run.writeReport)
        throw StoreError::about(Kind::FileError, run.value("pdf"),
                                HousesTool::tr("this build makes no reports."));
    run.writeReport(house, month,
                    report::floorPlans(house, PlanStore(*store).withImages(house.id)),
                    run.value("pdf"));
}

// A plan's number, the plan and its house, and its geometry read on the house's facing.
struct PlanAt
{
    std::unique_ptr<HouseStore> houses;
    Plan plan;
    House house;
    PlanInput input;
};

PlanAt existingPlan(Run &run)
{
    PlanAt at{run.open(), {}, {}, {}};
    const qint64 id = numberIn(run.arguments[0]);
    if (!id)
        badInput(HousesTool::tr("%1 is not a plan number.").arg(run.arguments[0]));
    const std::optional<Plan> plan = PlanStore(*at.houses).plan(id);
    if (!plan)
        badInput(HousesTool::tr("there is no plan %1 in %2.").arg(id).arg(at.houses->path()));
    at.plan = *plan;
    at.house = run.existing(*at.houses, QString::number(at.plan.house));
    at.input = report::planInput(at.plan.geometry, at.house.facing.toDouble());
    return at;
}

PlanPolygon pointsOption(const Run &run, const char *name)
{
    return parsePlanPoints(run.value(name).toStdString());
}

double numberOption(const Run &run, const char *name)
{
    bool ok = false;
    const double number = run.value(name).toDouble(&ok);
    if (!ok)
        badInput(HousesTool::tr("--%1 %2 is not a number.").arg(QLatin1String(name), run.value(name)));
    return number;
}

// Reads the changed plan, so that nothing the rules refuse is stored, and keeps it.
void storeGeometry(PlanAt &at)
{
    if (at.input.outline.empty())
        badInput(HousesTool::tr("plan %1 has no outline yet: trace it with plan outline.")
                     .arg(at.plan.id));
    readPlan(at.input);
    PlanStore(*at.houses).setGeometry(at.plan.id, report::geometryText(at.input));
}

void planAdd(Run &run)
{
    if (!run.isSet("image"))
        badInput(HousesTool::tr("plan add needs --image FILE."));
    int page = 0;
    if (run.isSet("page")) {
        bool ok = false;
        page = run.value("page").toInt(&ok);
        if (!ok || page < 1)
            badInput(HousesTool::tr("--page %1: pages count from 1.").arg(run.value("page")));
    }
    const std::unique_ptr<HouseStore> houses = run.open();
    const House house = run.existing(*houses, run.arguments[0]);
    const plan::PlanSource source = plan::checkPlan(plan::readPlanFile(run.value("image")), page);
    Plan plan;
    plan.house = house.id;
    plan.floor = run.value("floor");
    plan.format = QString::fromLatin1(source.format);
    plan.page = source.page;
    plan.width = source.size.width();
    plan.height = source.size.height();
    plan.image = source.bytes;
    run.out << PlanStore(*houses).add(plan) << '\n';
}

void planList(Run &run)
{
    const std::unique_ptr<HouseStore> houses = run.open();
    const QList<Plan> plans = PlanStore(*houses).plans(run.existing(*houses, run.arguments[0]).id);
    QJsonArray rows;
    for (const Plan &plan : plans) {
        if (!run.isSet("json")) {
            run.out << plan.id << '\t' << plan.floor.simplified() << '\t' << plan.format << '\t'
                    << plan.width << 'x' << plan.height << '\t' << plan.page << '\n';
            continue;
        }
        rows.append(QJsonObject{{"id", plan.id},
                                {"house", plan.house},
                                {"floor", plan.floor},
                                {"format", plan.format},
                                {"page", plan.page},
                                {"image", QJsonObject{{"width", plan.width}, {"height", plan.height}}},
                                {"traced", !plan.geometry.isEmpty()}});
    }
    if (run.isSet("json"))
        run.out << QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

// An outside area as "NAME:x,y x,y ...": its name before the last colon, since no point has one.
NamedPolygon outsideArea(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    return {text.left(std::max<qsizetype>(colon, 0)).trimmed().toStdString(),
            parsePlanPoints(text.mid(colon + 1).toStdString())};
}

void planOutline(Run &run)
{
    if (!run.isSet("points") || !run.isSet("front"))
        badInput(HousesTool::tr("plan outline needs --points and --front."));
    PlanAt at = existingPlan(run);
    at.input.outline = pointsOption(run, "points");
    bool ok = false;
    at.input.front = run.value("front").toInt(&ok);
    if (!ok)
        badInput(HousesTool::tr("--front %1 is not a corner's number.").arg(run.value("front")));
    at.input.outside.clear();
    for (const QString &area : run.parser.values(QStringLiteral("outside")))
        at.input.outside.push_back(outsideArea(area));
    storeGeometry(at);
}

void planCentre(Run &run)
{
    const std::optional<CentreMode> mode = centreModeNamed(run.arguments[1].toStdString());
    if (!mode)
        badInput(HousesTool::tr("%1 is not a centre: give centroid, box, rectangle or point.")
                     .arg(run.arguments[1]));
    if ((*mode == CentreMode::Point) != run.isSet("at"))
        badInput(HousesTool::tr("--at x,y goes with the centre point, and only with it."));
    PlanAt at = existingPlan(run);
    at.input.centreMode = *mode;
    if (run.isSet("at")) {
        const PlanPolygon point = pointsOption(run, "at");
        if (point.size() != 1)
            badInput(HousesTool::tr("--at takes one point, x,y."));
        at.input.at = point.front();
    }
    at.input.threshold = run.isSet("threshold") ? numberOption(run, "threshold")
                                                : DefaultFillThreshold;
    storeGeometry(at);
}

void planRoom(Run &run)
{
    if (!run.isSet("name") || !run.isSet("points"))
        badInput(HousesTool::tr("plan room needs --name and --points."));
    PlanAt at = existingPlan(run);
    NamedPolygon room{run.value("name").toStdString(), pointsOption(run, "points")};
    // A room traced again under its name replaces the first tracing.
    const auto same = std::ranges::find(at.input.rooms, room.name, &NamedPolygon::name);
    if (same != at.input.rooms.end())
        *same = room;
    else
        at.input.rooms.push_back(room);
    storeGeometry(at);
}

void planScale(Run &run)
{
    if (!run.isSet("points") || !run.isSet("length"))
        badInput(HousesTool::tr("plan scale needs --points and --length."));
    PlanAt at = existingPlan(run);
    const PlanPolygon ends = pointsOption(run, "points");
    if (ends.size() != 2)
        badInput(HousesTool::tr("--points of a scale are two points, x,y x,y."));
    at.input.scale = PlanScale{ends[0], ends[1], numberOption(run, "length")};
    storeGeometry(at);
}

void planRemove(Run &run)
{
    PlanAt at = existingPlan(run);
    PlanStore(*at.houses).remove(at.plan.id);
}

void planShow(Run &run)
{
    if (!run.isSet("json"))
        badInput(HousesTool::tr("plan show prints JSON: give --json."));
    if (run.isSet("annual"))
        parseAnnual(run.value("annual"));
    const PlanAt at = existingPlan(run);
    if (at.input.outline.empty())
        badInput(HousesTool::tr("plan %1 has no outline yet: trace it with plan outline.")
                     .arg(at.plan.id));
    const QJsonObject json = report::planJson(at.plan, at.input, readPlan(at.input));
    run.out << QJsonDocument(json).toJson(QJsonDocument::Indented);
}

void planRender(Run &run)
{
    if (run.isSet("png") == run.isSet("pdf"))
        badInput(HousesTool::tr("plan render needs one of --png FILE and --pdf FILE."));
    PlanRenderRequest request{run.value(run.isSet("pdf") ? "pdf" : "png"), run.isSet("pdf"),
                              run.isSet("grid"), std::nullopt};
    if (run.isSet("annual"))
        request.annual = parseAnnual(run.value("annual"));
    run.refuseRegister(request.file);
    const PlanAt at = existingPlan(run);
    if (at.input.outline.empty())
        badInput(HousesTool::tr("plan %1 has no outline yet: trace it with plan outline.")
                     .arg(at.plan.id));
    if (!run.renderPlan)
        throw StoreError::about(Kind::FileError, request.file,
                                HousesTool::tr("this build draws no plans."));
    run.renderPlan(at.house, at.plan, request);
}

// One command of the tool: its name, the arguments after it, its options (besides
// --database, which every command takes), its line in the help, and its work.
struct Command
{
    const char *name;
    int arguments; // -1: zero or one
    QStringList options;
    QString usage;   // after the name, translated where it has words
    const char *summary;
    void (*run)(Run &);
};

// The options of the typed fields: required ones first, the others in brackets.
QStringList fieldOptions()
{
    QStringList options;
    for (const HouseField *field : typedFields())
        options.append(field->text());
    return options;
}

QString addUsage()
{
    QStringList required, optional;
    for (const HouseField *field : typedFields())
        (field->kind == FieldKind::Number ? required : optional)
            .append(QStringLiteral("--") + field->text());
    return required.join(u' ') + QStringLiteral(" [") + optional.join(u' ') + u']';
}

const QList<Command> &commands()
{
    static const QList<Command> all = {
        {"list", -1, {"json"}, "[TEXT] [--json]",
         QT_TRANSLATE_NOOP("HousesTool", "houses whose client, label or notes contain TEXT"), list},
        {"show", 1, {"json"}, "ID [--json]", QT_TRANSLATE_NOOP("HousesTool", "one house"), show},
        {"add", 0, fieldOptions(), addUsage(), nullptr, add},
        {"edit", 1, fieldOptions(), QT_TRANSLATE_NOOP("HousesTool", "ID [options]"),
         QT_TRANSLATE_NOOP("HousesTool", "changes the options given"), edit},
        {"remove", 1, {}, "ID", nullptr, remove},
        {"export", 1, {}, "FILE", QT_TRANSLATE_NOOP("HousesTool", "every house as JSON"),
         exportHouses},
        {"import", 1, {}, "FILE",
         QT_TRANSLATE_NOOP("HousesTool", "the houses of an export, all or none"), importHouses},
        {"report", 1, {"pdf", "annual"}, "ID --pdf FILE [--annual MM/YYYY]", nullptr, report},
        {"plan add", 1, {"image", "page", "floor"},
         "HOUSE --image FILE [--page N] [--floor NAME]",
         QT_TRANSLATE_NOOP("HousesTool", "a floor plan; prints its number"), planAdd},
        {"plan list", 1, {"json"}, "HOUSE [--json]",
         QT_TRANSLATE_NOOP("HousesTool", "the house's floor plans"), planList},
        {"plan outline", 1, {"points", "front", "outside"},
         "PLAN --points \"x,y x,y ...\" --front K [--outside \"NAME:x,y ...\"]...", nullptr,
         planOutline},
        {"plan centre", 2, {"at", "threshold"},
         "PLAN centroid|box|rectangle|point [--at x,y] [--threshold F]", nullptr, planCentre},
        {"plan room", 1, {"name", "points"}, "PLAN --name NAME --points \"x,y x,y ...\"", nullptr,
         planRoom},
        {"plan scale", 1, {"points", "length"}, "PLAN --points \"x,y x,y\" --length METRES",
         nullptr, planScale},
        {"plan remove", 1, {}, "PLAN", nullptr, planRemove},
        {"plan show", 1, {"json", "annual"}, "PLAN --json [--annual MM/YYYY]",
         QT_TRANSLATE_NOOP("HousesTool", "the plan read against the compass"), planShow},
        {"plan render", 1, {"png", "pdf", "grid", "annual"},
         "PLAN --png FILE | --pdf FILE [--grid] [--annual MM/YYYY]", nullptr, planRender},
    };
    return all;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

// The tool's description: what it is for, then a line for each command.
QString description()
{
    QString text =
        HousesTool::tr("Keeps the register of houses measured, shared with Orrindel's Houses "
                       "window.") +
        u'\n' + HousesTool::tr("Commands:");
    constexpr qsizetype UsageWidth = 24;
    for (const Command &command : commands()) {
        const QString usage = QLatin1String(command.name) + u' ' +
                              HousesTool::tr(command.usage.toUtf8().constData());
        text += QStringLiteral("\n  ") +
                (command.summary ? usage.leftJustified(UsageWidth - 1) + u' ' +
                                       HousesTool::tr(command.summary)
                                 : usage);
    }
    return text;
}

// Every command's options, each once, in the order the commands take them.
QList<QCommandLineOption> options()
{
    QList<QCommandLineOption> all = {{QStringLiteral("database"),
                                      HousesTool::tr("The register's file."),
                                      QStringLiteral("FILE")}};
    const QList<QCommandLineOption> own = {
        {QStringLiteral("json"), HousesTool::tr("Print JSON.")},
        {QStringLiteral("pdf"), HousesTool::tr("Write the report to FILE."), QStringLiteral("FILE")},
        {QStringLiteral("annual"), HousesTool::tr("Annual and monthly stars of month MM/YYYY."),
         QStringLiteral("MM/YYYY")},
        {QStringLiteral("image"), HousesTool::tr("The plan's image or PDF."), QStringLiteral("FILE")},
        {QStringLiteral("page"), HousesTool::tr("The PDF's page, from 1."), QStringLiteral("N")},
        {QStringLiteral("floor"), HousesTool::tr("The floor's name."), QStringLiteral("NAME")},
        {QStringLiteral("points"), HousesTool::tr("Points of the image, \"x,y x,y ...\"."),
         QStringLiteral("POINTS")},
        {QStringLiteral("front"), HousesTool::tr("The front edge, from corner K (from 0) to the next."),
         QStringLiteral("K")},
        {QStringLiteral("outside"), HousesTool::tr("An outside area, \"NAME:x,y x,y ...\"; repeatable."),
         QStringLiteral("AREA")},
        {QStringLiteral("at"), HousesTool::tr("The centre point, x,y."), QStringLiteral("x,y")},
        {QStringLiteral("threshold"), HousesTool::tr("The share of the box the outline must fill."),
         QStringLiteral("F")},
        {QStringLiteral("name"), HousesTool::tr("The room's name."), QStringLiteral("NAME")},
        {QStringLiteral("length"), HousesTool::tr("The scale's length in metres."),
         QStringLiteral("METRES")},
        {QStringLiteral("png"), HousesTool::tr("Write a PNG to FILE."), QStringLiteral("FILE")},
        {QStringLiteral("grid"), HousesTool::tr("Draw the nine-palace grid, not the wedges.")},
    };
    QStringList named = {QStringLiteral("database")};
    for (const Command &command : commands())
        for (const QString &name : command.options) {
            if (named.contains(name))
                continue;
            named.append(name);
            const auto it = std::ranges::find_if(
                own, [&name](const QCommandLineOption &option) { return option.names()[0] == name; });
            if (it != own.end()) {
                all.append(*it);
                continue;
            }
            const HouseField &field = store::houseField(name.toLatin1().constData());
            all.append({name, store::fieldText(field.help), QLatin1String(field.valueName)});
        }
    return all;
}

} // namespace

int runHouses(const QStringList &arguments, QTextStream &out, QTextStream &err,
              const HouseReportWriter &writeReport, const PlanRenderer &renderPlan)
{
    const auto print = [&err, &out](const QStringList &lines, int status) {
        // A line break in a name or a value typed would split one problem over two lines.
        for (QString line : lines)
            err << "orrindel-houses: " << line.replace(u'\r', u' ').replace(u'\n', u' ') << '\n';
        err.flush();
        out.flush();
        return status;
    };
    const int badInputStatus = store::exitStatus(Kind::Invalid);

    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), HousesTool::tr("What to do."));
    parser.addOptions(options());

    if (!parser.parse(arguments))
        return print({parser.errorText()}, badInputStatus);
    // The help lists --help-all beside --help; there are no other options to show.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        return print({}, 0);
    }
    if (parser.isSet(versionOption)) {
        out << QLatin1StringView(ORRINDEL_VERSION_STRING) << '\n';
        return print({}, 0);
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return print({HousesTool::tr("give a command; see --help.")}, badInputStatus);
    QString name = positional.takeFirst();
    // "plan" takes a second word: "plan add", "plan show", ...
    if (name == QLatin1String("plan") && !positional.isEmpty())
        name += u' ' + positional.takeFirst();
    const Command *command = findCommand(name);
    if (!command)
        return print({HousesTool::tr("unknown command: %1").arg(name)}, badInputStatus);
    if (command->arguments >= 0 ? positional.size() != command->arguments : positional.size() > 1)
        return print({HousesTool::tr("wrong number of arguments for %1; see --help.").arg(name)},
                     badInputStatus);
    for (const QString &option : parser.optionNames())
        if (option != QLatin1String("database") && !command->options.contains(option))
            return print({HousesTool::tr("--%1 does not go with %2.").arg(option, name)},
                         badInputStatus);

    try {
        Run run{parser, out, writeReport, renderPlan, positional};
        command->run(run);
    } catch (const ImportProblems &problems) {
        return print(problems.lines, badInputStatus);
    } catch (const StoreError &error) {
        return print({error.message()}, store::exitStatus(error.kind()));
    } catch (const PlanError &error) {
        return print({QString::fromUtf8(error.what())}, badInputStatus);
    } catch (const std::exception &error) {
        // Nothing else should reach here; whatever does is not the input's fault.
        return print({QString::fromUtf8(error.what())}, store::exitStatus(Kind::Failed));
    }
    return print({}, 0);
}
