#pragma once

#include <QGroupBox>
#include <filesystem>
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

 private:
  bool columnsChosen() const;
  void browse();
  void showPreview();

  bool several_;
  QLineEdit* path_;
  QComboBox* columns_;
  QCheckBox* decimalComma_;
  QLabel* columnsFrom_;
  QPlainTextEdit* preview_;
};

}  // namespace check
