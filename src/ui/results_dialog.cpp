// The results summary's widgets, filled from the figures and the history.
#include "ui/results_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/actions.h"
#include "ui/rate_chart.h"

namespace tovk::ui {
namespace {

const char* const kFigureNames[] = {"Contacts", "Sections", "Score",         "Q/hr",
                                    "Dupes",    "Lids",     "Operating time"};
constexpr int kFigureCount = 7;

const char* const kHistoryColumns[] = {"Run",   "Call", "Power",   "QSOs",   "Sections", "Score",
                                       "Dupes", "Lids", "Op time", "Copied", "Checked"};
constexpr int kHistoryColumnCount = 11;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::array<QString, kFigureCount> FigureValues(const ResultsSummary& s) {
  return {
      QString::number(s.contacts), QString::number(s.sections), Q(s.scoreText),    Q(s.rateText),
      QString::number(s.dupes),    QString::number(s.lids),     Q(s.operatingTime)};
}

// The run's date and time as a player reads it: "2024-11-16 14:05" from the
// ISO text; anything else as it stands.
QString RunTime(const std::string& when) {
  QString text = Q(when);
  if (text.size() >= 16 && text[10] == u'T') return text.left(10) + u' ' + text.mid(11, 5);
  return text;
}

QStringList RunCells(const PracticeRun& run) {
  return {RunTime(run.when),
          Q(run.call),
          QString::number(run.power),
          QString::number(run.contacts),
          QString::number(run.sections),
          Q(FormatScore(run.score)),
          QString::number(run.dupes),
          QString::number(run.lids),
          Q(run.operatingTime),
          run.accuracy ? QString::number(*run.accuracy) + u'%' : QString(),
          run.checkedScore ? Q(FormatScore(*run.checkedScore)) : QString()};
}

QGroupBox* Group(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  return box;
}

}  // namespace

QStringList NeededSectionLines(const ResultsSummary& summary) {
  QStringList lines;
  for (const NeededSections& area : summary.sectionsNeeded) {
    QStringList sections;
    for (const std::string& section : area.sections) sections.append(Q(section));
    lines.append(Q(area.area) + QStringLiteral(": ") + sections.join(u' '));
  }
  if (lines.isEmpty()) lines.append(QStringLiteral("Every section worked"));
  return lines;
}

ResultsDialog::ResultsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ResultsDialog"));
  setWindowTitle(QStringLiteral("Results"));
  setModal(false);
  auto* column = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  auto* results = Group(QStringLiteral("Results"), this);
  auto* figureGrid = new QGridLayout(results);
  for (int i = 0; i < kFigureCount; ++i) {
    auto* name = new QLabel(QString::fromLatin1(kFigureNames[i]), results);
    auto* value = new QLabel(results);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    figureGrid->addWidget(name, i, 0);
    figureGrid->addWidget(value, i, 1);
    figures_.emplace_back(name, value);
  }
  unread_ = new QLabel(results);
  unread_->setWordWrap(true);
  figureGrid->addWidget(unread_, kFigureCount, 0, 1, 2);
  figureGrid->setRowStretch(kFigureCount + 1, 1);
  top->addWidget(results);

  auto* right = new QVBoxLayout;
  auto* bands = Group(QStringLiteral("Contacts per band"), this);
  auto* bandGrid = new QGridLayout(bands);
  for (int band = 0; band < kBandCount; ++band) {
    auto* name = new QLabel(QString::fromLatin1(kBands[band]) + QStringLiteral(" m"), bands);
    auto* count = new QLabel(bands);
    name->setAlignment(Qt::AlignCenter);
    count->setAlignment(Qt::AlignCenter);
    bandGrid->addWidget(name, 0, band);
    bandGrid->addWidget(count, 1, band);
    bandCounts_.push_back(count);
  }
  right->addWidget(bands);
  auto* needed = Group(QStringLiteral("Sections still needed"), this);
  auto* neededColumn = new QVBoxLayout(needed);
  needed_ = new QLabel(needed);
  needed_->setWordWrap(true);
  needed_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  needed_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  neededColumn->addWidget(needed_);
  right->addWidget(needed, 1);
  top->addLayout(right, 1);
  column->addLayout(top);

  auto* logCheck = Group(QStringLiteral("Log check (copied by ear)"), this);
  logCheckGroup_ = logCheck;
  auto* logCheckColumn = new QVBoxLayout(logCheck);
  logCheck_ = new QLabel(logCheck);
  logCheck_->setObjectName(QStringLiteral("LogCheck"));
  logCheck_->setWordWrap(true);
  logCheck_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  logCheckColumn->addWidget(logCheck_);
  column->addWidget(logCheck);

  auto* rate = Group(QStringLiteral("Rate"), this);
  auto* rateColumn = new QVBoxLayout(rate);
  chart_ = new RateChart(rate);
  rateColumn->addWidget(chart_, 1);
  saveChart_ = new QPushButton(QStringLiteral("Save chart as PNG..."), rate);
  connect(saveChart_, &QPushButton::clicked, this, &ResultsDialog::SaveChartClicked);
  rateColumn->addWidget(saveChart_, 0, Qt::AlignRight);
  column->addWidget(rate, 1);

  auto* past = Group(QStringLiteral("Practice history"), this);
  auto* pastColumn = new QVBoxLayout(past);
  history_ = new QTableWidget(0, kHistoryColumnCount, past);
  history_->setObjectName(QStringLiteral("PracticeHistory"));
  QStringList headers;
  for (const char* header : kHistoryColumns) headers.append(QString::fromLatin1(header));
  history_->setHorizontalHeaderLabels(headers);
  history_->verticalHeader()->setVisible(false);
  history_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  history_->setSelectionBehavior(QAbstractItemView::SelectRows);
  history_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  history_->horizontalHeader()->setStretchLastSection(true);
  // The chart takes the room the ten runs do not need.
  history_->setMinimumHeight(120);
  history_->setMaximumHeight(160);
  pastColumn->addWidget(history_);
  noHistory_ = new QLabel(QStringLiteral("No finished contests yet."), past);
  pastColumn->addWidget(noHistory_);
  column->addWidget(past);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  column->addWidget(buttons);

  askFile_ = [](QWidget* owner, const QString& proposed) {
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Save chart as PNG"), proposed,
                                        QStringLiteral("PNG pictures (*.png)"));
  };
  resize(660, 720);
}

void ResultsDialog::SetResults(const ResultsSummary& summary, const std::vector<PracticeRun>& runs,
                               const LogCheck& check) {
  QStringList checkLines;
  for (const std::string& line : LogCheckLines(check)) checkLines.append(Q(line));
  logCheck_->setText(checkLines.join(u'\n'));
  logCheckGroup_->setVisible(!checkLines.isEmpty());

  const auto values = FigureValues(summary);
  for (int i = 0; i < kFigureCount; ++i) figures_[i].second->setText(values[i]);
  unread_->setVisible(summary.unreadLines > 0);
  unread_->setText(summary.unreadLines == 1
                       ? QStringLiteral("1 log line could not be read")
                       : QStringLiteral("%1 log lines could not be read").arg(summary.unreadLines));
  for (int band = 0; band < kBandCount; ++band)
    bandCounts_[band]->setText(QString::number(summary.contactsPerBand[band]));
  needed_->setText(NeededSectionLines(summary).join(u'\n'));
  chart_->SetCounts(summary.contactsPerHour);

  history_->setRowCount(0);
  for (const PracticeRun& run : runs) {
    const int row = history_->rowCount();
    history_->insertRow(row);
    const QStringList cells = RunCells(run);
    for (int column = 0; column < kHistoryColumnCount; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      history_->setItem(row, column, item);
    }
  }
  history_->setVisible(!runs.empty());
  noHistory_->setVisible(runs.empty());
  history_->scrollToBottom();  // the latest run
}

QString ResultsDialog::FiguresText() const {
  QStringList lines;
  for (const auto& [name, value] : figures_) lines.append(name->text() + u' ' + value->text());
  if (unread_->isVisibleTo(this)) lines.append(unread_->text());
  QStringList bands;
  for (int band = 0; band < kBandCount; ++band)
    bands.append(QString::fromLatin1(kBands[band]) + u':' + bandCounts_[band]->text());
  lines.append(bands.join(u' '));
  lines.append(needed_->text());
  return lines.join(u'\n');
}

QString ResultsDialog::LogCheckText() const {
  return logCheckGroup_->isVisibleTo(this) ? logCheck_->text() : QString();
}

bool ResultsDialog::SaveChart(const QString& file) const {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (!chart_->grab().save(&out, "PNG")) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

void ResultsDialog::SaveChartClicked() {
  const QString file = askFile_(this, QStringLiteral("rate.png"));
  if (file.isEmpty()) return;
  if (SaveChart(file)) return;
  QMessageBox::information(this, QStringLiteral("Tovk"),
                           QStringLiteral("Error writing file ") + file);
}

}  // namespace tovk::ui
