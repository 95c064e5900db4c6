// The pieces every JSON document of the headless command shares: its schema and file, and the
// eight ions of a water-quality sample by name with their unit.
#pragma once

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <string>

#include "waterquality/core/samples.h"

namespace hcmd {

// {"schema": "hydrochart/<command>/1", "file": NAME}: the input's name without its directory,
// so that the same file gives the same document wherever it lies.
inline QJsonObject JsonDocument(const std::string& command, const std::string& file) {
    QJsonObject j;
    j["schema"] = QString::fromStdString("hydrochart/" + command + "/1");
    j["file"] = QFileInfo(QString::fromStdString(file)).fileName();
    return j;
}

inline QJsonValue JsonString(const std::string& s) {
    return QString::fromStdString(s);
}

// A value that may not exist: null then.
inline QJsonValue JsonOptional(const std::optional<double>& v) {
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

// {"unit": "mg/L", "na": ..., "k": ..., ..., "no3": ...}
inline QJsonObject IonsJson(const wq::IonValues& values, const char* unit) {
    QJsonObject j;
    j["unit"] = unit;
    for (int k = 0; k < wq::kIonCount; ++k)
        j[QString::fromLatin1(wq::kIonNames[static_cast<std::size_t>(k)]).toLower()] =
            values[static_cast<std::size_t>(k)];
    return j;
}

}  // namespace hcmd
