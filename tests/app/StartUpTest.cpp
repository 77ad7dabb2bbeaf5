// Start-up: what the window holds once shown, where no other test looks.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

#include "tests/app/AppFixture.h"

namespace {

using StartUp = AppTest;

// Every build and format tab carries its picture, and the Miscellaneous page
// shows its own group above the window's "Configurator settings", the Tab key
// going from the one to the other.
TEST_F(StartUp, StripPicturesAndTheMiscellaneousPage) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  for (QTabBar* strip : {form->tcGUIOS, form->tcSoundOS, form->tcBlitterOS, form->tcSoundFormat}) {
    EXPECT_GE(strip->count(), 2);
    for (int i = 0; i < strip->count(); ++i)
      EXPECT_FALSE(strip->tabIcon(i).isNull()) << strip->objectName().toStdString() << " " << i;
  }
  QLayout* misc = form->PageWidget("Miscellaneous")->layout();
  ASSERT_NE(misc, nullptr);
  ASSERT_GE(misc->count(), 2);
  EXPECT_EQ(misc->itemAt(0)->widget()->objectName(), "SegaFanboySettings");
  EXPECT_EQ(misc->itemAt(1)->widget(),
            static_cast<QWidget*>(Find<QGroupBox>("ConfiguratorSettings")));
  EXPECT_EQ(Find<QCheckBox>("MarioIsAFatPlumber")->nextInFocusChain(),
            static_cast<QWidget*>(Find<QLineEdit>("edtLocation")));
}

// The room of the pages that earlier versions kept in the cache folder is
// removed; whatever else sits there under that name is never opened (a FIFO
// would block the start) and is left alone.
TEST_F(StartUp, TheOldPageSizeRecordIsRemovedAndNothingThereIsOpened) {
  const QString cache = EmuDir() + "../cache/";
  QDir().mkpath(cache);
  platform_.setUserCacheDir(cache);
  const QString record = cache + "page-size";
  struct Case {
    const char* what;
    bool fifo;
    bool removed;
  };
  for (const Case& c : {Case{"a record", false, true}, Case{"a FIFO", true, false}}) {
    SCOPED_TRACE(c.what);
    QFile::remove(record);
    if (c.fifo) {
#ifdef _WIN32
      continue;  // Windows has no FIFOs
#else
      ASSERT_EQ(mkfifo(QFile::encodeName(record).constData(), 0600), 0);
#endif
    } else {
      QFile file(record);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("key\n548 272\n");
    }
    WriteIni();
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(!QFileInfo::exists(record) && !QFileInfo(record).isSymLink(), c.removed);
    Close();
  }
  QFile::remove(record);
}

}  // namespace
