#include "check/window/point_file_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>
#include <cctype>

#include "check/file_preview.h"

namespace check {
namespace {

constexpr std::size_t kPreviewLines = 8;
// The column order not given: a header row names the columns, else they are PENZD.
constexpr const char* kFromTheFile = "From the file";

QString qText(const std::string& text) {
  return QString::fromStdString(text);
}

char letterOf(survey::Field field) {
  switch (field) {
    case survey::Field::Id:
      return 'P';
    case survey::Field::East:
      return 'E';
    case survey::Field::North:
      return 'N';
    case survey::Field::Height:
      return 'Z';
    case survey::Field::Description:
      return 'D';
    case survey::Field::Ignored:
      break;
  }
  return '\0';
}

// "Header row: Point (P), Easting (E), Remark (not read)".
QString headerText(const survey::ColumnOrder& header) {
  QStringList columns;
  for (const survey::Column& column : header) {
    const char letter = letterOf(column.field);
    columns << qText(column.label) +
                   (letter != '\0' ? QString(" (%1)").arg(QChar(letter)) : QString(" (not read)"));
  }
  return "Header row: " + columns.join(", ");
}

bool isDrawing(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".dxf";
}

// What a design's reading gives the box: its description, or why it cannot be read.
struct Described {
  QString text;
  QString problem;
};

}  // namespace

PointFileBox::PointFileBox(const QString& title, QWidget* parent, bool several)
    : QGroupBox(title, parent),
      several_(several),
      path_(new QLineEdit(this)),
      columns_(new QComboBox(this)),
      decimalComma_(new QCheckBox("Decimal comma", this)),
      columnsFrom_(new QLabel(this)),
      preview_(new QPlainTextEdit(this)) {
  auto* browse = new QPushButton("Browse…", this);
  path_->setObjectName("path");
  columns_->setObjectName("columns");
  decimalComma_->setObjectName("decimalComma");
  columnsFrom_->setObjectName("columnsFrom");
  preview_->setObjectName("preview");

  path_->setPlaceholderText(several ? "Point files: .csv, .txt, .pnt or LandXML, separated by ;"
                                    : "Point file: .csv, .txt, .pnt or LandXML");
  columns_->setEditable(true);
  columns_->addItems({kFromTheFile, "PENZD", "PNEZD", "PXYZD", "PYXZD", "PENZ", "PNEZ", "PEN",
                      "PNE", "ENZ", "NEZ", "EN", "NE"});
  columns_->setToolTip(
      "From the file: as its header row names them, else PENZD. Or the columns in order, which "
      "then hold over a header row: P point id, E (or X) easting, N (or Y) northing, Z height, "
      "D description");
  decimalComma_->setToolTip("Numbers have a decimal comma (semicolon, tab or blank separated)");
  columnsFrom_->setWordWrap(true);
  preview_->setReadOnly(true);
  preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
  preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  preview_->setMaximumBlockCount(static_cast<int>(kPreviewLines));
  // Five lines in view, so that the window's inputs fit above its results.
  preview_->setMaximumHeight(preview_->fontMetrics().lineSpacing() * 5 +
                             2 * preview_->frameWidth() + 8);

  auto* layout = new QGridLayout(this);
  layout->addWidget(path_, 0, 0, 1, 3);
  layout->addWidget(browse, 0, 3);
  layout->addWidget(new QLabel("Columns:", this), 1, 0);
  layout->addWidget(columns_, 1, 1);
  layout->addWidget(decimalComma_, 1, 2, 1, 2);
  layout->addWidget(columnsFrom_, 2, 0, 1, 4);
  layout->addWidget(preview_, 3, 0, 1, 4);
  layout->setColumnStretch(2, 1);

  connect(browse, &QPushButton::clicked, this, &PointFileBox::browse);
  connect(path_, &QLineEdit::editingFinished, this, &PointFileBox::showPreview);
  connect(decimalComma_, &QCheckBox::toggled, this, &PointFileBox::showPreview);
  connect(columns_, &QComboBox::currentTextChanged, this, &PointFileBox::showPreview);
  showPreview();
}

std::filesystem::path PointFileBox::path() const {
  const std::vector<std::filesystem::path> all = paths();
  return all.empty() ? std::filesystem::path() : all.front();
}

std::vector<std::filesystem::path> PointFileBox::paths() const {
  const QString text = path_->text().trimmed();
  const QStringList names = several_ ? text.split(';', Qt::SkipEmptyParts) : QStringList{text};
  std::vector<std::filesystem::path> all;
  for (const QString& name : names) {
    if (!name.trimmed().isEmpty()) all.emplace_back(name.trimmed().toStdU16String());
  }
  return all;
}

bool PointFileBox::pathGiven() const {
  return !paths().empty();
}

QString PointFileBox::pathText() const {
  return path_->text().trimmed();
}

void PointFileBox::setPathText(const QString& path) {
  path_->setText(path);
  showPreview();
}

bool PointFileBox::columnsChosen() const {
  return columns_->currentText().trimmed() != kFromTheFile;
}

survey::ReadOptions PointFileBox::readOptions() const {
  survey::ReadOptions options;
  const QString order = columns_->currentText().trimmed();
  if (columnsChosen()) {
    try {
      options.columns = survey::parseColumnOrder(order.toStdString());
      options.columnsGiven = true;
    } catch (const std::invalid_argument& e) {
      throw std::invalid_argument(title().toStdString() + ": columns " + order.toStdString() +
                                  ": " + e.what());
    }
  }
  options.decimalComma = decimalComma_->isChecked();
  return options;
}

std::vector<std::pair<std::string, std::string>> PointFileBox::presetLines(
    const std::string& side) const {
  const survey::ReadOptions reading = readOptions();
  std::vector<std::pair<std::string, std::string>> lines;
  if (reading.columnsGiven) {
    lines.emplace_back(side + "-columns", columns_->currentText().trimmed().toStdString());
  }
  lines.emplace_back(side + "-decimal-comma", reading.decimalComma ? "yes" : "no");
  return lines;
}

void PointFileBox::showReading(const survey::ReadOptions& reading) {
  QString order = kFromTheFile;
  if (reading.columnsGiven) {
    order.clear();
    for (const survey::Column& column : reading.columns) order += qText(column.label);
  }
  columns_->setCurrentText(order);
  decimalComma_->setChecked(reading.decimalComma);
  showPreview();
}

void PointFileBox::describeWith(DesignDescriber describer) {
  describer_ = std::move(describer);
  showPreview();
}

void PointFileBox::browse() {
  const QString filter = "Point files (*.csv *.txt *.pnt *.gsi *.xml);;All files (*)";
  const QString start = QString::fromStdU16String(path().u16string());
  const QStringList chosen =
      several_ ? QFileDialog::getOpenFileNames(this, title(), start, filter)
               : QStringList{QFileDialog::getOpenFileName(this, title(), start, filter)};
  if (chosen.join("").isEmpty()) return;
  path_->setText(chosen.join("; "));
  showPreview();
}

void PointFileBox::showPreview() {
  describing_ = nullptr;
  preview_->clear();
  columns_->setEnabled(true);
  decimalComma_->setEnabled(true);
  if (!pathGiven()) {
    columnsFrom_->setText("No file chosen");
    return;
  }
  const FilePreview preview = previewPointFile(path(), decimalComma_->isChecked(), kPreviewLines);
  const QString first = QString::fromStdU16String(path().u16string());
  if (!preview.problem.empty()) {
    columnsFrom_->setText(first + ": " + qText(preview.problem));
    return;
  }
  if (describer_ && (preview.landXml || isDrawing(path()))) {
    showDescription();
    return;
  }
  QStringList lines;
  for (const std::string& line : preview.lines) lines << QString::fromUtf8(line);
  preview_->setPlainText(lines.join('\n'));
  if (preview.landXml) {
    columnsFrom_->setText("LandXML points: name, then northing, easting, elevation");
    columns_->setEnabled(false);
    decimalComma_->setEnabled(false);
  } else if (preview.header && columnsChosen()) {
    columnsFrom_->setText("Header row passed over: the columns are in the order chosen");
  } else if (preview.header) {
    columnsFrom_->setText(headerText(*preview.header));
  } else if (columnsChosen()) {
    columnsFrom_->setText("No header row: the columns are in the order chosen");
  } else {
    columnsFrom_->setText("No header row: the columns are read as PENZD, or choose their order");
  }
  const std::size_t files = paths().size();
  if (files > 1) {
    columnsFrom_->setText(columnsFrom_->text() +
                          QString("\n%1 files, read alike; the first shown").arg(files));
  }
}

void PointFileBox::showDescription() {
  columns_->setEnabled(false);
  decimalComma_->setEnabled(false);
  DesignReading reading;
  try {
    reading = describer_(path());
  } catch (const std::exception& e) {
    columnsFrom_->setText(QString::fromStdString(e.what()));
    return;
  }
  // A large design takes a while to read: the window stays responsive meanwhile.
  columnsFrom_->setText("Reading the design…");
  auto* watcher = new QFutureWatcher<Described>(this);
  describing_ = watcher;
  connect(watcher, &QFutureWatcher<Described>::finished, this, [this, watcher] {
    watcher->deleteLater();
    if (watcher != describing_) return;  // another file or check took its place meanwhile
    describing_ = nullptr;
    const Described described = watcher->result();
    if (!described.problem.isEmpty()) {
      columnsFrom_->setText(described.problem);
      return;
    }
    columnsFrom_->setText("The design as the check reads it:");
    preview_->setPlainText(described.text);
  });
  watcher->setFuture(QtConcurrent::run([reading = std::move(reading)]() -> Described {
    try {
      return {QString::fromStdString(reading()), {}};
    } catch (const std::exception& e) {
      return {{}, QString::fromStdString(e.what())};
    }
  }));
}

}  // namespace check
