// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/tool_fields.h"

#include "scene/plain_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QStringList>

#include <cmath>

namespace scene {

namespace {

constexpr double coordinateLimit = 1000;

QJsonArray pointJson(geometry::Point p) {
    return {p.x, p.y};
}

// What a field is to a student, before the name the file gives it.
QString described(const QString& key) {
    static const std::pair<const char*, const char*> names[] = {
        {"ruler", QT_TRANSLATE_NOOP("SceneFile", "ο χάρακας")},
        {"ruler.from", QT_TRANSLATE_NOOP("SceneFile", "η πρώτη άκρη του χάρακα")},
        {"ruler.to", QT_TRANSLATE_NOOP("SceneFile", "η δεύτερη άκρη του χάρακα")},
        {"protractor", QT_TRANSLATE_NOOP("SceneFile", "το μοιρογνωμόνιο")},
        {"protractor.vertex", QT_TRANSLATE_NOOP("SceneFile", "η κορυφή του μοιρογνωμονίου")},
        {"protractor.arms", QT_TRANSLATE_NOOP("SceneFile", "τα σκέλη του μοιρογνωμονίου")},
    };
    QString meaning;
    for (const auto& [name, text] : names)
        if (key == QLatin1String(name) || key.startsWith(QLatin1String(name) + QLatin1Char('[')))
            meaning = QCoreApplication::translate("SceneFile", text);
    return meaning + QStringLiteral(" («%1»)").arg(shownName(key));
}

// Reads one tool's object field by field; the first problem ends it.
class ToolReader {
public:
    std::optional<QString> problem;

    // The tool's object, with exactly the fields it must have.
    std::optional<QJsonObject> object(const QJsonValue& value, const QString& key,
                                      const QStringList& fields) {
        if (!value.isObject()) {
            fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι αντικείμενο")
                     .arg(described(key)));
            return std::nullopt;
        }
        const QJsonObject object = value.toObject();
        for (const QString& field : object.keys())
            if (!fields.contains(field))
                fail(QCoreApplication::translate("SceneFile", "άγνωστο πεδίο «%1»")
                         .arg(shownName(key + QLatin1Char('.') + field)));
        for (const QString& field : fields)
            if (!object.contains(field))
                fail(QCoreApplication::translate("SceneFile", "%1: λείπει")
                         .arg(described(key + QLatin1Char('.') + field)));
        if (problem)
            return std::nullopt;
        return object;
    }

    geometry::Point point(const QJsonValue& value, const QString& key) {
        const QJsonArray pair = value.toArray();
        const auto coordinate = [](const QJsonValue& v) {
            return v.isDouble() && std::abs(v.toDouble()) <= coordinateLimit;
        };
        if (!value.isArray() || pair.size() != 2 || !coordinate(pair[0]) || !coordinate(pair[1])) {
            fail(QCoreApplication::translate("SceneFile",
                                             "%1: δεν είναι σημείο [x, y] με συντεταγμένες "
                                             "από -%2 ως %2")
                     .arg(described(key))
                     .arg(coordinateLimit));
            return {};
        }
        return {pair[0].toDouble(), pair[1].toDouble()};
    }

    void fail(const QString& what) {
        if (!problem)
            problem = what;
    }
};

std::optional<geometry::Ruler> readRuler(ToolReader& r, const QJsonValue& value) {
    const QString key = QStringLiteral("ruler");
    const std::optional<QJsonObject> object =
        r.object(value, key, {QStringLiteral("from"), QStringLiteral("to")});
    if (!object)
        return std::nullopt;
    geometry::Ruler ruler;
    ruler.from = r.point(object->value(QLatin1String("from")), QStringLiteral("ruler.from"));
    ruler.to = r.point(object->value(QLatin1String("to")), QStringLiteral("ruler.to"));
    return ruler;
}

std::optional<geometry::Protractor> readProtractor(ToolReader& r, const QJsonValue& value) {
    const QString key = QStringLiteral("protractor");
    const std::optional<QJsonObject> object =
        r.object(value, key, {QStringLiteral("vertex"), QStringLiteral("arms")});
    if (!object)
        return std::nullopt;
    geometry::Protractor protractor;
    protractor.vertex =
        r.point(object->value(QLatin1String("vertex")), QStringLiteral("protractor.vertex"));
    const QJsonValue arms = object->value(QLatin1String("arms"));
    if (!arms.isArray() || arms.toArray().size() != 2) {
        r.fail(QCoreApplication::translate("SceneFile", "%1: δεν είναι δύο σημεία [x, y]")
                   .arg(described(QStringLiteral("protractor.arms"))));
        return std::nullopt;
    }
    for (int i = 0; i < 2; ++i)
        protractor.arms[std::size_t(i)] =
            r.point(arms.toArray()[i], QStringLiteral("protractor.arms[%1]").arg(i));
    return protractor;
}

} // namespace

void writeTools(QJsonObject& root, const geometry::MeasuringTools& tools) {
    if (const std::optional<geometry::Ruler>& ruler = tools.ruler)
        root.insert(QLatin1String("ruler"),
                    QJsonObject{{"from", pointJson(ruler->from)}, {"to", pointJson(ruler->to)}});
    if (const std::optional<geometry::Protractor>& p = tools.protractor)
        root.insert(
            QLatin1String("protractor"),
            QJsonObject{{"vertex", pointJson(p->vertex)},
                        {"arms", QJsonArray{pointJson(p->arms[0]), pointJson(p->arms[1])}}});
}

std::optional<QString> readTools(const QJsonObject& root, geometry::MeasuringTools& out) {
    ToolReader r;
    geometry::MeasuringTools tools;
    if (root.contains(QLatin1String("ruler")))
        tools.ruler = readRuler(r, root.value(QLatin1String("ruler")));
    if (root.contains(QLatin1String("protractor")))
        tools.protractor = readProtractor(r, root.value(QLatin1String("protractor")));
    if (r.problem)
        return r.problem;
    out = tools;
    return std::nullopt;
}

} // namespace scene
