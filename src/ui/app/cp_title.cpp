#include "ui/app/cp_title.h"
#include "ui/app/ui_resources.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/app/program_info.h"

namespace ventora {
namespace {

QLabel* CreditLine(QWidget* parent, const QString& text, double scale, bool bold) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

CpTitle::CpTitle(QWidget* parent) : QDialog(parent) {
  InitUiResources();
  setObjectName("CpTitle");
  setWindowTitle("Ventora - Wind Pressure on Buildings");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  connect(timer_, &QTimer::timeout, this, &CpTitle::Timer1_Timer);

  QLabel* logo = LogoLabel(112, this);
  ok_ = new QPushButton(tr("OK"), this);
  ok_->setObjectName("OK");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->setSpacing(24);
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addWidget(BuildCredit(), 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 16);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());
}

QFrame* CpTitle::BuildCredit() {
  auto* panel = new QFrame(this);
  panel->setObjectName("CpCredit");
  auto* lines = new QVBoxLayout(panel);
  lines->setContentsMargins(0, 0, 0, 0);
  lines->setSpacing(4);
  lines->addWidget(CreditLine(panel, "Ventora", 2.2, true));
  lines->addWidget(CreditLine(
      panel, "a program calculating wind pressure coefficients on buildings", 1.1, false));
  lines->addSpacing(14);
  lines->addWidget(CreditLine(panel, tr("Version %1").arg(kProgramVersion), 1.0, false));
  lines->addWidget(
      CreditLine(panel, tr("Written and maintained by the Ventora developers"), 1.0, false));
  lines->addWidget(CreditLine(panel, tr("Copyright \u00a9 the Ventora developers"), 0.9, false));
  lines->addStretch(1);
  return panel;
}

void CpTitle::ShowAtStartUp(int intervalMs) {
  SetTitleInterval(intervalMs);
  SetTitleTimerOn(true);
  exec();
}

void CpTitle::ShowAsAbout() {
  SetTitleInterval(0);
  SetTitleTimerOn(false);
  exec();
}

void CpTitle::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ok_->setFocus();
  timer_->stop();
  if (titleTimerOn_ && titleInterval_ > 0) timer_->start(titleInterval_);
}

void CpTitle::hideEvent(QHideEvent* event) {
  timer_->stop();  // a title closed by OK never fires later
  QDialog::hideEvent(event);
}

void CpTitle::Timer1_Timer() {
  timer_->stop();
  if (titleInterval_ > 0) accept();
}

}  // namespace ventora
