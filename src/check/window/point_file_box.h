#pragma once

#include <QGroupBox>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "survey/point_file.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace check {

// A point file to check: its path (typed or browsed for), the column order (from the file's
// header row, or chosen, which then holds over a header row), the decimal comma, and a preview
// of its first lines that says where the columns come from.
class PointFileBox : public QGroupBox {
 public:
  // Reads a design and says what it holds ("Surface 'Formation': 9 points, 8 faces"); runs in a
  // worker thread and throws what the reading throws.
  using DesignReading = std::function<std::string()>;
  // The reading that describes a LandXML file or a drawing at `path` instead of its first
  // lines. Throws std::invalid_argument or UsageError for an option that cannot be read.
  using DesignDescriber = std::function<DesignReading(const std::filesystem::path& path)>;

  // `several`: the box takes one or more files, separated by ';' (a survey of several days),
  // all read alike; the preview shows the first.
  PointFileBox(const QString& title, QWidget* parent, bool several = false);

  std::filesystem::path path() const;  // the first file
  std::vector<std::filesystem::path> paths() const;
  bool pathGiven() const;
  QString pathText() const;
  void setPathText(const QString& path);
  // Throws std::invalid_argument saying what is wrong with the column order.
  survey::ReadOptions readOptions() const;
  // The columns and decimal comma as a preset keeps them, the keys starting with `side`
  // ("design", "survey"). Throws as readOptions.
  std::vector<std::pair<std::string, std::string>> presetLines(const std::string& side) const;
  void showReading(const survey::ReadOptions& reading);
  // Describes a LandXML file or a drawing with `describer` from now on, in the background; none:
  // shows its first lines as a point file's.
  void describeWith(DesignDescriber describer);

 private:
  bool columnsChosen() const;
  void browse();
  void showPreview();
  void showDescription();

  bool several_;
  QLineEdit* path_;
  QComboBox* columns_;
  QCheckBox* decimalComma_;
  QLabel* columnsFrom_;
  QPlainTextEdit* preview_;
  DesignDescriber describer_;
  // The reading of the description shown next; an earlier one still running is passed over.
  QObject* describing_ = nullptr;
};

}  // namespace check
