// Running the headless command as a batch user does, and reading what it wrote.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <vector>

namespace hc::test {

struct HydrochartRun {
    int status = -1;  // exit status; -1 when the process crashed or hung
    QByteArray out, err;
};

// hydrochart COMMAND ARGS..., waiting up to a minute.
inline HydrochartRun RunHydrochart(const QString& command, const QStringList& args) {
    QProcess p;
    p.start(HYDROCHART_EXE, QStringList{command} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A display list: one JSON object per line.
inline std::vector<QJsonObject> ReadDisplayList(const QString& path) {
    QFile f(path);
    std::vector<QJsonObject> ops;
    if (!f.open(QIODevice::ReadOnly))
        return ops;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.isEmpty())
            ops.push_back(QJsonDocument::fromJson(line).object());
    return ops;
}

}  // namespace hc::test
