// The stand-in settings dialog.
#include "ui/settings_standin.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/actions.h"

namespace tovk::ui {
namespace {

QSpinBox* SpinEdit(int maximum, int value, const QString& hint, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(0, maximum);
  spin->setValue(value);
  spin->setToolTip(hint);
  spin->setAccessibleName(hint);
  return spin;
}

}  // namespace

void RunSettingsStandIn(Game& g, SettingsPage, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Settings"));
  auto* column = new QVBoxLayout(&dialog);
  auto* group = new QGroupBox(QStringLiteral("Set Time Out"), &dialog);
  auto* form = new QFormLayout(group);
  QSpinBox* hours = SpinEdit(60, 2, QStringLiteral("Hours"), group);
  QSpinBox* minutes = SpinEdit(59, 30, QStringLiteral("Minutes"), group);
  form->addRow(QStringLiteral("Hours"), hours);
  form->addRow(QStringLiteral("Minutes"), minutes);
  column->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  column->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return;
  BitBtn1Click(g, SettingsOk{g.Mycall, g.Mycheck, hours->value(), minutes->value()});
}

}  // namespace tovk::ui
