#include "ui/help/help_window.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/editing/window_placement.h"
#include "ui/help/guide_anchors.h"

namespace ventora::help {
namespace {

QUrl PageUrl(const QString& target) {
  return QUrl(QString(kGuideRoot) + target);
}

QString PageText(const QString& file) {
  QFile f(":/guide/" + file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// A page's title: its first heading.
QString PageTitle(const QString& file) {
  static const QRegularExpression heading("^#\\s+(.+)$", QRegularExpression::MultilineOption);
  const QRegularExpressionMatch m = heading.match(PageText(file));
  return m.hasMatch() ? m.captured(1).trimmed() : file;
}

}  // namespace

// The contents page first, then the pages in the order it links them, then
// any page it does not link, by name.
std::vector<GuidePage> GuidePages() {
  QStringList files = QDir(":/guide").entryList({"*.md"}, QDir::Files, QDir::Name);
  QStringList order{"index.md"};
  static const QRegularExpression link("\\]\\(([\\w-]+\\.md)");
  for (const QRegularExpressionMatch& m : link.globalMatch(PageText("index.md")))
    if (!order.contains(m.captured(1))) order << m.captured(1);
  for (const QString& file : files)
    if (!order.contains(file)) order << file;
  std::vector<GuidePage> pages;
  for (const QString& file : order)
    if (files.contains(file))
      pages.push_back({file, file == "index.md" ? QString("Contents") : PageTitle(file)});
  return pages;
}

QImage SvgImage(const QByteArray& svg, qreal ratio) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage image((QSizeF(renderer.defaultSize()) * ratio).toSize(),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  image.setDevicePixelRatio(ratio);
  return image;
}

QVariant GuideBrowser::loadResource(int type, const QUrl& name) {
  const QVariant data = QTextBrowser::loadResource(type, name);
  if (type != QTextDocument::ImageResource || !name.path().endsWith(".svg") ||
      data.userType() != QMetaType::QByteArray)
    return data;
  const QImage image = SvgImage(data.toByteArray(), devicePixelRatioF());
  return image.isNull() ? data : QVariant(image);
}

void GuideBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  QTextBrowser::doSetSource(name, type);
  AddHeadingAnchors(*document());
  if (name.hasFragment()) scrollToAnchor(name.fragment());
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("Ventora User Guide");
  browser_ = new GuideBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({":/guide"});
  contents_ = new QListWidget(this);
  contents_->setObjectName("HelpContentsList");
  BuildContents();

  auto* back = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), "Back", this);
  back->setObjectName("HelpBack");
  auto* forward = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), "Forward", this);
  forward->setObjectName("HelpForward");
  back->setEnabled(false);
  forward->setEnabled(false);
  search_ = new QLineEdit(this);
  search_->setObjectName("HelpSearchField");
  search_->setPlaceholderText("Search the guide (Enter finds the next place)");
  status_ = new QLabel(this);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::PageChanged);
  connect(search_, &QLineEdit::returnPressed, this, [this] { Find(search_->text()); });

  auto* bar = new QHBoxLayout;
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addWidget(search_, 1);
  bar->addWidget(status_);
  auto* split = new QSplitter(this);
  split->addWidget(contents_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  // The list as wide as its longest title, so that no title is cut.
  split->setSizes({contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() + 8, 700});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(split, 1);
  ui::ResizeToScreen(*this, QSize(960, 720));
}

void HelpWindow::BuildContents() {
  pages_ = GuidePages();
  for (const GuidePage& page : pages_) {
    auto* item = new QListWidgetItem(page.title, contents_);
    item->setData(Qt::UserRole, QString(page.file));
  }
  connect(contents_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Open(item->data(Qt::UserRole).toString()); });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Open(item->data(Qt::UserRole).toString()); });
}

void HelpWindow::Open(const QString& target) {
  browser_->setSource(PageUrl(target));
}

QString HelpWindow::Shown() const {
  return browser_->source().toString().remove(kGuideRoot);
}

void HelpWindow::PageChanged(const QUrl& url) {
  const QString file = url.fileName();
  for (int i = 0; i < contents_->count(); ++i) {
    if (contents_->item(i)->data(Qt::UserRole).toString() != file) continue;
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentRow(i);
  }
  status_->clear();
}

bool HelpWindow::Find(const QString& text) {
  if (text.isEmpty()) return false;
  if (browser_->find(text)) return true;
  const QString current = browser_->source().fileName();
  std::size_t at = 0;
  while (at < pages_.size() && current != pages_[at].file)
    ++at;
  // The pages after this one, then from the first page round to this one.
  for (std::size_t step = 1; step <= pages_.size(); ++step) {
    const GuidePage& page = pages_[(at + step) % pages_.size()];
    if (!PageText(page.file).contains(text, Qt::CaseInsensitive)) continue;
    Open(page.file);
    browser_->moveCursor(QTextCursor::Start);
    if (browser_->find(text)) {
      status_->setText(QString("Found in \"%1\"").arg(page.title));
      return true;
    }
  }
  status_->setText("Not found");
  return false;
}

void HelpWindow::FocusSearch() {
  search_->setFocus(Qt::OtherFocusReason);
  search_->selectAll();
}

}  // namespace ventora::help
