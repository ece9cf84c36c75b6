// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/scene_file.h"

#include "scene/lens_check.h"
#include "scene/plain_text.h"
#include "scene/strict_json.h"
#include "scene/tool_fields.h"

#include <QColor>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace scene {

using geometry::Action;
using geometry::SceneState;
using geometry::StartState;

namespace {

constexpr double coordinateLimit = 1000;

const std::pair<Action::Kind, const char*> actionNames[] = {
    {Action::Kind::FirstPicture, "Start"},
    {Action::Kind::Clear, "Clear"},
    {Action::Kind::Command1, "Command1"},
    {Action::Kind::Command2, "Command2"},
    {Action::Kind::Command3, "Command3"},
    {Action::Kind::Command4, "Command4"},
    {Action::Kind::Command5, "Command5"},
    {Action::Kind::Print, "Printed"},
    {Action::Kind::YellowPoint, "YellowChange"},
    {Action::Kind::RayCount, "RayCountChange"},
    {Action::Kind::TrialPoint, "TrialMove"},
    {Action::Kind::Time, "TimeChange"},
    {Action::Kind::Drop, "Drop"},
};

const std::pair<geometry::PenStyle, const char*> penStyles[] = {
    {geometry::PenStyle::Solid, "solid"},
    {geometry::PenStyle::Dashed, "dashed"},
    {geometry::PenStyle::Dotted, "dotted"},
};

const std::pair<geometry::FillMode, const char*> fillModes[] = {
    {geometry::FillMode::Solid, "solid"},
    {geometry::FillMode::Transparent, "transparent"},
};

// What a field is to a student, before the name the file gives it.
QString described(const QString& key) {
    static const std::pair<const char*, const char*> names[] = {
        {"source", QT_TRANSLATE_NOOP("SceneFile", "η θέση της πηγής")},
        {"blue", QT_TRANSLATE_NOOP("SceneFile", "η θέση του μπλε σημείου")},
        {"thesiy", QT_TRANSLATE_NOOP("SceneFile", "το ύψος του κίτρινου σημείου")},
        {"shmeio_thesi", QT_TRANSLATE_NOOP("SceneFile", "το ύψος του μπλε σημείου")},
        {"arithmosaktinon", QT_TRANSLATE_NOOP("SceneFile", "ο αριθμός των ακτίνων")},
        {"xronosmetato", QT_TRANSLATE_NOOP("SceneFile", "ο χρόνος")},
        {"label3FontSize", QT_TRANSLATE_NOOP("SceneFile", "το μέγεθος των γραμμάτων της Label3")},
        {"sineRatio", QT_TRANSLATE_NOOP("SceneFile", "ο δείκτης των κλιμάκων της σελίδας")},
        {"fontSize", QT_TRANSLATE_NOOP("SceneFile", "το μέγεθος των γραμμάτων")},
        {"drawWidth", QT_TRANSLATE_NOOP("SceneFile", "το πάχος των γραμμών")},
        {"drawStyle", QT_TRANSLATE_NOOP("SceneFile", "το είδος των γραμμών")},
        {"fillStyle", QT_TRANSLATE_NOOP("SceneFile", "το γέμισμα")},
        {"lens.index", QT_TRANSLATE_NOOP("SceneFile", "ο δείκτης διάθλασης του φακού")},
        {"lens.frontRadius",
         QT_TRANSLATE_NOOP("SceneFile", "η ακτίνα της μπροστινής επιφάνειας του φακού")},
        {"lens.rearRadius",
         QT_TRANSLATE_NOOP("SceneFile", "η ακτίνα της πίσω επιφάνειας του φακού")},
        {"lens.thickness", QT_TRANSLATE_NOOP("SceneFile", "το πάχος του φακού")},
        {"lens.aperture", QT_TRANSLATE_NOOP("SceneFile", "το άνοιγμα του φακού")},
        {"object.x", QT_TRANSLATE_NOOP("SceneFile", "η θέση του αντικειμένου")},
        {"object.height", QT_TRANSLATE_NOOP("SceneFile", "το ύψος του αντικειμένου")},
    };
    const QString quoted = QStringLiteral("«%1»").arg(shownName(key));
    for (const auto& [name, meaning] : names)
        if (key == QLatin1String(name) || key.startsWith(QLatin1String(name) + QLatin1Char('.')))
            return QCoreApplication::translate("SceneFile", meaning) + QStringLiteral(" (") +
                   quoted + QLatin1Char(')');
    return quoted;
}

QJsonObject pointJson(geometry::Point p) {
    return {{"x", p.x}, {"y", p.y}};
}

template <typename Enum, std::size_t N>
QString nameOf(const std::pair<Enum, const char*> (&names)[N], Enum value) {
    for (const auto& [v, name] : names)
        if (v == value)
            return QString::fromLatin1(name);
    return {};
}

// Reads one document, field by field; the first problem ends it.
class Reader {
public:
    explicit Reader(const QJsonObject& root) : root_(root) {}

    std::optional<QString> problem;

    QJsonValue field(const QJsonObject& object, const QString& key) { return object.value(key); }

    bool isNumber(const QJsonValue& value, const QString& key) {
        if (value.isDouble())
            return true;
        fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι αριθμός").arg(described(key)));
        return false;
    }

    void integer(const QJsonObject& object, const QString& key, int low, int high,
                 std::int16_t& out) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || problem || !isNumber(value, key))
            return;
        const double number = value.toDouble();
        if (number != std::floor(number)) {
            fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι ακέραιος")
                     .arg(described(key)));
            return;
        }
        if (number < low || number > high) {
            fail(QCoreApplication::translate("SceneFile", "%1: εκτός των ορίων %2 … %3")
                     .arg(described(key))
                     .arg(low)
                     .arg(high));
            return;
        }
        out = std::int16_t(number);
    }

    // A number of the object under key; name is how a message calls it.
    void real(const QJsonObject& object, const QString& key, double low, double high, double& out,
              const QString& name = {}) {
        const QString called = name.isEmpty() ? key : name;
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || problem || !isNumber(value, called))
            return;
        const double number = value.toDouble();
        if (!(number >= low && number <= high)) {
            fail(QCoreApplication::translate("SceneFile", "%1: εκτός των ορίων %2 … %3")
                     .arg(described(called))
                     .arg(low)
                     .arg(high));
            return;
        }
        out = number;
    }

    void point(const QJsonObject& object, const QString& key, geometry::Point& out) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || problem)
            return;
        if (!value.isObject()) {
            fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι σημείο με x και y")
                     .arg(described(key)));
            return;
        }
        const QJsonObject p = value.toObject();
        if (!p.contains(QLatin1String("x")) || !p.contains(QLatin1String("y")) || p.size() != 2) {
            fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι σημείο με x και y")
                     .arg(described(key)));
            return;
        }
        real(p, QStringLiteral("x"), -coordinateLimit, coordinateLimit, out.x,
             key + QStringLiteral(".x"));
        real(p, QStringLiteral("y"), -coordinateLimit, coordinateLimit, out.y,
             key + QStringLiteral(".y"));
    }

    template <typename Enum, std::size_t N>
    void named(const QJsonObject& object, const QString& key,
               const std::pair<Enum, const char*> (&names)[N], Enum& out) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || problem)
            return;
        for (const auto& [v, name] : names)
            if (value.toString() == QLatin1String(name)) {
                out = v;
                return;
            }
        fail(QCoreApplication::translate("SceneFile", "%1: άγνωστη τιμή").arg(described(key)));
    }

    void fail(const QString& what) {
        if (!problem)
            problem = what;
    }

    const QJsonObject& root() const { return root_; }

private:
    const QJsonObject& root_;
};

// A colour #rrggbb, checked already.
geometry::Rgb rgbOf(const QString& name) {
    const QColor colour = QColor::fromString(name);
    return {colour.red(), colour.green(), colour.blue()};
}

void readDrawing(Reader& r, const QJsonObject& drawing, StartState& start) {
    static const QStringList known = {"fillStyle", "fillColor", "drawWidth", "drawStyle",
                                      "fontSize"};
    for (const QString& key : drawing.keys())
        if (!known.contains(key))
            r.fail(
                QCoreApplication::translate("SceneFile", "άγνωστο πεδίο «%1»").arg(shownName(key)));
    geometry::DrawingProperties& props = start.drawing;
    r.named(drawing, QStringLiteral("fillStyle"), fillModes, props.fillStyle);
    r.named(drawing, QStringLiteral("drawStyle"), penStyles, props.drawStyle);
    const QJsonValue colour = drawing.value(QLatin1String("fillColor"));
    if (!colour.isUndefined()) {
        static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!colour.isString() || !rgb.match(colour.toString()).hasMatch())
            r.fail(QCoreApplication::translate("SceneFile",
                                               "το πεδίο «fillColor» δεν είναι χρώμα #rrggbb"));
        else
            props.fillColor = rgbOf(colour.toString());
    }
    std::int16_t width = std::int16_t(props.drawWidth);
    r.integer(drawing, QStringLiteral("drawWidth"), 1, 100, width);
    props.drawWidth = width;
    r.real(drawing, QStringLiteral("fontSize"), 1, 200, props.fontSize);
}

void readLabels(Reader& r, const QJsonValue& value, StartState& start) {
    if (!value.isObject()) {
        r.fail(QCoreApplication::translate("SceneFile", "το πεδίο «labels» δεν είναι αντικείμενο"));
        return;
    }
    const QJsonObject labels = value.toObject();
    for (const QString& key : labels.keys()) {
        const int number = key.startsWith(QLatin1String("Label")) ? key.mid(5).toInt() : 0;
        if (number < 1 || number > 7 || key.size() != 6) {
            r.fail(QCoreApplication::translate("SceneFile", "άγνωστη ετικέτα «%1»")
                       .arg(shownName(key)));
            return;
        }
        if (!labels.value(key).isString()) {
            r.fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι κείμενο")
                       .arg(described(key)));
            return;
        }
        start.labels[std::size_t(number)] = labels.value(key).toString().toStdString();
    }
}

// A printing without its index left the lens's own, as the defaults' start state holds it.
void readActions(Reader& r, const QJsonValue& value, std::vector<Action>& actions,
                 float lensIndex) {
    if (!value.isArray()) {
        r.fail(QCoreApplication::translate("SceneFile", "το πεδίο «actions» δεν είναι λίστα"));
        return;
    }
    for (const QJsonValue& entry : value.toArray()) {
        const QJsonObject object = entry.toObject();
        const QString name =
            entry.isString() ? entry.toString() : object.value(QLatin1String("action")).toString();
        Action action;
        bool known = false;
        for (const auto& [kind, text] : actionNames)
            if (name == QLatin1String(text)) {
                action.kind = kind;
                known = true;
            }
        if (!known) {
            r.fail(
                QCoreApplication::translate("SceneFile", "άγνωστη ενέργεια «%1»")
                    .arg(shownName(entry.isString() || entry.isObject()
                                       ? name
                                       : QString::fromUtf8(QJsonDocument(QJsonArray{entry})
                                                               .toJson(QJsonDocument::Compact)))));
            return;
        }
        if (action.kind == Action::Kind::Drop) {
            r.point(object, QStringLiteral("source"), action.source);
            r.point(object, QStringLiteral("blue"), action.bluePoint);
        }
        if (action.kind == Action::Kind::Print) {
            double ratio = lensIndex;
            r.real(object, QStringLiteral("sineRatio"), -1e6, 1e6, ratio);
            action.sineRatio = float(ratio);
        }
        actions.push_back(action);
    }
}

// Light keeps this speed outside the lens; the index sets the speed inside.
constexpr float speedOutside = 2;

// The shortest decimal index that gives back the lens's speed inside.
double indexOf(const geometry::LensGiven& lens) {
    const double index = double(lens.speedOutside) / double(lens.speedInside);
    for (int digits = 1; digits < 17; ++digits) {
        const double shown = QString::number(index, 'g', digits).toDouble();
        if (float(speedOutside / shown) == lens.speedInside)
            return shown;
    }
    return index;
}

QJsonObject lensJson(const geometry::LensGiven& lens) {
    return {{"index", indexOf(lens)},
            {"frontRadius", lens.frontRadius},
            {"rearRadius", lens.rearRadius},
            {"thickness", lens.thickness},
            {"aperture", apertureOf(lens)}};
}

// Every field left out takes the start-up lens's value.
void readLens(Reader& r, const QJsonValue& value, geometry::Lens& out) {
    if (!value.isObject()) {
        r.fail(QCoreApplication::translate("SceneFile", "το πεδίο «lens» δεν είναι αντικείμενο"));
        return;
    }
    const QJsonObject object = value.toObject();
    static const QStringList known = {"index", "frontRadius", "rearRadius", "thickness",
                                      "aperture"};
    for (const QString& key : object.keys())
        if (!known.contains(key))
            r.fail(QCoreApplication::translate("SceneFile", "άγνωστο πεδίο «%1»")
                       .arg(shownName(QStringLiteral("lens.") + key)));
    geometry::LensGiven lens = geometry::Lens::standard().given();
    double index = indexOf(lens);
    double aperture = apertureOf(lens);
    const auto number = [&](const char* key, double low, double high, double& to) {
        r.real(object, QLatin1String(key), low, high, to,
               QStringLiteral("lens.") + QLatin1String(key));
    };
    number("index", 1, 3, index);
    number("frontRadius", -1000, 1000, lens.frontRadius);
    number("rearRadius", -1000, 1000, lens.rearRadius);
    number("thickness", -1000, 1000, lens.thickness);
    number("aperture", -1000, 1000, aperture);
    if (r.problem)
        return;
    lens.speedOutside = speedOutside;
    lens.speedInside = float(speedOutside / index);
    lens = withAperture(lens, aperture);
    if (const std::optional<LensProblem> problem = lensProblem(lens)) {
        r.fail(QCoreApplication::translate("SceneFile", "%1: δεν δίνει φακό, %2")
                   .arg(described(QStringLiteral("lens.") + QLatin1String(problem->field)),
                        problem->why));
        return;
    }
    out = geometry::Lens(lens);
}

// The object stands on the axis left of the lens, its tip above the axis.
void readObject(Reader& r, const QJsonValue& value, const geometry::Lens& lens,
                std::optional<geometry::ObjectArrow>& out) {
    if (!value.isObject()) {
        r.fail(QCoreApplication::translate("SceneFile", "το πεδίο «object» δεν είναι αντικείμενο"));
        return;
    }
    const QJsonObject object = value.toObject();
    for (const QString& key : object.keys())
        if (key != QLatin1String("x") && key != QLatin1String("height"))
            r.fail(QCoreApplication::translate("SceneFile", "άγνωστο πεδίο «%1»")
                       .arg(shownName(QStringLiteral("object.") + key)));
    geometry::ObjectArrow arrow;
    r.real(object, QStringLiteral("x"), -1000, 1000, arrow.x, QStringLiteral("object.x"));
    r.real(object, QStringLiteral("height"), -1000, 1000, arrow.height,
           QStringLiteral("object.height"));
    if (r.problem)
        return;
    if (arrow.x >= -lens.lensHalfWidth())
        r.fail(QCoreApplication::translate("SceneFile", "%1: δεν στέκεται αριστερά του φακού")
                   .arg(described(QStringLiteral("object.x"))));
    else if (arrow.height <= 0)
        r.fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι θετικό")
                   .arg(described(QStringLiteral("object.height"))));
    else
        out = arrow;
}

QString notAScene(const QString& detail) {
    return QCoreApplication::translate("SceneFile",
                                       "δεν είναι σκηνή του Kovril ή έχει χαλάσει (JSON: %1)")
        .arg(detail);
}

} // namespace

QString actionName(geometry::Action::Kind kind) {
    return nameOf(actionNames, kind);
}

QByteArray writeScene(const SceneState& d) {
    const StartState& start = d.log.start;
    const geometry::DrawingProperties& props = start.drawing;
    QJsonObject labels;
    for (int i = 1; i <= 7; ++i)
        labels.insert(QStringLiteral("Label%1").arg(i),
                      QString::fromStdString(start.labels[std::size_t(i)]));
    QJsonArray actions;
    for (const Action& action : d.log.actions) {
        if (action.kind == Action::Kind::Drop)
            actions.append(QJsonObject{{"action", actionName(action.kind)},
                                       {"source", pointJson(action.source)},
                                       {"blue", pointJson(action.bluePoint)}});
        else if (action.kind == Action::Kind::Print)
            actions.append(QJsonObject{{"action", actionName(action.kind)},
                                       {"sineRatio", double(action.sineRatio)}});
        else
            actions.append(actionName(action.kind));
    }
    QJsonObject root{
        {"format", "kovril-scene"},
        {"version", sceneFileVersion},
        {"lens", lensJson(d.lens.given())},
        {"source", pointJson(d.source)},
        {"blue", pointJson(d.bluePoint)},
        {"thesiy", d.thesiy},
        {"shmeio_thesi", d.shmeio_thesi},
        {"arithmosaktinon", d.arithmosaktinon},
        {"xronosmetato", d.xronosmetato},
        {"labels", labels},
        {"label3FontSize", start.label3Points},
        {"drawing",
         QJsonObject{
             {"fillStyle", nameOf(fillModes, props.fillStyle)},
             {"fillColor",
              QColor(props.fillColor.red, props.fillColor.green, props.fillColor.blue).name()},
             {"drawWidth", props.drawWidth},
             {"drawStyle", nameOf(penStyles, props.drawStyle)},
             {"fontSize", props.fontSize}}},
        {"sineRatio", double(start.sineRatio)},
        {"actions", actions},
    };
    writeTools(root, d.tools);
    if (d.object)
        root.insert(QStringLiteral("object"),
                    QJsonObject{{"x", d.object->x}, {"height", d.object->height}});
    // Compact: the indented form of a long scene is twice the size the reader takes.
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::variant<SceneState, QString> readScene(const QByteArray& bytes, const SceneState& defaults) {
    if (bytes.size() > sceneFileLimit)
        return QCoreApplication::translate("SceneFile", "είναι μεγαλύτερο από 1 MiB");
    if (const std::optional<QString> problem = strictJsonProblem(bytes))
        return notAScene(*problem);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return notAScene(QCoreApplication::translate("SceneFile", "%1 στο byte %2")
                             .arg(error.errorString())
                             .arg(error.offset));
    if (!json.isObject())
        return QCoreApplication::translate("SceneFile", "δεν είναι αντικείμενο JSON");
    const QJsonObject root = json.object();
    if (!root.contains(QLatin1String("format")))
        return QCoreApplication::translate("SceneFile", "λείπει το πεδίο «format»");
    if (root.value(QLatin1String("format")) != QJsonValue(QStringLiteral("kovril-scene")))
        return QCoreApplication::translate("SceneFile", "έχει άλλη μορφή, όχι kovril-scene");
    if (!root.contains(QLatin1String("version")))
        return QCoreApplication::translate("SceneFile", "λείπει το πεδίο «version»");
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return QCoreApplication::translate("SceneFile",
                                           "το πεδίο «version» δεν είναι αριθμός έκδοσης");
    if (version.toDouble() > sceneFileVersion)
        return QCoreApplication::translate("SceneFile", "γράφτηκε από νεότερο Kovril (έκδοση %1)")
            .arg(version.toDouble() < 1e15 ? QString::number(qint64(version.toDouble()))
                                           : QString::number(version.toDouble(), 'g', 6));

    static const QStringList known = {"format", "version",      "source",          "blue",
                                      "thesiy", "shmeio_thesi", "arithmosaktinon", "xronosmetato",
                                      "labels", "drawing",      "label3FontSize",  "sineRatio",
                                      "actions"};
    // Version 1 knew one lens, the start-up one, and no measuring tools.
    static const QStringList sinceVersion2 = {"lens", "object", "ruler", "protractor"};
    const bool keepsLens = version.toDouble() >= 2;
    for (const QString& key : root.keys())
        if (!known.contains(key) && !(keepsLens && sinceVersion2.contains(key)))
            return QCoreApplication::translate("SceneFile", "άγνωστο πεδίο «%1»")
                .arg(shownName(key));

    SceneState d = defaults;
    d.log.actions.clear();
    Reader r(root);
    d.lens = geometry::Lens::standard();
    if (root.contains(QLatin1String("lens"))) {
        readLens(r, root.value(QLatin1String("lens")), d.lens);
        // What the file leaves out follows its lens.
        d.bluePoint = d.lens.frontSurfacePoint(0);
        d.log.start.sineRatio = d.lens.index();
    }
    d.object.reset();
    if (root.contains(QLatin1String("object")))
        readObject(r, root.value(QLatin1String("object")), d.lens, d.object);
    r.point(root, QStringLiteral("source"), d.source);
    r.point(root, QStringLiteral("blue"), d.bluePoint);
    for (auto [range, value] : {std::pair{&geometry::thesiyRange, &d.thesiy},
                                std::pair{&geometry::shmeioThesiRange, &d.shmeio_thesi},
                                std::pair{&geometry::arithmosaktinonRange, &d.arithmosaktinon},
                                std::pair{&geometry::xronosmetatoRange, &d.xronosmetato}})
        r.integer(root, QLatin1String(range->name), range->low(), range->high(), *value);
    if (root.contains(QLatin1String("labels")))
        readLabels(r, root.value(QLatin1String("labels")), d.log.start);
    r.real(root, QStringLiteral("label3FontSize"), 1, 200, d.log.start.label3Points);
    if (root.contains(QLatin1String("drawing"))) {
        if (root.value(QLatin1String("drawing")).isObject())
            readDrawing(r, root.value(QLatin1String("drawing")).toObject(), d.log.start);
        else
            r.fail(QCoreApplication::translate("SceneFile",
                                               "το πεδίο «drawing» δεν είναι αντικείμενο"));
    }
    double ratio = d.log.start.sineRatio;
    r.real(root, QStringLiteral("sineRatio"), -1e6, 1e6, ratio);
    d.log.start.sineRatio = float(ratio);
    if (root.contains(QLatin1String("actions")))
        readActions(r, root.value(QLatin1String("actions")), d.log.actions, d.lens.index());
    if (const std::optional<QString> problem = readTools(root, d.tools))
        r.fail(*problem);
    if (r.problem)
        return *r.problem;
    if (replayCost(d.log, d.arithmosaktinon) > geometry::replayBudget)
        return QCoreApplication::translate(
                   "SceneFile", "έχει πάρα πολλές ενέργειες για να σχεδιαστεί γρήγορα (%1)· "
                                "μια εικόνα χωράει περίπου 50 «Συνέχιση δέσμης» με 100 ακτίνες")
            .arg(d.log.actions.size());
    return d;
}

} // namespace scene
