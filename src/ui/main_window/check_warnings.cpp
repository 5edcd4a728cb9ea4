#include "ui/main_window/check_warnings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include "ui/app/desktop_words.h"

namespace ventora {

MsgAnswer KeptBoxes::Show(const Message& message) {
  boxes.push_back(message);
  return UnattendedAnswer(message.buttons);
}

void KeptBoxes::ShowThrough(MessageSink& messages) const {
  for (const Message& box : boxes)
    messages.Show(box);
}

std::string KeptBoxes::Lines() const {
  std::string lines;
  for (const Message& box : boxes)
    lines += (lines.empty() ? "" : "\n") + MessageText(box);
  return lines;
}

WarningsPanel::WarningsPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("CheckWarnings");
  setStyleSheet(
      "QFrame#CheckWarnings { background: #fff3c4; border: 1px solid #d9b64a;"
      " border-radius: 3px; } QLabel { color: #5c4200; }");
  auto* sign = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
  sign->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
  text_ = new QLabel(this);
  text_->setObjectName("CheckWarningsText");
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->addWidget(sign, 0, Qt::AlignTop);
  layout->addWidget(text_, 1);
  hide();
}

void WarningsPanel::Show(const std::vector<Message>& boxes) {
  QString text;
  for (const Message& box : boxes)
    text +=
        (text.isEmpty() ? "" : "\n") + QString::fromStdString(ui::DesktopWords(MessageText(box)));
  text_->setText(text);
  setVisible(!text.isEmpty());
}

}  // namespace ventora
