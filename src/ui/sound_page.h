// The settings dialog's "Sound" page: the sound on or off, volume, noise
// level, the receiver's filter, the speech rate, "Copy by ear" and "Monitor
// my transmissions". Each takes effect at once, through the same settings
// change as every other front-end.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>
#include <QWidget>

#include "app/settings_change.h"

namespace tovk::ui {

class SoundPage : public QWidget {
  Q_OBJECT

 public:
  SoundPage(SettingsEditor& editor, QWidget* parent = nullptr);

  // Shows the settings in force, changing nothing.
  void ShowSettings();

  // --- The controls, for the tests ---
  QCheckBox* SoundOnBox() const { return soundOn_; }
  QSlider* VolumeSlider() const { return volume_; }
  QSlider* NoiseSlider() const { return noise_; }
  QComboBox* FilterBox() const { return filter_; }
  QSpinBox* SpeechRateBox() const { return speechRate_; }
  QCheckBox* CopyByEarBox() const { return copyByEar_; }
  QCheckBox* MonitorBox() const { return monitor_; }

 signals:
  // "Copy by ear" was ticked or cleared: Auto detect is off while it is on.
  void copyByEarChanged(bool on);

 private:
  template <class Change>
  void Apply(Change change);

  SettingsEditor& editor_;
  bool showing_ = false;
  QCheckBox* soundOn_ = nullptr;
  QSlider* volume_ = nullptr;
  QSlider* noise_ = nullptr;
  QComboBox* filter_ = nullptr;
  QSpinBox* speechRate_ = nullptr;
  QCheckBox* copyByEar_ = nullptr;
  QCheckBox* monitor_ = nullptr;
};

}  // namespace tovk::ui
