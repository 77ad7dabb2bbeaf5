// The Blitter page driven through the real window: build tabs, the blitter
// list and its remembered selection, the property controls, the switches, and
// the add, rename, delete and uncomment buttons with the name dialog answered
// by its hook and the questions by the platform double.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "blitters/BlitterBlocks.h"
#include "blitters/BlitterNameForm.h"
#include "tests/app/AppFixture.h"

namespace {

using platform::Answer;

// What the name dialog showed when it was asked.
struct Asked {
  QString caption, ok, cancel, startText;
  QWidget* owner = nullptr;
  int count = 0;
};

class BlitterPageTest : public AppTest {
 protected:
  ~BlitterPageTest() override { TBlitterNameForm::ModalHook = nullptr; }

  TForm1* StartPage() {
    WriteIni();
    TForm1* form = Start();
    EXPECT_NE(form, nullptr);
    return form;
  }

  QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
  QCheckBox* Box(const char* name) const { return Find<QCheckBox>(name); }
  void ChooseTab(int index) const { form()->tcBlitterOS->setCurrentIndex(index); }
  static void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  void PickBlitter(const QString& name) const {
    QComboBox* list = Combo("BlittersCombo");
    const int index = list->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    Pick(list, index);
  }
  static QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
  }
  Document Block(const std::string& name) const {
    return LoadBlitterBlock(form()->Documents.BlitterDoc, name, form()->CurrentBlitterOS);
  }
  static bool Has(const Document& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  void Click(const char* button) const {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
  }

  // The name dialog answers with this name (nothing: cancelled).
  void AnswerName(std::optional<QString> name) {
    TBlitterNameForm::ModalHook = [this, name](TBlitterNameForm& dialog) {
      ++asked_.count;
      asked_.caption = dialog.windowTitle();
      asked_.ok = dialog.Button1->text();
      asked_.cancel = dialog.Button2->text();
      asked_.startText = dialog.Edit1->text();
      asked_.owner = dialog.parentWidget();
      if (!name) return static_cast<int>(QDialog::Rejected);
      dialog.Edit1->setText(*name);
      return static_cast<int>(QDialog::Accepted);
    };
  }

  Asked asked_;
};

TEST_F(BlitterPageTest, ShowsTheRememberedBlitterOfEachBuildAndShowingWritesNothing) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document blitters = form->Documents.BlitterDoc;
  const Document quib = *form->Documents.QuibDoc;
  const Document quibw = *form->Documents.QuibWDoc;
  QComboBox* list = Combo("BlittersCombo");
  EXPECT_EQ(list->maxVisibleItems(), 18);
  EXPECT_EQ(Combo("BlitterDriver")->maxVisibleItems(), 9);

  // quib.cfg remembers blitter=1.
  EXPECT_EQ(form->CurrentBlitterOS, 0);
  EXPECT_EQ(Items(list), QStringList({"Normal", "Double Vesa", "Scanlines", "Mode X 256"}));
  EXPECT_EQ(list->currentText(), "Double Vesa");
  EXPECT_EQ(Combo("BlitterRes")->currentText(), "640x480");
  EXPECT_EQ(Combo("BlitterDriver")->currentText(), "Vesa 2 (linear)");
  EXPECT_EQ(Combo("BlitterBlitter")->currentText(), "Double");
  EXPECT_EQ(Combo("BlitterRefreshRate")->currentText(), "60");
  EXPECT_EQ(Combo("cbColourDepth")->currentText(), "16");
  EXPECT_TRUE(Box("BlitterVSynch")->isChecked());
  EXPECT_FALSE(Box("BlitterFlipped")->isChecked());
  EXPECT_FALSE(Box("cbTripleBuffering")->isChecked());
  EXPECT_FALSE(Box("cbFullscreenStretch")->isChecked());
  EXPECT_EQ(form->Documents.CurrentBlock, Block("Double Vesa"));

  // quibw.cfg remembers blitter=2.
  ChooseTab(1);
  EXPECT_EQ(form->CurrentBlitterOS, 1);
  EXPECT_EQ(list->currentText(), "hq2x");
  EXPECT_EQ(Combo("BlitterDriver")->currentText(), "DirectX (windowed overlay)");
  EXPECT_TRUE(Box("cbTripleBuffering")->isChecked());
  EXPECT_FALSE(Box("BlitterVSynch")->isChecked());

  // QuibNix remembers nothing and starts on its first blitter.
  ChooseTab(2);
  EXPECT_EQ(Items(Combo("BlitterDriver")), QStringList({"Autodetect", "XDFS"}));
  EXPECT_EQ(Items(list), QStringList({"Normal", "Fullscreen"}));
  EXPECT_EQ(list->currentText(), "Normal");
  EXPECT_EQ(Combo("BlitterRefreshRate")->currentText(), "auto");
  PickBlitter("Fullscreen");
  EXPECT_TRUE(Box("BlitterVSynch")->isChecked());
  EXPECT_TRUE(Box("cbFullscreenStretch")->isChecked());

  ChooseTab(0);
  PickBlitter("Scanlines");
  PickBlitter("Double Vesa");  // back to the remembered one
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
  EXPECT_EQ(*form->Documents.QuibWDoc, quibw);
}

TEST_F(BlitterPageTest, ABlockWithConflictingSwitchesIsShownWithoutBeingRewritten) {
  WriteFile("quib.blt",
            ";blitters\r\n[Plain::DOS]\r\nres=320x200\r\n\r\n"
            "[Both::DOS]\r\nvsync\r\n\r\nflip\r\nres = 640x480\r\n;[Old::DOS]\r\n\r\n");
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  ChooseTab(0);
  PickBlitter("Plain");
  const Document before = form->Documents.BlitterDoc;
  PickBlitter("Both");
  EXPECT_EQ(form->Documents.BlitterDoc, before);
  EXPECT_TRUE(Box("BlitterVSynch")->isChecked());
  EXPECT_TRUE(Box("BlitterFlipped")->isChecked());
  EXPECT_EQ(Combo("BlitterRes")->currentText(), "640x480");
  ChooseTab(1);
  ChooseTab(0);
  EXPECT_EQ(form->Documents.BlitterDoc, before);
  // Only the user's tick resolves the conflict.
  Box("cbTripleBuffering")->click();
  EXPECT_FALSE(Box("BlitterVSynch")->isChecked());
  EXPECT_FALSE(Box("BlitterFlipped")->isChecked());
  const Document block = Block("Both");
  EXPECT_FALSE(Has(block, "vsync"));
  EXPECT_FALSE(Has(block, "flip"));
  // The word goes above the first empty line the shown block still holds.
  EXPECT_EQ(block, Document({"triple_buffering", "res=640x480", ";[Old::DOS]", ""}));
}

TEST_F(BlitterPageTest, DriverWordsBelongToTheBuildShown) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  QComboBox* driver = Combo("BlitterDriver");
  EXPECT_EQ(driver->count(), 9);
  Pick(driver, 3);
  EXPECT_EQ(AppTest::Line(Block("Double Vesa"), "driver"), "driver=modex");

  ChooseTab(1);
  EXPECT_EQ(driver->count(), 9);
  EXPECT_EQ(driver->itemText(8), "GDI (windowed)");
  Pick(driver, 8);
  EXPECT_EQ(AppTest::Line(Block("hq2x"), "driver"), "driver=gdi");

  ChooseTab(2);
  Pick(driver, 1);
  EXPECT_EQ(AppTest::Line(Block("Normal"), "driver"), "driver=xdfs");

  // A Windows word shown on the Quib tab leaves the driver box as it was.
  ChooseTab(0);
  PickBlitter("Scanlines");
  ASSERT_EQ(driver->currentText(), "Vesa 2 (linear)");
  SetBlitterValue(form->Documents.BlitterDoc, form->Documents.CurrentBlock, "Normal", 0, "driver",
                  "directx");
  PickBlitter("Normal");
  EXPECT_EQ(driver->currentText(), "Vesa 2 (linear)");
}

TEST_F(BlitterPageTest, RefreshRateIsLowerCasedColourDepthAndFilterAreStored) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  Pick(Combo("BlitterRefreshRate"), 0);
  Pick(Combo("cbColourDepth"), 0);
  Pick(Combo("BlitterBlitter"), 4);
  Document block = Block("Double Vesa");
  EXPECT_EQ(AppTest::Line(block, "refresh_rate"), "refresh_rate=auto");
  EXPECT_EQ(AppTest::Line(block, "video_depth"), "video_depth=Auto");
  EXPECT_EQ(AppTest::Line(block, "blitter"), "blitter=tvmode_double");

  QLineEdit* rate = Combo("BlitterRefreshRate")->lineEdit();
  rate->selectAll();
  QTest::keyClicks(rate, "85");
  EXPECT_EQ(AppTest::Line(Block("Double Vesa"), "refresh_rate"), "refresh_rate=85");
  EXPECT_EQ(Items(Combo("BlitterRefreshRate")).size(), 7);  // typing adds no item
}

TEST_F(BlitterPageTest, ResolutionFollowsTheFirstCharacterRule) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  QComboBox* res = Combo("BlitterRes");
  Pick(res, 5);  // the separator
  EXPECT_EQ(res->currentText(), "160x144");
  EXPECT_EQ(AppTest::Line(Block("Double Vesa"), "res"), "res=160x144");

  res->lineEdit()->clear();  // nothing left: the item after the selected one
  EXPECT_EQ(res->currentText(), "256x192");
  EXPECT_EQ(AppTest::Line(Block("Double Vesa"), "res"), "res=256x192");

  res->lineEdit()->selectAll();
  QTest::keyClicks(res->lineEdit(), "800x600");
  const Document block = Block("Double Vesa");
  EXPECT_EQ(AppTest::Line(block, "res"), "res=800x600");
  EXPECT_EQ(std::count_if(block.begin(), block.end(),
                          [](const std::string& l) { return l.rfind("res=", 0) == 0; }),
            1);
}

TEST_F(BlitterPageTest, SwitchesClearTheirRivalsAndStoreTheBlock) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(Box("BlitterVSynch")->isChecked());
  Box("BlitterFlipped")->click();
  EXPECT_FALSE(Box("BlitterVSynch")->isChecked());
  Document block = Block("Double Vesa");
  EXPECT_FALSE(Has(block, "vsync"));
  EXPECT_TRUE(Has(block, "flip"));

  Box("cbTripleBuffering")->click();
  EXPECT_FALSE(Box("BlitterFlipped")->isChecked());
  Box("BlitterVSynch")->click();
  EXPECT_TRUE(Box("cbTripleBuffering")->isChecked());
  block = Block("Double Vesa");
  EXPECT_FALSE(Has(block, "flip"));
  EXPECT_TRUE(Has(block, "triple_buffering"));
  EXPECT_TRUE(Has(block, "vsync"));
  EXPECT_EQ(form->Documents.CurrentBlock, block);
  // The word goes above the block's empty line, after the commented blitter.
  EXPECT_EQ(block.back(), "");
  EXPECT_EQ(block[block.size() - 2], "vsync");

  Box("BlitterVSynch")->click();
  EXPECT_FALSE(Has(Block("Double Vesa"), "vsync"));
}

TEST_F(BlitterPageTest, PickingABlitterRemembersItOnlyForItsBuild) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document quibw = *form->Documents.QuibWDoc;
  Pick(Combo("BlittersCombo"), 2);
  EXPECT_EQ(AppTest::Line(*form->Documents.QuibDoc, "blitter"), "blitter=2");
  EXPECT_EQ(*form->Documents.QuibWDoc, quibw);

  const Document quib = *form->Documents.QuibDoc;
  ChooseTab(2);
  Pick(Combo("BlittersCombo"), 1);
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
  EXPECT_EQ(*form->Documents.QuibWDoc, quibw);
}

TEST_F(BlitterPageTest, WithoutQuibwCfgTheWindowsBlittersAreStillEdited) {
  RemoveFile("quibw.cfg");
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document quib = *form->Documents.QuibDoc;
  ChooseTab(1);
  EXPECT_EQ(Combo("BlittersCombo")->currentText(), "Normal");
  PickBlitter("Windowed");
  Pick(Combo("BlitterDriver"), 8);
  EXPECT_EQ(AppTest::Line(Block("Windowed"), "driver"), "driver=gdi");
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
}

TEST_F(BlitterPageTest, AddAppendsANewBlitterAtTheEndAndShowsIt) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  ChooseTab(1);
  const std::size_t before = form->Documents.BlitterDoc.size();
  AnswerName("My Blitter");
  Click("AddBlitterButton");
  EXPECT_EQ(asked_.count, 1);
  EXPECT_EQ(asked_.caption, "Blitter name");
  EXPECT_EQ(asked_.ok, "OK");
  EXPECT_EQ(asked_.cancel, "Cancel");
  EXPECT_EQ(asked_.startText, "");
  EXPECT_EQ(asked_.owner, form);
  EXPECT_TRUE(form->findChildren<TBlitterNameForm*>().isEmpty());

  const Document& doc = form->Documents.BlitterDoc;
  ASSERT_EQ(doc.size(), before + 5);
  EXPECT_EQ(Document(doc.end() - 5, doc.end()),
            Document({"[My Blitter::WIN]", "res=320x200", "blitter=normal", "driver=auto", ""}));
  QComboBox* list = Combo("BlittersCombo");
  EXPECT_EQ(list->currentIndex(), list->count() - 1);
  EXPECT_EQ(list->currentText(), "My Blitter");
  // Seen at once: the new lines are in the store's form.
  EXPECT_EQ(Combo("BlitterRes")->currentText(), "320x200");
  EXPECT_EQ(Combo("BlitterDriver")->currentText(), "Autodetect");
  EXPECT_EQ(AppTest::Line(*form->Documents.QuibWDoc, "blitter"), "blitter=4");
  Pick(Combo("BlitterRes"), 4);
  EXPECT_EQ(AppTest::Line(Block("My Blitter"), "res"), "res=640x480");
  EXPECT_EQ(Block("My Blitter").size(), 4u);

  // A name that exists already gives a second entry of that name.
  AnswerName("Normal");
  Click("AddBlitterButton");
  EXPECT_EQ(list->count(), 6);
  EXPECT_EQ(list->itemText(5), "Normal");

  // A pasted second line never reaches the file.
  AnswerName("Pasted\r\n[Evil::WIN]");
  Click("AddBlitterButton");
  EXPECT_EQ(form->Documents.BlitterDoc[form->Documents.BlitterDoc.size() - 5], "[Pasted::WIN]");
  EXPECT_EQ(list->count(), 7);
}

TEST_F(BlitterPageTest, CancelledOrEmptyNamesChangeNothing) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document blitters = form->Documents.BlitterDoc;
  const Document quib = *form->Documents.QuibDoc;
  AnswerName(std::nullopt);
  Click("AddBlitterButton");
  Click("RenameBlitterButton");
  AnswerName("");
  Click("AddBlitterButton");
  Click("RenameBlitterButton");
  AnswerName("Double Vesa");  // unchanged
  Click("RenameBlitterButton");
  EXPECT_EQ(asked_.count, 5);
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
  EXPECT_EQ(Combo("BlittersCombo")->currentText(), "Double Vesa");
  EXPECT_EQ(Combo("BlittersCombo")->count(), 4);
}

TEST_F(BlitterPageTest, RenameRewritesOnlyTheHeaderAndKeepsThePosition) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document block = Block("Double Vesa");
  AnswerName("Double VESA");
  Click("RenameBlitterButton");
  EXPECT_EQ(asked_.startText, "Double Vesa");
  const Document& doc = form->Documents.BlitterDoc;
  EXPECT_TRUE(Has(doc, "[Double VESA::DOS]"));
  EXPECT_FALSE(Has(doc, "[Double Vesa::DOS]"));
  QComboBox* list = Combo("BlittersCombo");
  EXPECT_EQ(list->currentIndex(), 1);
  EXPECT_EQ(list->currentText(), "Double VESA");
  EXPECT_EQ(Block("Double VESA"), block);
  EXPECT_EQ(AppTest::Line(*form->Documents.QuibDoc, "blitter"), "blitter=1");
}

TEST_F(BlitterPageTest, DeleteAsksAndStopsAtTheNextLineWithABracket) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document blitters = form->Documents.BlitterDoc;
  Click("DeleteBlitterButton");  // the double answers No, the default
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);
  const auto messages = platform_.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Please confirm blitter deletion");
  EXPECT_EQ(messages[0].text, "Are you sure you want to delete this blitter:\rDouble Vesa");
  EXPECT_EQ(messages[0].icon, platform::Icon::Question);
  EXPECT_EQ(messages[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(messages[0].defaultButton, Answer::No);

  const auto header = std::find(blitters.begin(), blitters.end(), "[Double Vesa::DOS]");
  const auto above = *(header - 1);
  platform_.queueAnswer(Answer::Yes);
  Click("DeleteBlitterButton");
  const Document& doc = form->Documents.BlitterDoc;
  const auto tv = std::find(doc.begin(), doc.end(), ";[TV mode::DOS]");
  ASSERT_NE(tv, doc.end());
  EXPECT_EQ(*(tv - 1), above);
  EXPECT_EQ(doc.size(), blitters.size() - 8);
  QComboBox* list = Combo("BlittersCombo");
  EXPECT_EQ(Items(list), QStringList({"Normal", "Scanlines", "Mode X 256"}));
  EXPECT_EQ(list->currentIndex(), 1);
  EXPECT_EQ(AppTest::Line(*form->Documents.QuibDoc, "blitter"), "blitter=1");
  EXPECT_EQ(form->Documents.CurrentBlock, Block("Scanlines"));

  // Deleting the last entry selects the new last one.
  Pick(list, 2);
  platform_.queueAnswer(Answer::Yes);
  Click("DeleteBlitterButton");
  EXPECT_EQ(Items(list), QStringList({"Normal", "Scanlines"}));
  EXPECT_EQ(list->currentIndex(), 1);
}

TEST_F(BlitterPageTest, AnEmptyListLeavesEveryHandlerHarmless) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  ChooseTab(2);
  QComboBox* list = Combo("BlittersCombo");
  for (int i = 0; i < 2; ++i) {
    platform_.queueAnswer(Answer::Yes);
    Click("DeleteBlitterButton");
  }
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_TRUE(form->Documents.CurrentBlock.empty());

  const Document blitters = form->Documents.BlitterDoc;
  const Document quib = *form->Documents.QuibDoc;
  Box("cbFullscreenStretch")->click();
  Box("BlitterVSynch")->click();
  Box("BlitterVSynch")->click();
  Pick(Combo("BlitterDriver"), 1);
  Pick(Combo("BlitterBlitter"), 2);
  Pick(Combo("BlitterRes"), 3);
  Pick(Combo("BlitterRefreshRate"), 2);
  AnswerName("Ghost");
  Click("RenameBlitterButton");
  EXPECT_EQ(asked_.count, 0);  // nothing to rename, nothing asked
  platform_.queueAnswer(Answer::Yes);
  Click("DeleteBlitterButton");
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
  EXPECT_TRUE(form->Documents.CurrentBlock.empty());

  // A stored selection outside the list shows nothing and changes nothing.
  WriteValue(*form->Documents.QuibDoc, "blitter", "9");
  ChooseTab(0);
  EXPECT_EQ(list->currentIndex(), -1);
  Pick(Combo("BlitterDriver"), 2);
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);
}

TEST_F(BlitterPageTest, UncommentMakesTheCommentedBlittersAvailableAndShowsTheBlitterAgain) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  const Document blitters = form->Documents.BlitterDoc;
  Click("UncommentBlittersButton");  // No
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);
  ASSERT_EQ(platform_.messages().size(), 1u);
  const platform::MessageRequest question = platform_.messages()[0];
  EXPECT_EQ(question.caption, "Warning");
  EXPECT_TRUE(
      question.text.startsWith("This is an automated function and should correctly "
                               "uncomment all of the blitters.\rIt works OK"));
  EXPECT_TRUE(question.text.endsWith("\r\rAre you sure you want to continue?"));
  EXPECT_EQ(question.icon, platform::Icon::Warning);
  EXPECT_EQ(question.defaultButton, Answer::No);

  platform_.queueAnswer(Answer::Yes);
  Click("UncommentBlittersButton");
  QComboBox* list = Combo("BlittersCombo");
  EXPECT_EQ(Items(list), QStringList({"Normal", "Double Vesa", "TV mode", "Scanlines",
                                      "Eagle (slow PCs beware)", "Mode X 256"}));
  EXPECT_EQ(list->currentText(), "Double Vesa");
  // The shown blitter was read again: its block ends at the new header.
  EXPECT_EQ(form->Documents.CurrentBlock, Block("Double Vesa"));
  EXPECT_FALSE(Has(form->Documents.CurrentBlock, ";res = 640x480"));
  EXPECT_EQ(Block("TV mode"),
            Document({"res=640x480", ";res = 800x600", "driver=vesa2b", "blitter=tvmode",
                      ";refresh_rate = 60", ";video_depth = 16", "vsync", ";flip", ""}));
  Box("cbFullscreenStretch")->click();
  EXPECT_FALSE(Has(Block("Double Vesa"), ";[TV mode::DOS]"));

  PickBlitter("TV mode");
  EXPECT_EQ(Combo("BlitterRes")->currentText(), "640x480");
  EXPECT_EQ(Combo("BlitterDriver")->currentText(), "Vesa 2 (banked)");
  EXPECT_TRUE(Box("BlitterVSynch")->isChecked());
}

TEST_F(BlitterPageTest, ApplyWritesTheEditedBlitterFile) {
  TForm1* form = StartPage();
  ASSERT_NE(form, nullptr);
  Box("cbFullscreenStretch")->click();
  ChooseTab(1);
  Pick(Combo("BlitterDriver"), 8);
  platform_.queueAnswer(Answer::Yes);
  QTest::mouseClick(form->ApplyButton, Qt::LeftButton);
  const std::string file = ReadFile("quib.blt");
  EXPECT_NE(file.find("[Double Vesa::DOS]\r\n; needs a VBE 2.0 card or UniVBE\r\nres=640x480\r\n"),
            std::string::npos);
  EXPECT_NE(file.find(";flip\r\nstretch\r\n\r\n[Windowed::WIN]"), std::string::npos);
  EXPECT_NE(file.find("[hq2x::WIN]\r\nres=640x480\r\ndriver=gdi\r\n"), std::string::npos);
  EXPECT_NE(ReadFile("quib.cfg").find("blitter=1\r\n"), std::string::npos);
}

TEST_F(BlitterPageTest, NameDialogIsCentredOverItsOwnerAndAnswersThroughItsHook) {
  QWidget owner;
  owner.setGeometry(101, 51, 561, 301);
  TBlitterNameForm dialog(&owner);
  EXPECT_EQ(dialog.x(), 101 + (561 - dialog.width()) / 2);
  EXPECT_EQ(dialog.y(), 51 + (301 - dialog.height()) / 2);
  EXPECT_GE(dialog.width(), 206);
  EXPECT_GE(dialog.Edit1->width(), 197);
  EXPECT_TRUE(dialog.Edit1->text().isEmpty());
  EXPECT_TRUE(dialog.Button1->isDefault());
  TBlitterNameForm::ModalHook = [](TBlitterNameForm& d) {
    d.Edit1->setText("Typed");
    return static_cast<int>(QDialog::Accepted);
  };
  EXPECT_EQ(dialog.ShowModal(), QDialog::Accepted);
  EXPECT_EQ(dialog.Edit1->text(), "Typed");
}

TEST_F(BlitterPageTest, NameDialogEnterAnswersWithTheButtonThatHasTheFocus) {
  QWidget owner;
  // Enter in the name field is OK; Enter on a focused Cancel is Cancel.
  for (const bool onCancel : {false, true}) {
    TBlitterNameForm dialog(&owner);
    QTimer::singleShot(0, &dialog, [&dialog, onCancel] {
      QWidget* target = onCancel ? static_cast<QWidget*>(dialog.Button2) : dialog.Edit1;
      target->setFocus();
      QTest::keyClick(target, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), onCancel ? QDialog::Rejected : QDialog::Accepted) << onCancel;
  }
}

}  // namespace
