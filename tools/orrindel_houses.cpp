#include "orrindel_houses.h"

#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "orrindel/version.h"
#include "report/phrases.h"
#include "store/storeerror.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <memory>

using namespace orrindel;
using orrindel::store::House;
using orrindel::store::HouseStore;

namespace {

constexpr int StoreProblem = 1;
constexpr int BadInput = 2;
// The export's own version: a reader refuses a file newer than it knows.
constexpr int ExportVersion = 1;
const QLatin1StringView ExportFormat("orrindel-houses");

struct HousesTool
{
    Q_DECLARE_TR_FUNCTIONS(HousesTool)
};

// Bad input, carried to the one place that prints it and exits with status 2.
struct BadInputError
{
    QStringList lines;
};

[[noreturn]] void badInput(const QString &line)
{
    throw BadInputError{{line}};
}

// What each command takes: its positional arguments after the command and its options.
struct Command
{
    const char *name;
    int arguments; // -1: zero or one
    QStringList options;
};

const QStringList HouseOptions = {"client", "label", "year", "facing", "measured", "notes"};
// The text fields of a house by their names in the options and the export.
const std::pair<const char *, QString House::*> TextFields[] = {{"client", &House::client},
                                                                {"label", &House::label},
                                                                {"year", &House::year},
                                                                {"facing", &House::facing},
                                                                {"notes", &House::notes}};

const Command *findCommand(const QString &name)
{
    static const Command commands[] = {
        {"list", -1, {"json"}},   {"show", 1, {"json"}},
        {"add", 0, HouseOptions}, {"edit", 1, HouseOptions},
        {"remove", 1, {}},        {"export", 1, {}},
        {"import", 1, {}},        {"report", 1, {"pdf", "annual"}},
    };
    for (const Command &command : commands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

qint64 parseId(const QString &text)
{
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok || id <= 0 || !text.front().isDigit())
        badInput(HousesTool::tr("%1 is not a house number.").arg(text));
    return id;
}

QDate parseDate(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!shape.match(text).hasMatch() || !date.isValid())
        return {};
    return date;
}

report::MonthOfYear parseAnnual(const QString &text)
{
    const std::optional<report::MonthOfYear> month = report::monthOfYear(text);
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
    return {{"id", house.id},
            {"client", house.client},
            {"label", house.label},
            {"year", house.year},
            {"facing", house.facing},
            {"measured", house.measured.isValid() ? QJsonValue(house.measured.toString(Qt::ISODate))
                                                  : QJsonValue()},
            {"notes", house.notes},
            {"created", house.created.toString(Qt::ISODateWithMs)},
            {"changed", house.changed.toString(Qt::ISODateWithMs)}};
}

// A JSON string; written by hand because the list of a large register as one QJsonDocument
// takes several times as long as the query.
QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
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

// The fields of houseJson(), one house to a line.
void writeJsonLine(QTextStream &out, const House &house)
{
    out << "{\"id\": " << house.id << ", \"client\": " << jsonString(house.client)
        << ", \"label\": " << jsonString(house.label) << ", \"year\": " << jsonString(house.year)
        << ", \"facing\": " << jsonString(house.facing) << ", \"measured\": "
        << (house.measured.isValid() ? jsonString(house.measured.toString(Qt::ISODate))
                                     : QStringLiteral("null"))
        << ", \"notes\": " << jsonString(house.notes)
        << ", \"created\": " << jsonString(house.created.toString(Qt::ISODateWithMs))
        << ", \"changed\": " << jsonString(house.changed.toString(Qt::ISODateWithMs)) << '}';
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
    for (const auto &[name, field] : TextFields) {
        const QJsonValue text = object.value(QLatin1String(name));
        if (!text.isUndefined() && !text.isNull() && !text.isString()) {
            problem = HousesTool::tr("%1 is not text").arg(QLatin1String(name));
            return std::nullopt;
        }
        house.*field = text.toString();
    }
    const QJsonValue measured = object.value(QLatin1String("measured"));
    if (!measured.isUndefined() && !measured.isNull()) {
        house.measured = parseDate(measured.toString());
        if (!house.measured.isValid()) {
            problem = HousesTool::tr("measured is not a date written YYYY-MM-DD");
            return std::nullopt;
        }
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
        throw BadInputError{problems};
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
        throw RuntimeError(
            RuntimeError::FileNotFound, "File not found",
            HousesTool::tr("%1 cannot be written: %2").arg(path, file.errorString()).toStdString());
}

// One line, so that a name with line breaks cannot break the list apart.
QString oneLine(const QString &text)
{
    return text.simplified();
}

void printHouse(QTextStream &out, const House &house)
{
    const std::pair<QString, QString> rows[] = {
        {HousesTool::tr("House"), QString::number(house.id)},
        {HousesTool::tr("Client"), house.client},
        {HousesTool::tr("Label"), house.label},
        {HousesTool::tr("Year"), house.year},
        {HousesTool::tr("Facing"), house.facing},
        {HousesTool::tr("Measured"), house.measured.toString(Qt::ISODate)},
        {HousesTool::tr("Created"), house.created.toString(Qt::ISODate)},
        {HousesTool::tr("Changed"), house.changed.toString(Qt::ISODate)},
        {HousesTool::tr("Notes"), house.notes}};
    for (const auto &[name, value] : rows)
        out << name << ": " << value << '\n';
}

struct Run
{
    QCommandLineParser &parser;
    QTextStream &out;
    const HouseReportWriter &writeReport;
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
    void command(const QString &name);
};

void Run::applyOptions(House &house) const
{
    for (const auto &[name, field] : TextFields)
        if (isSet(name))
            house.*field = value(name);
    if (isSet("measured")) {
        house.measured = parseDate(value("measured"));
        if (!house.measured.isValid())
            badInput(HousesTool::tr("--measured %1: give the date as YYYY-MM-DD.")
                         .arg(value("measured")));
    }
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

void Run::command(const QString &name)
{
    if (name == QLatin1String("list")) {
        const QList<House> houses = open()->houses(arguments.value(0));
        if (isSet("json")) {
            out << '[';
            for (qsizetype i = 0; i < houses.size(); ++i)
                writeJsonLine(out << (i ? ",\n" : "\n"), houses[i]);
            out << "\n]\n";
            return;
        }
        for (const House &house : houses)
            out << house.id << '\t' << house.year << '\t' << house.facing << '\t'
                << house.measured.toString(Qt::ISODate) << '\t' << oneLine(house.client) << '\t'
                << oneLine(house.label) << '\n';
    } else if (name == QLatin1String("show")) {
        const House house = existing(*open(), arguments[0]);
        if (isSet("json"))
            out << QJsonDocument(houseJson(house)).toJson(QJsonDocument::Indented);
        else
            printHouse(out, house);
    } else if (name == QLatin1String("add")) {
        if (!isSet("year") || !isSet("facing"))
            badInput(HousesTool::tr("add needs --year and --facing."));
        House house;
        house.measured = QDate::currentDate();
        applyOptions(house);
        out << open()->add(house) << '\n';
    } else if (name == QLatin1String("edit")) {
        const std::unique_ptr<HouseStore> store = open();
        House house = existing(*store, arguments[0]);
        if (std::none_of(HouseOptions.begin(), HouseOptions.end(),
                         [this](const QString &option) { return parser.isSet(option); }))
            badInput(HousesTool::tr("edit needs at least one of --client, --label, --year, "
                                    "--facing, --measured and --notes."));
        applyOptions(house);
        store->update(house);
    } else if (name == QLatin1String("remove")) {
        const std::unique_ptr<HouseStore> store = open();
        store->remove(existing(*store, arguments[0]).id);
    } else if (name == QLatin1String("export")) {
        refuseRegister(arguments[0]);
        writeExport(arguments[0], open()->houses());
    } else if (name == QLatin1String("import")) {
        const QList<House> houses = readImport(arguments[0]);
        out << open()->addAll(houses).size() << '\n';
    } else {
        if (!isSet("pdf"))
            badInput(HousesTool::tr("report needs --pdf FILE."));
        const std::optional<report::MonthOfYear> month =
            isSet("annual") ? std::optional(parseAnnual(value("annual"))) : std::nullopt;
        refuseRegister(value("pdf"));
        const House house = existing(*open(), arguments[0]);
        if (!writeReport)
            throw RuntimeError(RuntimeError::FileNotFound, "File not found",
                               HousesTool::tr("%1 cannot be written: this build makes no reports.")
                                   .arg(value("pdf"))
                                   .toStdString());
        writeReport(house, month, value("pdf"));
    }
}

} // namespace

int runHouses(const QStringList &arguments, QTextStream &out, QTextStream &err,
              const HouseReportWriter &writeReport)
{
    const auto print = [&err, &out](const QStringList &lines, int status) {
        // A line break in a name or a value typed would split one problem over two lines.
        for (QString line : lines)
            err << "orrindel-houses: " << line.replace(u'\r', u' ').replace(u'\n', u' ') << '\n';
        err.flush();
        out.flush();
        return status;
    };

    QCommandLineParser parser;
    parser.setApplicationDescription(HousesTool::tr(
        "Keeps the register of houses measured, shared with Orrindel's Houses window.\n"
        "Commands:\n"
        "  list [TEXT] [--json]    houses whose client, label or notes contain TEXT\n"
        "  show ID [--json]        one house\n"
        "  add --year --facing [--client --label --measured --notes]\n"
        "  edit ID [options]       changes the options given\n"
        "  remove ID\n"
        "  export FILE             every house as JSON\n"
        "  import FILE             the houses of an export, all or none\n"
        "  report ID --pdf FILE [--annual MM/YYYY]"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), HousesTool::tr("What to do."));
    parser.addOptions({
        {QStringLiteral("database"), HousesTool::tr("The register's file."),
         QStringLiteral("FILE")},
        {QStringLiteral("json"), HousesTool::tr("Print JSON.")},
        {QStringLiteral("client"), HousesTool::tr("The client's name."), QStringLiteral("NAME")},
        {QStringLiteral("label"), HousesTool::tr("A label or the address."),
         QStringLiteral("TEXT")},
        {QStringLiteral("year"), HousesTool::tr("Year of construction, 65 to 9999."),
         QStringLiteral("YEAR")},
        {QStringLiteral("facing"), HousesTool::tr("Facing bearing in degrees, 0 to below 360."),
         QStringLiteral("DEGREES")},
        {QStringLiteral("measured"), HousesTool::tr("The day it was measured."),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("notes"), HousesTool::tr("Free notes."), QStringLiteral("TEXT")},
        {QStringLiteral("pdf"), HousesTool::tr("Write the report to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("annual"), HousesTool::tr("Annual and monthly stars of month MM/YYYY."),
         QStringLiteral("MM/YYYY")},
    });

    if (!parser.parse(arguments))
        return print({parser.errorText()}, BadInput);
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
        return print({HousesTool::tr("give a command; see --help.")}, BadInput);
    const QString name = positional.takeFirst();
    const Command *command = findCommand(name);
    if (!command)
        return print({HousesTool::tr("unknown command: %1").arg(name)}, BadInput);
    if (command->arguments >= 0 ? positional.size() != command->arguments : positional.size() > 1)
        return print({HousesTool::tr("wrong number of arguments for %1; see --help.").arg(name)},
                     BadInput);
    for (const QString &option : parser.optionNames())
        if (option != QLatin1String("database") && !command->options.contains(option))
            return print({HousesTool::tr("--%1 does not go with %2.").arg(option, name)}, BadInput);

    try {
        Run{parser, out, writeReport, positional}.command(name);
    } catch (const BadInputError &error) {
        return print(error.lines, BadInput);
    } catch (const store::StoreError &error) {
        return print({error.message()},
                     error.kind() == store::StoreError::Kind::Invalid ? BadInput : StoreProblem);
    } catch (const RuntimeError &error) {
        const QString detail =
            QString::fromStdString(error.detail().empty() ? error.what() : error.detail());
        return print({detail}, error.number() == RuntimeError::InvalidProcedureCall ? BadInput
                                                                                    : StoreProblem);
    }
    return print({}, 0);
}
