// The "Sound" page's controls and the change each one applies.
#include "ui/sound_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <array>

namespace tovk::ui {
namespace {

// The filter box's items and the widths they stand for.
constexpr std::array<std::pair<const char*, const char*>, 4> kFilters{{
    {"2.4 kHz", "2.4"},
    {"2.7 kHz", "2.7"},
    {"3.0 kHz", "3.0"},
    {"Off", "off"},
}};

void Name(QWidget* widget, const char* objectName, const QString& accessibleName,
          const QString& hint) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  widget->setToolTip(hint);
  widget->setAccessibleDescription(hint);
}

QSlider* Slider(const char* name, const QString& caption, const QString& hint, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(0, 100);
  slider->setPageStep(10);
  Name(slider, name, caption, hint);
  return slider;
}

QCheckBox* Box(const char* name, const QString& caption, const QString& hint, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  Name(box, name, caption, hint);
  return box;
}

// A slider with its figure beside it.
QWidget* WithFigure(QSlider* slider) {
  auto* row = new QWidget(slider->parentWidget());
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* figure = new QLabel(row);
  figure->setMinimumWidth(figure->fontMetrics().horizontalAdvance(QStringLiteral("100")));
  figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QObject::connect(slider, &QSlider::valueChanged, figure,
                   [figure](int value) { figure->setNum(value); });
  slider->setParent(row);
  layout->addWidget(slider, 1);
  layout->addWidget(figure);
  return row;
}

int FilterItem(const std::string& width) {
  for (int i = 0; i < static_cast<int>(kFilters.size()); ++i)
    if (width == kFilters[i].second) return i;
  return 1;
}

}  // namespace

SoundPage::SoundPage(SettingsEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("SoundPage"));
  auto* form = new QFormLayout(this);
  soundOn_ = Box("SoundOn", QStringLiteral("Sound on"),
                 QStringLiteral("Hear the band: the stations and the band noise"), this);
  volume_ =
      Slider("Volume", QStringLiteral("Volume"), QStringLiteral("How loud the band is"), this);
  noise_ = Slider("NoiseLevel", QStringLiteral("Noise level"),
                  QStringLiteral("How much band noise the stations come through"), this);
  filter_ = new QComboBox(this);
  for (const auto& [caption, width] : kFilters) filter_->addItem(QString::fromLatin1(caption));
  Name(filter_, "Filter", QStringLiteral("Filter"),
       QStringLiteral("The receiver's filter: narrower takes out more noise"));
  speechRate_ = new QSpinBox(this);
  speechRate_->setRange(50, 200);
  speechRate_->setSingleStep(10);
  speechRate_->setSuffix(QStringLiteral(" %"));
  Name(speechRate_, "SpeechRate", QStringLiteral("Speech rate"),
       QStringLiteral("How fast the stations speak, against their own pace"));
  copyByEar_ = Box("CopyByEar", QStringLiteral("Copy by ear"),
                   QStringLiteral("Hear the stations without seeing their words until the "
                                  "contact ends; Auto detect is off"),
                   this);
  monitor_ = Box("Monitor", QStringLiteral("Monitor my transmissions"),
                 QStringLiteral("Hear your own transmissions too"), this);

  form->addRow(soundOn_);
  form->addRow(QStringLiteral("Volume"), WithFigure(volume_));
  form->addRow(QStringLiteral("Noise level"), WithFigure(noise_));
  form->addRow(QStringLiteral("Filter"), filter_);
  form->addRow(QStringLiteral("Speech rate"), speechRate_);
  form->addRow(copyByEar_);
  form->addRow(monitor_);

  connect(soundOn_, &QCheckBox::toggled, this,
          [this](bool on) { Apply([on](SoundOptions& s) { s.on = on; }); });
  connect(volume_, &QSlider::valueChanged, this,
          [this](int value) { Apply([value](SoundOptions& s) { s.volume = value; }); });
  connect(noise_, &QSlider::valueChanged, this,
          [this](int value) { Apply([value](SoundOptions& s) { s.noise = value; }); });
  connect(filter_, &QComboBox::activated, this, [this](int item) {
    if (item < 0 || item >= static_cast<int>(kFilters.size())) return;
    Apply([item](SoundOptions& s) { s.filter = kFilters[item].second; });
  });
  connect(speechRate_, &QSpinBox::valueChanged, this,
          [this](int value) { Apply([value](SoundOptions& s) { s.speechRate = value; }); });
  connect(copyByEar_, &QCheckBox::toggled, this, [this](bool on) {
    Apply([on](SoundOptions& s) { s.copyByEar = on; });
    emit copyByEarChanged(on);
  });
  connect(monitor_, &QCheckBox::toggled, this,
          [this](bool on) { Apply([on](SoundOptions& s) { s.monitor = on; }); });
  ShowSettings();
}

template <class Change>
void SoundPage::Apply(Change change) {
  if (showing_) return;
  SettingsChange settings;
  settings.sound = editor_.Settings().Sound;
  change(*settings.sound);
  editor_.ApplySettings(settings);
}

void SoundPage::ShowSettings() {
  // The controls show the values in force; nothing is applied meanwhile.
  const SoundOptions s = editor_.Settings().Sound;
  showing_ = true;
  soundOn_->setChecked(s.on);
  volume_->setValue(s.volume);
  noise_->setValue(s.noise);
  filter_->setCurrentIndex(FilterItem(s.filter));
  speechRate_->setValue(s.speechRate);
  copyByEar_->setChecked(s.copyByEar);
  monitor_->setChecked(s.monitor);
  showing_ = false;
}

}  // namespace tovk::ui
