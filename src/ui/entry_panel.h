// The strip between the notebook and the outgoing window: the band box, the
// QSO-number box and the five exchange entry fields, which force upper case.
// Edits by the player are reported; texts the game sets are shown quietly.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "world/screen.h"

namespace tovk::ui {

class EntryPanel : public QWidget {
  Q_OBJECT

 public:
  explicit EntryPanel(QWidget* parent = nullptr);

  QLineEdit* FieldEdit(Field field) const { return fields_[static_cast<int>(field)]; }
  QComboBox* BandBox() const { return band_; }
  QLineEdit* QsoNumberBox() const { return qsoNumber_; }
  QGroupBox* BandGroup() const { return bandGroup_; }
  QGroupBox* QsoNumberGroup() const { return qsoNumberGroup_; }

  // Shown without reporting an edit.
  void ShowFieldText(Field field, const QString& text);
  void ShowBand(const QString& band);  // empty: nothing selected

 signals:
  void fieldEdited(tovk::Field field, const QString& text);
  void bandChosen(const QString& band);

 private:
  std::array<QLineEdit*, kFieldCount> fields_{};
  QComboBox* band_ = nullptr;
  QLineEdit* qsoNumber_ = nullptr;
  QGroupBox* bandGroup_ = nullptr;
  QGroupBox* qsoNumberGroup_ = nullptr;
};

}  // namespace tovk::ui
