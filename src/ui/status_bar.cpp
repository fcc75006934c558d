// The status bar's panels.
#include "ui/status_bar.h"

#include <QHBoxLayout>

namespace tovk::ui {
namespace {

struct PanelLayout {
  int width;
  const char* text;   // design-time text; labels keep theirs
  const char* name;   // what a screen reader calls the panel
  bool label;         // a label panel: no bevel
  bool rightAligned;  // a count
};

constexpr std::array<PanelLayout, kStatusPanelCount> kPanels{{
    {25, "GMT", "GMT", true, false},
    {35, "", "Contest time", false, false},
    {30, "Local", "Local", true, false},
    {35, "", "Local time", false, false},
    {20, "Op", "Op", true, false},
    {52, "", "Operating time", false, false},
    {31, "QSo's", "QSo's", true, false},
    {30, "", "QSOs", false, true},
    {45, "Sections", "Sections", true, false},
    {20, "", "Sections worked", false, true},
    {31, "Score", "Score", true, false},
    {55, "", "Score value", false, true},
    {26, "Q/hr", "Q/hr", true, false},
    {25, "", "QSO rate", false, true},
    {28, "Dups", "Dups", true, false},
    {25, "", "Duplicates", false, true},
    {23, "Lids", "Lids", true, false},
    {25, "", "Operator errors", false, true},
    {20, "States", "Station state", false, false},
}};

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 1, 0, 1);
  row->setSpacing(1);
  for (int i = 0; i < kStatusPanelCount; ++i) {
    const PanelLayout& layout = kPanels[i];
    auto* panel = new QLabel(QString::fromLatin1(layout.text), this);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setAccessibleName(QString::fromLatin1(layout.name) +
                             (layout.label ? QString() : u' ' + panel->text()));
    panel->setFrameShape(layout.label ? QFrame::NoFrame : QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment((layout.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    // The last panel takes what room is left: its texts are longer than its
    // design width ("QSO in progress").
    if (i == kStatusPanelCount - 1) {
      panel->setMinimumWidth(layout.width);
      row->addWidget(panel, 1);
    } else {
      panel->setFixedWidth(layout.width);
      row->addWidget(panel);
    }
    panels_[i] = panel;
  }
}

void StatusBar::SetPanel(int index, const QString& text) {
  if (index < 0 || index >= kStatusPanelCount) return;
  panels_[index]->setText(text);
  // A screen reader reads a value panel by its name: the name carries the value.
  const PanelLayout& layout = kPanels[index];
  if (!layout.label)
    panels_[index]->setAccessibleName(QString::fromLatin1(layout.name) + u' ' + text);
}

QString StatusBar::PanelText(int index) const {
  if (index < 0 || index >= kStatusPanelCount) return {};
  return panels_[index]->text();
}

}  // namespace tovk::ui
