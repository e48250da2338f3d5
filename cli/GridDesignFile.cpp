// The design file of terrovane-cli grid, read with Qt's JSON reader; every message names its field as the
// file spells it.
#include "GridDesignFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <set>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "CliText.h"
#include "Command.h"
#include "StoredResults.h"

namespace terrovane::cli {
namespace {

// A message about the file in the user's language; `argument` fills its %1, `second` its %2.
std::string Said(const char* source, const QString& argument = {}, const QString& second = {}) {
    const QString text = QCoreApplication::translate("CommandLine", source);
    if (argument.isNull())
        return Utf8(text);
    return Utf8(second.isNull() ? text.arg(argument) : text.arg(argument, second));
}

// The first problem found; thrown from deep in the reading and turned into the message at its top.
struct FieldError {
    std::string field;
    std::string what;
};

// A large count is almost certainly a typing error, and the drawing and formulas walk every conductor.
constexpr int kMaxConductors = 1000;
constexpr int kMaxRods = 10000;

// One object of the file, with the dotted path of its fields and the keys it knows.
class Section {
  public:
    Section(QJsonObject object, std::string path, std::set<std::string> known)
        : object_(std::move(object)), path_(std::move(path)) {
        for (auto it = object_.begin(); it != object_.end(); ++it)
            if (!known.contains(it.key().toStdString()))
                throw FieldError{Field(it.key().toStdString()),
                                 Said(QT_TRANSLATE_NOOP("CommandLine", "unknown field"))};
    }

    bool Has(const char* key) const { return object_.contains(QLatin1String(key)); }

    double Number(const char* key) const {
        const QJsonValue value = Required(key);
        if (!value.isDouble())
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be a number"))};
        return value.toDouble();
    }
    std::optional<double> OptionalNumber(const char* key) const {
        return Has(key) ? std::optional<double>(Number(key)) : std::nullopt;
    }

    int Whole(const char* key, int most) const {
        const double value = Number(key);
        if (value != std::floor(value))
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be a whole number"))};
        if (std::abs(value) > most)
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be at most %1"),
                                              QString::number(most))};
        return static_cast<int>(value);
    }

    std::string Text(const char* key) const {
        const QJsonValue value = Required(key);
        if (!value.isString())
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be a text"))};
        return value.toString().toStdString();
    }

    bool Flag(const char* key) const {
        const QJsonValue value = Required(key);
        if (!value.isBool())
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be true or false"))};
        return value.toBool();
    }

    std::optional<Section> Child(const char* key, std::set<std::string> known) const {
        if (!Has(key))
            return std::nullopt;
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isObject())
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be an object"))};
        return Section(value.toObject(), Field(key), std::move(known));
    }

    // The objects of an array, each a section named key[i].
    std::vector<Section> Elements(const char* key, const std::set<std::string>& known) const {
        const QJsonValue value = Required(key);
        if (!value.isArray())
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be an array"))};
        std::vector<Section> elements;
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const std::string name = Field(key) + "[" + std::to_string(i) + "]";
            if (!array[i].isObject())
                throw FieldError{name, Said(QT_TRANSLATE_NOOP("CommandLine", "must be an object"))};
            elements.emplace_back(array[i].toObject(), name, known);
        }
        return elements;
    }

    std::string Field(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }

  private:
    QJsonValue Required(const char* key) const {
        if (!Has(key))
            throw FieldError{Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "missing"))};
        return object_.value(QLatin1String(key));
    }

    QJsonObject object_;
    std::string path_;
};

Section RequiredChild(const Section& parent, const char* key, std::set<std::string> known) {
    std::optional<Section> child = parent.Child(key, std::move(known));
    if (!child)
        throw FieldError{parent.Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "missing"))};
    return *child;
}

grid::GridShape ShapeOf(const Section& grid) {
    const std::string shape = grid.Text("shape");
    if (const auto known = grid::ShapeFromName(shape))
        return *known;
    throw FieldError{
        grid.Field("shape"),
        Said(QT_TRANSLATE_NOOP("CommandLine", "must be square, rectangular or l-shaped, not \"%1\""),
             Given(shape))};
}

grid::GridLayout ReadLayout(const Section& grid) {
    grid::GridLayout layout;
    layout.shape = ShapeOf(grid);
    layout.length = grid.Number("length_m");
    layout.width = grid.Number("width_m");
    layout.conductorsLengthwise = grid.Whole("conductors_lengthwise", kMaxConductors);
    layout.conductorsWidthwise = grid.Whole("conductors_widthwise", kMaxConductors);
    layout.depth = grid.Number("depth_m");
    layout.conductorDiameter = grid.Number("conductor_diameter_m");
    // An L-shaped grid's outline: its length x width rectangle without the cut corner.
    const bool lShaped = layout.shape == grid::GridShape::LShaped;
    for (const char* key : {"cutout_length_m", "cutout_width_m"})
        if (!lShaped && grid.Has(key))
            throw FieldError{grid.Field(key),
                             Said(QT_TRANSLATE_NOOP("CommandLine", "only for an l-shaped grid"))};
    if (lShaped) {
        layout.cutoutLength = grid.Number("cutout_length_m");
        layout.cutoutWidth = grid.Number("cutout_width_m");
    }
    return layout;
}

grid::RodPlacement PlacementOf(const Section& rods) {
    const std::string placement = rods.Text("placement");
    if (const auto known = grid::PlacementFromName(placement))
        return *known;
    throw FieldError{
        rods.Field("placement"),
        Said(QT_TRANSLATE_NOOP("CommandLine", "must be inside, perimeter or corners, not \"%1\""),
             Given(placement))};
}

grid::FaultData ReadFault(const Section& fault) {
    grid::FaultData data;
    data.duration = fault.Number("duration_s");
    const bool given = fault.Has("grid_current_a");
    if (given) {
        for (const char* key : {"current_a", "split_factor", "x_over_r", "frequency_hz"})
            if (fault.Has(key))
                throw FieldError{
                    fault.Field(key),
                    Said(QT_TRANSLATE_NOOP("CommandLine",
                                           "goes with fault.current_a, not with fault.grid_current_a"))};
        data.gridCurrent = fault.Number("grid_current_a");
        return data;
    }
    if (!fault.Has("current_a"))
        throw FieldError{
            fault.Field("grid_current_a"),
            Said(QT_TRANSLATE_NOOP("CommandLine", "missing (or fault.current_a with its split factor)"))};
    data.faultCurrent = fault.Number("current_a");
    data.splitFactor = fault.OptionalNumber("split_factor").value_or(1.0);
    data.xOverR = fault.OptionalNumber("x_over_r").value_or(0.0);
    data.frequency = fault.OptionalNumber("frequency_hz").value_or(50.0);
    return data;
}

double PositiveNumber(const Section& section, const char* key) {
    const double value = section.Number(key);
    if (!(std::isfinite(value) && value > 0))
        throw FieldError{section.Field(key), Said(QT_TRANSLATE_NOOP("CommandLine", "must be above zero"))};
    return value;
}

// The soil model's layers, as many as a sounding resolves: top first, every layer but the last with its
// thickness (the last goes on downwards).
constexpr std::size_t kMaxSoilLayers = 3;

analysis::LayeredEarth ReadLayers(const Section& soil) {
    const std::vector<Section> layers = soil.Elements("layers", {"resistivity_ohm_m", "thickness_m"});
    if (layers.empty() || layers.size() > kMaxSoilLayers)
        throw FieldError{soil.Field("layers"),
                         Said(QT_TRANSLATE_NOOP("CommandLine", "must have 1 to %1 layers"),
                              QString::number(kMaxSoilLayers))};
    analysis::LayeredEarth earth;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        earth.resistivities.push_back(PositiveNumber(layers[i], "resistivity_ohm_m"));
        const bool last = i + 1 == layers.size();
        if (last && layers[i].Has("thickness_m"))
            throw FieldError{
                layers[i].Field("thickness_m"),
                Said(QT_TRANSLATE_NOOP("CommandLine", "the last layer goes on downwards: no thickness"))};
        if (!last)
            earth.thicknesses.push_back(PositiveNumber(layers[i], "thickness_m"));
    }
    return earth;
}

void ReadSoil(const Section& soil, GridDesignFile& file) {
    if (soil.Has("resistivity_ohm_m") == soil.Has("layers"))
        throw FieldError{soil.Field("layers"),
                         Said(QT_TRANSLATE_NOOP("CommandLine", "give either resistivity_ohm_m or layers"))};
    if (soil.Has("layers"))
        file.soilLayers = ReadLayers(soil);
    else
        file.soilResistivity = PositiveNumber(soil, "resistivity_ohm_m");
}

GridDesignFile ReadFile(const Section& top) {
    GridDesignFile file;
    grid::GridDesign& design = file.design;
    design.grid = ReadLayout(
        RequiredChild(top, "grid",
                      {"length_m", "width_m", "conductors_lengthwise", "conductors_widthwise", "depth_m",
                       "conductor_diameter_m", "shape", "cutout_length_m", "cutout_width_m"}));
    if (const auto rods = top.Child("rods", {"count", "length_m", "diameter_m", "placement"}))
        design.rods = grid::GroundRods{rods->Whole("count", kMaxRods), rods->Number("length_m"),
                                       rods->Number("diameter_m"), PlacementOf(*rods)};
    if (const auto surface = top.Child("surface_layer", {"resistivity_ohm_m", "thickness_m"}))
        design.surface =
            grid::SurfaceLayer{surface->Number("resistivity_ohm_m"), surface->Number("thickness_m")};
    design.fault = ReadFault(RequiredChild(
        top, "fault",
        {"grid_current_a", "current_a", "split_factor", "x_over_r", "frequency_hz", "duration_s"}));
    if (top.Has("body_kg"))
        design.bodyKg = top.Whole("body_kg", 1000);
    if (const auto en = top.Child("en50522", {"footwear_ohm", "standing"})) {
        design.additional.footwear = en->OptionalNumber("footwear_ohm").value_or(0.0);
        design.additional.standing = en->Has("standing") && en->Flag("standing");
    }
    if (const auto soil = top.Child("soil", {"resistivity_ohm_m", "layers"}))
        ReadSoil(*soil, file);
    return file;
}

std::string ProblemText(grid::DesignProblemCode code) {
    using grid::DesignProblemCode;
    switch (code) {
        case DesignProblemCode::NotPositive:
            return Said(QT_TRANSLATE_NOOP("CommandLine", "must be above zero"));
        case DesignProblemCode::Negative:
            return Said(QT_TRANSLATE_NOOP("CommandLine", "must not be negative"));
        case DesignProblemCode::TooFewConductors:
            return Said(QT_TRANSLATE_NOOP("CommandLine", "must be at least 2"));
        case DesignProblemCode::NotFiftyOrSeventy:
            return Said(QT_TRANSLATE_NOOP("CommandLine", "must be 50 or 70"));
        case DesignProblemCode::SplitFactorAboveOne:
            return Said(QT_TRANSLATE_NOOP("CommandLine", "must be at most 1"));
        case DesignProblemCode::CutoutTooLarge:
            return Said(QT_TRANSLATE_NOOP("CommandLine", "must be smaller than the grid"));
        case DesignProblemCode::CutoutOffGrid:
            return Said(QT_TRANSLATE_NOOP(
                "CommandLine", "does not fall on a conductor: the conductors' spacing does not fit it"));
        case DesignProblemCode::SquareNotSquare:
            return Said(QT_TRANSLATE_NOOP(
                "CommandLine", "a square grid needs equal length and width and as many conductors each way"));
    }
    return Said(QT_TRANSLATE_NOOP("CommandLine", "is not accepted"));
}

}  // namespace

bool ParseGridDesignFile(const std::string& text, GridDesignFile& file, std::string& error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = Said(QT_TRANSLATE_NOOP("CommandLine", "not JSON: %1 at character %2"),
                     parseError.errorString(), QString::number(parseError.offset));
        return false;
    }
    if (!document.isObject()) {
        error = Said(QT_TRANSLATE_NOOP("CommandLine", "not a JSON object"));
        return false;
    }
    try {
        file = ReadFile(Section(document.object(), "",
                                {"grid", "rods", "surface_layer", "fault", "body_kg", "en50522", "soil"}));
    } catch (const FieldError& problem) {
        error = problem.field + ": " + problem.what;
        return false;
    }
    const std::vector<grid::DesignProblem> problems = grid::CheckDesign(file.design);
    if (!problems.empty()) {
        error = std::string(grid::DesignFieldName(problems.front().field)) + ": " +
                ProblemText(problems.front().code);
        return false;
    }
    return true;
}

std::optional<int> LoadGridDesignFile(const char* command, const std::string& path, GridDesignFile& file) {
    std::string text;
    std::string error;
    if (!ReadTextFile(path, text, error))
        return CommandFailed(command, texts::ArchiveProblemText(error));
    if (!ParseGridDesignFile(text, file, error)) {
        // The design file's field names and what is wrong with them stay as the file's format spells them.
        Tell(command, Given(path + ": " + error));
        return kExitUsage;
    }
    return std::nullopt;
}

}  // namespace terrovane::cli
