#include "drawing_readback.h"
#include "support/project_paths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <stdexcept>

namespace e2e {
namespace {

Eigen::Vector3d vector(const QJsonValue& value) {
  const QJsonArray a = value.toArray();
  if (a.size() != 3) throw std::runtime_error("ezdxf gave no point");
  return {a[0].toDouble(), a[1].toDouble(), a[2].toDouble()};
}

std::string string(const QJsonValue& value) {
  return value.toString().toStdString();
}

}  // namespace

const DrawingSeen::Ucs* DrawingSeen::findUcs(const std::string& name) const {
  for (const Ucs& u : ucs) {
    if (u.name == name) return &u;
  }
  return nullptr;
}

const DrawingSeen::Text* DrawingSeen::findText(const std::string& wanted) const {
  for (const Text& t : texts) {
    if (t.text == wanted) return &t;
  }
  return nullptr;
}

bool ezdxfInstalled() {
  QProcess python;
  python.start(KESTOVA_SYSTEM_PYTHON, {"-c", "import ezdxf"});
  return python.waitForFinished(60'000) && python.exitStatus() == QProcess::NormalExit &&
         python.exitCode() == 0;
}

DrawingSeen readWithEzdxf(const QString& path) {
  QProcess reader;
  // The system Python, which has the ezdxf of the Debian package.
  reader.start(
      KESTOVA_SYSTEM_PYTHON,
      {QString::fromStdString(testing_support::sourcePath("tests/e2e/read_drawing.py")), path});
  if (!reader.waitForFinished(60'000) || reader.exitStatus() != QProcess::NormalExit ||
      reader.exitCode() != 0) {
    throw std::runtime_error("ezdxf cannot read " + path.toStdString() + ": " +
                             reader.readAllStandardError().toStdString());
  }
  const QJsonObject json = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();

  DrawingSeen seen;
  seen.auditErrors = json["audit_errors"].toInt();
  seen.currentUcsName = string(json["ucs_name"]);
  seen.textStyle = string(json["text_style"]);
  for (const QJsonValue& v : json["arrows"].toArray()) {
    const QJsonObject o = v.toObject();
    seen.arrows.push_back({string(o["block"]), vector(o["tail"]), vector(o["tip"])});
  }
  for (const QJsonValue& v : json["texts"].toArray()) {
    const QJsonObject o = v.toObject();
    seen.texts.push_back({string(o["text"]), o["height"].toDouble(), vector(o["insert"]),
                          vector(o["along"]), vector(o["normal"])});
  }
  for (const QJsonValue& v : json["ellipses"].toArray()) {
    const QJsonObject o = v.toObject();
    seen.ellipses.push_back(
        {vector(o["centre"]), vector(o["major_axis"]), vector(o["normal"]), o["ratio"].toDouble()});
  }
  for (const QJsonValue& v : json["lines"].toArray()) {
    const QJsonObject o = v.toObject();
    seen.lines.push_back({vector(o["start"]), vector(o["end"])});
  }
  for (const QJsonValue& v : json["points"].toArray()) seen.points.push_back(vector(v));
  for (const QJsonValue& v : json["ucs"].toArray()) {
    const QJsonObject o = v.toObject();
    seen.ucs.push_back(
        {string(o["name"]), vector(o["origin"]), vector(o["x_axis"]), vector(o["y_axis"])});
  }
  return seen;
}

}  // namespace e2e
