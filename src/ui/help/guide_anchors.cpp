#include "ui/help/guide_anchors.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace ventora::help {

QString HeadingAnchor(const QString& heading) {
  QString anchor;
  for (const QChar c : heading.trimmed().toLower()) {
    if (c.isLetterOrNumber() || c == '-' || c == '_')
      anchor += c;
    else if (c == ' ')
      anchor += '-';
  }
  return anchor;
}

void AddHeadingAnchors(QTextDocument& document) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || block.length() <= 1) continue;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorNames({HeadingAnchor(block.text())});
    cursor.mergeCharFormat(format);
  }
}

}  // namespace ventora::help
