// Start-up in two steps: with the room the pages needed last time recorded,
// only the page shown (and the Theme page) is built before the window is first
// drawn, every other page right after. Whatever the user can see or save must
// be the same as when every page is built at once.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/Page.h"
#include "app/PageControl.h"
#include "app/PageSize.h"
#include "tests/app/AppFixture.h"

namespace {

// Everything a control shows, one line per named control.
std::vector<QString> Snapshot(TForm1& form) {
  std::vector<QString> lines;
  for (QWidget* w : form.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    QString line = w->objectName() + " " + w->metaObject()->className() +
                   QString(" enabled=%1 tip=%2 geometry=%3,%4 %5x%6")
                       .arg(w->isEnabled())
                       .arg(w->toolTip())
                       .arg(w->x())
                       .arg(w->y())
                       .arg(w->width())
                       .arg(w->height());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) line += " text=" + edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      line += QString(" checked=%1 text=%2").arg(button->isChecked()).arg(button->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      line +=
          QString(" index=%1 text=%2 items=").arg(combo->currentIndex()).arg(combo->currentText());
      for (int i = 0; i < combo->count(); ++i) line += combo->itemText(i) + "|";
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
      line += " text=" + label->text();
      const QImage picture = label->pixmap().toImage();
      line +=
          QString(" picture=%1")
              .arg(qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes())));
    }
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      line += QString(" tab=%1 tabs=").arg(tabs->currentIndex());
      for (int i = 0; i < tabs->count(); ++i) {
        const QImage icon = tabs->tabIcon(i).pixmap(16, 16).toImage();
        line +=
            tabs->tabText(i) + QString("/%1|").arg(qHashBits(
                                   icon.constBits(), static_cast<std::size_t>(icon.sizeInBytes())));
      }
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(w))
      line += QString(" value=%1").arg(slider->value());
    if (auto* spin = qobject_cast<QSpinBox*>(w)) line += QString(" value=%1").arg(spin->value());
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view != nullptr && view->model())
      line += QString(" rows=%1").arg(view->model()->rowCount());
    lines.push_back(line.replace('\n', ' '));
  }
  std::sort(lines.begin(), lines.end());
  // The order the Tab key visits each page's controls in.
  for (int i = 0; i < form.PageControl->count(); ++i) {
    QWidget* page = form.PageControl->page(i);
    QString chain = page->objectName() + " tab order:";
    for (QWidget* w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
      if (page->isAncestorOf(w) && !w->objectName().isEmpty()) chain += " " + w->objectName();
    lines.push_back(chain);
  }
  return lines;
}

struct Outcome {
  std::vector<QString> messages;  // caption: text, in order
  std::vector<QString> controls;  // after every page has been shown once
  QSize window;
  std::vector<std::string> files;  // what Apply would write
};

class StartUp : public AppTest {
 protected:
  // Starts the window and notes what the user meets: the questions, in order,
  // then every page shown in turn.
  Outcome Run(const QString& ini) {
    WriteIni(ini);
    platform_.clearCalls();
    LoadingFinished = false;  // as in a new process
    TForm1* form = Start();
    EXPECT_NE(form, nullptr);
    Outcome out;
    if (form == nullptr) return out;
    EXPECT_TRUE(form->AllPagesBuilt());
    // Every build and format tab carries its picture, whenever its page came.
    for (QTabBar* strip :
         {form->tcGUIOS, form->tcSoundOS, form->tcBlitterOS, form->tcSoundFormat}) {
      EXPECT_GE(strip->count(), 2);
      for (int i = 0; i < strip->count(); ++i)
        EXPECT_FALSE(strip->tabIcon(i).isNull()) << strip->objectName().toStdString() << " " << i;
    }
    for (const auto& m : platform_.messages()) out.messages.push_back(m.caption + ": " + m.text);
    out.window = form->size();
    for (const auto& entry : form->FilesToSave()) out.files.push_back(entry.bytes);
    const int first = form->PageControl->currentIndex();
    for (int i = 0; i < form->PageControl->count(); ++i) {
      form->PageControl->setCurrentIndex(i);
      QApplication::processEvents();
    }
    form->PageControl->setCurrentIndex(first);
    QApplication::processEvents();
    out.controls = Snapshot(*form);
    Close();
    return out;
  }

  // The same start with every page built at once (nothing recorded) and in
  // two steps (the right room recorded by the start before).
  void ExpectSameStarts(const QString& ini) {
    SCOPED_TRACE(ini.toStdString());
    platform_.setUserCacheDir(QString());
    const Outcome atOnce = Run(ini);
    const QString cache = EmuDir() + "../room/";
    platform_.setUserCacheDir(cache);
    Run(ini);  // records the room
    ASSERT_TRUE(page_size::Read(cache, page_size::Key()).has_value());
    const Outcome inSteps = Run(ini);
    EXPECT_EQ(inSteps.messages, atOnce.messages);
    EXPECT_EQ(inSteps.window, atOnce.window);
    ASSERT_EQ(inSteps.files.size(), atOnce.files.size());
    for (std::size_t f = 0; f < atOnce.files.size(); ++f) {
      const Document a = ParseDocument(atOnce.files[f]), b = ParseDocument(inSteps.files[f]);
      const auto differ = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
      EXPECT_TRUE(differ.first == a.end() && differ.second == b.end())
          << "file " << f << " line " << (differ.first - a.begin()) << ": "
          << (differ.first == a.end() ? "<end>" : *differ.first) << " | "
          << (differ.second == b.end() ? "<end>" : *differ.second);
    }
    ASSERT_EQ(inSteps.controls.size(), atOnce.controls.size());
    for (std::size_t i = 0; i < atOnce.controls.size(); ++i)
      EXPECT_EQ(inSteps.controls[i], atOnce.controls[i]);
  }
};

TEST_F(StartUp, InStepsShowsWhatAStartAtOnceShowsOnEveryPage) {
  ExpectSameStarts(QString());         // the About page shown
  ExpectSameStarts("Active page=12");  // Theme: its preview needs the GUI page
  ExpectSameStarts("Active page=10\nPreferred cfg file=1");  // Sound
  ExpectSameStarts("Active page=8");                         // Miscellaneous
  // A preview with a picture, scaled to the GUI page's resolution.
  Replace("quib.cfg", "theme=Quib Classic", "theme=Desert Sunset");
  ExpectSameStarts("Active page=12");
}

// The questions of a start come in the same order: a version mark missing, a
// theme picture missing, and on Windows NT the Sound page's warning about an
// engine that needs the hardware.
TEST_F(StartUp, InStepsAsksTheSameQuestionsInTheSameOrder) {
  Replace("quib.cfg", "theme=Quib Classic", "theme=Desert Sunset");
  Replace("quib.cfg", "QUIB 0.72", "QUIB 0.99");
  RemoveFile("Themes/horizon.png");
  ExpectSameStarts("Active page=2");

  RemoveFile("quib.cfg");
  Replace("quibw.cfg", "fm_emulator=digital", "fm_emulator=opl");
  platform_.setWindowsNT(true);
  ExpectSameStarts(QString());
}

// Before the first drawing only the page shown and the Theme page exist;
// once drawn, every page follows before anything else happens.
TEST_F(StartUp, ThePageShownComesFirstAndTheOthersRightAfterTheFirstDrawing) {
  const QString cache = EmuDir() + "../room/";
  platform_.setUserCacheDir(cache);
  WriteIni();
  ASSERT_NE(Start(), nullptr);  // records the room
  Close();

  WriteIni("Active page=6");  // Input
  auto form = std::make_unique<TForm1>();
  ASSERT_TRUE(form->FormCreate());
  std::vector<QString> atFirstDrawing;
  form->FirstPainted = [&] {
    for (QWidget* page : {form->PageWidget("Input"), form->PageWidget("Theme"),
                          form->PageWidget("GUI"), form->PageWidget("Blitters")})
      atFirstDrawing.push_back(page->objectName() +
                               (page->findChildren<QComboBox*>().isEmpty() ? " empty" : " built"));
  };
  form->show();
  QApplication::processEvents();
  EXPECT_EQ(atFirstDrawing,
            (std::vector<QString>{"Input built", "Theme built", "GUI empty", "Blitters empty"}));
  EXPECT_TRUE(form->AllPagesBuilt());
  EXPECT_EQ(form->Pages().size(), PageMakers().size());
  form->close();
  QApplication::processEvents();
}

// A recorded room that is not what the pages need (fonts changed since) is
// put right once every page is built, and recorded again.
TEST_F(StartUp, AWrongRecordedRoomIsPutRightAndRecordedAgain) {
  platform_.setUserCacheDir(QString());
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  const QSize right = form->size();
  Close();

  const QString cache = EmuDir() + "../room/";
  platform_.setUserCacheDir(cache);
  page_size::Store(cache, page_size::Key(), QSize(700, 400));
  WriteIni();
  form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->size(), right);
  const auto recorded = page_size::Read(cache, page_size::Key());
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->width() + 12 + 4, right.width());
}

// The record is the program's own: another key, or junk, is no record.
TEST_F(StartUp, RecordsOfOtherKeysOrJunkAreNotUsed) {
  const QString dir = EmuDir() + "../room/";
  page_size::Store(dir, "one", QSize(600, 300));
  EXPECT_EQ(page_size::Read(dir, "one"), QSize(600, 300));
  EXPECT_FALSE(page_size::Read(dir, "two").has_value());
  for (const char* junk : {"one\n600\n", "one\n-5 300\n", "one\n600 99999\n", "one\nx y\n", ""}) {
    QFile file(dir + "page-size");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(junk);
    file.close();
    EXPECT_FALSE(page_size::Read(dir, "one").has_value()) << junk;
  }
  EXPECT_FALSE(page_size::Read(QString(), "one").has_value());
}

// Input, Apply and the Changes window never meet a window whose pages are not
// all there, even before the first drawing.
TEST_F(StartUp, InputOrApplyBeforeTheFirstDrawingBuildsEveryPageFirst) {
  const QString cache = EmuDir() + "../room/";
  platform_.setUserCacheDir(cache);
  WriteIni("Show message when applying=0");
  ASSERT_NE(Start(), nullptr);
  Close();
  ASSERT_EQ(ReadFile("quib.cfg").find("mario_is_a_fat_plumber"), std::string::npos);

  WriteIni("Show message when applying=0");
  auto form = std::make_unique<TForm1>();
  ASSERT_TRUE(form->FormCreate());
  form->show();  // loaded, not yet drawn
  ASSERT_FALSE(form->AllPagesBuilt());
  QTest::keyClick(form.get(), Qt::Key_Tab);
  EXPECT_TRUE(form->AllPagesBuilt());
  form->close();
  QApplication::processEvents();

  WriteIni("Show message when applying=0");
  form = std::make_unique<TForm1>();
  ASSERT_TRUE(form->FormCreate());
  form->show();
  ASSERT_FALSE(form->AllPagesBuilt());
  ASSERT_TRUE(form->ApplyButtonClick());
  EXPECT_TRUE(form->AllPagesBuilt());
  // The Miscellaneous page's fill adds the key the emulator wants.
  EXPECT_TRUE(HasLine("quib.cfg", "mario_is_a_fat_plumber=0"));
  form->close();
  QApplication::processEvents();
}

}  // namespace
