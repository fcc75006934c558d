// The band, QSO-number and exchange entry boxes.
#include "ui/entry_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/measured_group_box.h"
#include "ui/upper_case.h"

namespace tovk::ui {
namespace {

struct FieldLayout {
  const char* name;
  const char* caption;
  const char* hint;
  int width;
};

constexpr std::array<FieldLayout, kFieldCount> kFields{{
    {"NumberField", "Number", "Incoming QSO number", 50},
    {"PrecedenceField", "Prec", "Incoming QSO Precedence", 32},
    {"CallField", "Callsign", "Incoming QSO Callsign", 70},
    {"CheckField", "Check", "Incoming QSO Check", 38},
    {"SectionField", "Section", "Incoming QSO Station Section", 48},
}};

QGroupBox* SmallGroup(const QString& caption, QWidget* parent) {
  auto* box = new MeasuredGroupBox(caption, parent);
  box->setAccessibleName(caption);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(2, 0, 2, 2);
  column->setSpacing(0);
  return box;
}

}  // namespace

EntryPanel::EntryPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Entries"));
  setFixedHeight(58);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);

  auto* radioBoxes = new QWidget(this);
  radioBoxes->setObjectName(QStringLiteral("BandAndNumber"));
  radioBoxes->setFixedWidth(100);
  auto* radioRow = new QHBoxLayout(radioBoxes);
  radioRow->setContentsMargins(0, 0, 0, 0);
  radioRow->setSpacing(2);
  bandGroup_ = SmallGroup(QStringLiteral("Band"), radioBoxes);
  bandGroup_->setObjectName(QStringLiteral("GroupBoxBand"));
  band_ = new QComboBox(bandGroup_);
  band_->setObjectName(QStringLiteral("ComboBoxband"));
  band_->addItems({QStringLiteral("80"), QStringLiteral("40"), QStringLiteral("20"),
                   QStringLiteral("15"), QStringLiteral("10")});
  band_->setCurrentIndex(-1);
  band_->setToolTip(QStringLiteral("Click to select Band (10-80)M"));
  band_->setAccessibleName(QStringLiteral("Band"));
  band_->setAccessibleDescription(band_->toolTip());
  bandGroup_->layout()->addWidget(band_);
  radioRow->addWidget(bandGroup_);

  qsoNumberGroup_ = SmallGroup(QStringLiteral("QSO #"), radioBoxes);
  qsoNumberGroup_->setObjectName(QStringLiteral("GroupBoxqsonumber"));
  qsoNumber_ = new QLineEdit(qsoNumberGroup_);
  qsoNumber_->setObjectName(QStringLiteral("QsoNumber"));
  qsoNumber_->setToolTip(QStringLiteral("Your QSO number"));
  qsoNumber_->setAccessibleName(QStringLiteral("QSO #"));
  qsoNumber_->setAccessibleDescription(qsoNumber_->toolTip());
  qsoNumberGroup_->layout()->addWidget(qsoNumber_);
  radioRow->addWidget(qsoNumberGroup_);
  row->addWidget(radioBoxes);

  auto* message = new MeasuredGroupBox(QStringLiteral("QSO Message - incoming"), this);
  message->setObjectName(QStringLiteral("ExchangeFields"));
  message->setAccessibleName(message->title());
  message->setMinimumWidth(248);
  auto* fieldRow = new QHBoxLayout(message);
  fieldRow->setContentsMargins(2, 0, 2, 1);
  fieldRow->setSpacing(1);
  auto* upperCase = new UpperCase(this);
  QPalette yellow = palette();
  yellow.setColor(QPalette::Base, QColor(255, 255, 0));
  yellow.setColor(QPalette::Text, Qt::black);
  for (int i = 0; i < kFieldCount; ++i) {
    const FieldLayout& layout = kFields[i];
    // Each field under its caption, packed tight to fit the strip's height.
    auto* cell = new QWidget(message);
    auto* cellColumn = new QVBoxLayout(cell);
    cellColumn->setContentsMargins(0, 0, 0, 0);
    cellColumn->setSpacing(0);
    auto* caption = new QLabel(QString::fromLatin1(layout.caption), cell);
    auto* edit = new QLineEdit(cell);
    caption->setBuddy(edit);
    edit->setObjectName(QString::fromLatin1(layout.name));
    edit->setToolTip(QString::fromLatin1(layout.hint));
    edit->setAccessibleName(caption->text());
    edit->setAccessibleDescription(edit->toolTip());
    edit->setValidator(upperCase);
    edit->setPalette(yellow);
    edit->setFixedHeight(20);
    cell->setMinimumWidth(layout.width);
    cellColumn->addWidget(caption);
    cellColumn->addWidget(edit);
    fieldRow->addWidget(cell, layout.width);
    const Field field = static_cast<Field>(i);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { emit fieldEdited(field, text); });
    fields_[i] = edit;
  }
  // The number field is written in a smaller type.
  QFont numberFont = fields_[0]->font();
  numberFont.setPointSize(6);
  fields_[0]->setFont(numberFont);
  row->addWidget(message, 1);

  connect(band_, &QComboBox::activated, this,
          [this](int index) { emit bandChosen(band_->itemText(index)); });
}

void EntryPanel::ShowFieldText(Field field, const QString& text) {
  QLineEdit* edit = FieldEdit(field);
  if (edit->text() == text) return;
  const QSignalBlocker quiet(edit);
  edit->setText(text);
}

void EntryPanel::ShowBand(const QString& band) {
  const QSignalBlocker quiet(band_);
  band_->setCurrentIndex(band_->findText(band));
}

}  // namespace tovk::ui
