// The user guide one click away: the Help menu, every dialog's Help button
// and F1 on a field open the help window at their own section.
#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <map>

#include "editing_fixture.h"
#include "job_builders.h"
#include "ui/editing/env_build_dialog.h"
#include "ui/editing/facade_editor.h"
#include "ui/help/guide_help.h"
#include "ui/help/help_window.h"
#include "ui/main_window/help_menu.h"

namespace ventora::ui::testing {
namespace {

// The guide shows `target`, and a heading named by its "#..." is in sight.
void ExpectGuideAt(const QString& target) {
  help::HelpWindow* window = help::GuideWindow();
  ASSERT_TRUE(window != nullptr && window->isVisible()) << target.toStdString();
  EXPECT_EQ(window->Shown().toStdString(), target.toStdString());
  const auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
  const QString anchor = target.section('#', 1);
  QTextBlock b = browser->document()->begin();
  while (!anchor.isEmpty() && b.isValid() &&
         (b.begin().atEnd() || !b.begin().fragment().charFormat().anchorNames().contains(anchor)))
    b = b.next();
  ASSERT_TRUE(b.isValid()) << "no heading " << anchor.toStdString();
  const int top = browser->cursorRect(QTextCursor(b)).top();
  EXPECT_TRUE(top >= 0 && top < browser->viewport()->height()) << target.toStdString();
}

class HelpTest : public EditingTest {
 protected:
  // In the next modal dialog: `button` opens the guide at `target`, in a
  // window the dialog does not block; `keys` runs first.
  static void HelpOfNextModal(const char* button, const QString& target,
                              std::function<void(QDialog*)> keys = {}) {
    OnNextModal([=](QDialog* d) {
      if (keys) keys(d);
      if (button != nullptr) Click(d, button);
      ExpectGuideAt(target);
      EXPECT_EQ(help::GuideWindow()->parentWidget(), d);
      d->reject();
    });
  }
};

TEST_F(HelpTest, TheHelpMenuOpensTheGuide) {
  QWidget mainWindow;
  HelpMenu menu(&mainWindow);
  for (const auto& [item, target] : {std::pair{"HelpContents", "index.md"},
                                     {"HlepTutorial", "editing.md#a-first-job"},
                                     {"HelpHow", "index.md#using-the-help-window"},
                                     {"HelpSearch", "index.md"}}) {
    menu.findChild<QAction*>(item)->trigger();
    ExpectGuideAt(target);
  }
  EXPECT_EQ(menu.actions().size(), 6);  // four guide items, a separator, About
  EXPECT_TRUE(help::GuideWindow()->Find("Plan area density"));
  EXPECT_FALSE(help::GuideWindow()->Find("no page holds this"));
}

// Every page of the guide's folder is listed, and a search finds on each
// page a word that only that page holds.
TEST_F(HelpTest, EveryPageOfTheGuideIsListedAndFoundBySearch) {
  const QDir folder(VENTORA_SOURCE_EXAMPLES "/../docs/guide");
  const QStringList files = folder.entryList({"*.md"}, QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 12);
  const std::vector<help::GuidePage> pages = help::GuidePages();
  QStringList listed;
  for (const help::GuidePage& page : pages)
    listed << page.file;
  EXPECT_EQ(listed.front(), "index.md");
  listed.sort();
  EXPECT_EQ(listed, files);
  std::map<QString, QString> texts;
  for (const QString& file : files) {
    QFile f(folder.filePath(file));
    if (f.open(QIODevice::ReadOnly)) texts[file] = QString::fromUtf8(f.readAll()).toLower();
  }
  const auto text = [&](const QString& file) { return texts[file]; };
  help::OpenGuide(nullptr, "index.md");
  help::HelpWindow* window = help::GuideWindow();
  for (const QString& file : files) {
    if (file == "index.md") continue;
    QTextDocument shown;
    shown.setMarkdown(text(file));
    QString word;
    static const QRegularExpression words("[A-Za-z]{7,}");
    for (const QRegularExpressionMatch& m : words.globalMatch(shown.toPlainText())) {
      bool elsewhere = false;
      for (const QString& other : files)
        elsewhere = elsewhere || (other != file && text(other).contains(m.captured().toLower()));
      if (!elsewhere) {
        word = m.captured();
        break;
      }
    }
    if (word.isEmpty()) continue;  // a page of words all shared: nothing to tell it by
    EXPECT_TRUE(window->Find(word)) << word.toStdString();
    EXPECT_TRUE(window->Shown().startsWith(file)) << word.toStdString();
  }
}

// Qt's renderer draws every picture of the guide whole, as a browser does
// (it has no pattern fills, and says so only as a warning), and at twice
// the pixels on a screen scaled to 200 %, where an enlarged image blurs.
TEST_F(HelpTest, EveryPictureOfTheGuideIsDrawnWholeAndSharp) {
  static QStringList warnings;
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
  int pictures = 0;
  for (QDirIterator it(":/guide/pictures", {"*.svg"}); it.hasNext(); ++pictures) {
    QFile file(it.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QImage image = help::SvgImage(bytes, 2);
    EXPECT_EQ(image.size(), QSvgRenderer(bytes).defaultSize() * 2) << it.filePath().toStdString();
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(QSvgRenderer(bytes).defaultSize()));
  }
  qInstallMessageHandler(previous);
  EXPECT_GE(pictures, 10);
  EXPECT_EQ(warnings.join('\n').toStdString(), "");
}

TEST_F(HelpTest, EveryDialogsHelpButtonAndF1OpenTheirSection) {
  doc.job = ventora::testing::BlockJob(0, 0);
  doc.CurFacade = 1;
  Click(chooser.get(), "Help");
  ExpectGuideAt("editing.md#the-editing-window");
  HelpOfNextModal("Command1", "editing.md#environment-and-building");
  chooser->Environment().Open();
  HelpOfNextModal(nullptr, "parameters.md#plan-area-density-pad", [](QDialog* d) {
    ShowActive(d);
    FocusTo(Find<QLineEdit>(d, "fPAD"));
    QTest::keyClick(d->focusWidget(), Qt::Key_F1);
  });
  chooser->Environment().Open();

  FacadeEditor* editor = &chooser->Editor();
  editor->Activate();
  ShowActive(editor);
  Click(editor, "Command1");
  ExpectGuideAt("editing.md#facade-editor");
  HelpOfNextModal("Help", "editing.md#automatic-mesh");
  Click(editor, "bAutomesh");
  HelpOfNextModal("Help", "editing.md#user-defined-mesh");
  Click(editor, "bumesh");
  editor->hide();
}

}  // namespace
}  // namespace ventora::ui::testing
