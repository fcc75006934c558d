// The about box.
#include "ui/about_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tovk::ui {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint |
                          Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About Tovk"));
  setAccessibleName(QStringLiteral("About Tovk"));
  setModal(false);
  if (parent) setFont(parent->font());

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(16, 16, 16, 12);
  title_ = new QLabel(QStringLiteral("Tovk - Incremental release"), this);
  title_->setObjectName(QStringLiteral("Title"));
  QFont bold = title_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.5);
  title_->setFont(bold);
  title_->setAlignment(Qt::AlignCenter);
  column->addWidget(title_);
  version_ = new QLabel(this);
  version_->setObjectName(QStringLiteral("Version"));
  version_->setAlignment(Qt::AlignCenter);
  column->addWidget(version_);
  column->addStretch(1);

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("Ok"));
  ok_->setAccessibleName(QStringLiteral("OK"));
  ok_->setDefault(true);
  row->addWidget(ok_);
  row->addStretch(1);
  column->addLayout(row);
  connect(ok_, &QPushButton::clicked, this, &QWidget::hide);

  setFixedSize(kAboutWidth, kAboutHeight);
}

void AboutBox::ShowOver(const QWidget& main) {
  version_->setText(QStringLiteral("Version 1.0"));
  move(main.x() + main.width() / 2 - width() / 2, main.y() + main.height() / 2 - height() / 2);
  show();
  raise();
  activateWindow();
}

}  // namespace tovk::ui
