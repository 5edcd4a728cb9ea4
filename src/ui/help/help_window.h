#pragma once
// The user guide in a window of its own: the guide's pages (Markdown built
// into the program), their list, back and forward, and a search through
// every page.

#include <QImage>
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace ventora::help {

// The resource folder that holds the guide's pages and pictures.
inline constexpr const char* kGuideRoot = "qrc:/guide/";

struct GuidePage {
  QString file;
  QString title;
};

// The guide's pages as built into the program, in reading order: the
// contents page, then the pages in the order it links them.
std::vector<GuidePage> GuidePages();

// An SVG drawing as an image of `ratio` device pixels to each of its own,
// so that it stays sharp on a scaled screen; null if it is no SVG.
QImage SvgImage(const QByteArray& svg, qreal ratio);

// A text browser that reads the guide's Markdown pages and names their
// headings, so that "page.md#heading" opens at the heading; its drawings are
// drawn for the screen's scale, not enlarged.
class GuideBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
  QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // `target`: a page of the guide, with or without "#heading".
  void Open(const QString& target);
  // The page and heading shown, as "page.md#heading".
  QString Shown() const;
  // Finds the next place of `text`, on this page from the cursor on, then
  // on the following pages; false when no page holds it.
  bool Find(const QString& text);
  void FocusSearch();

 private:
  void BuildContents();
  void PageChanged(const QUrl& url);

  GuideBrowser* browser_;
  QListWidget* contents_;
  QLineEdit* search_;
  QLabel* status_;
  std::vector<GuidePage> pages_;
};

}  // namespace ventora::help
