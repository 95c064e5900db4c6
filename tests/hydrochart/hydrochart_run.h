// Running the headless command as a batch user does, and reading what it wrote.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <cmath>
#include <vector>

namespace hc::test {

struct HydrochartRun {
    int status = -1;  // exit status; -1 when the process crashed or hung
    QByteArray out, err;
};

// hydrochart COMMAND ARGS..., waiting up to a minute; `input` goes to its standard input and
// `directory` is its working directory when given.
inline HydrochartRun RunHydrochart(const QString& command, const QStringList& args,
                                   const QByteArray& input = {}, const QString& directory = {}) {
    QProcess p;
    if (!directory.isEmpty())
        p.setWorkingDirectory(directory);
    p.start(HYDROCHART_EXE, QStringList{command} + args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
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

// Whether the display list holds a line from (x1, y1) to (x2, y2) drawn at the given width.
inline bool HasLine(const std::vector<QJsonObject>& ops, double x1, double y1, double x2, double y2,
                    int width) {
    auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    for (const QJsonObject& o : ops)
        if (o["op"] == "line" && near(o["x1"].toDouble(), x1) && near(o["y1"].toDouble(), y1) &&
            near(o["x2"].toDouble(), x2) && near(o["y2"].toDouble(), y2) &&
            o["width"].toInt() == width)
            return true;
    return false;
}

}  // namespace hc::test
