// The time of a backup set as the window shows it: recorded in UTC, shown in
// local time as the window's language writes dates and times.
#include <QByteArray>
#include <ctime>

#include "app/Language.h"
#include "app/Text.h"
#include "store/Backups.h"
#include "tests/app/AppFixture.h"

namespace {

void ReadZone() {
#ifdef _WIN32
  _tzset();
#else
  tzset();
#endif
}

// Nine hours ahead of UTC, written as both C libraries read a zone ("JST-9"
// is Japan's time), and the window in German (the fixture brings the
// application the translators go into).
class ShownTimeTest : public AppTest {
 protected:
  ShownTimeTest() : hadZone_(qEnvironmentVariableIsSet("TZ")), zone_(qgetenv("TZ")) {
    qputenv("TZ", "JST-9");
    ReadZone();
    language::Install("de");
  }
  ~ShownTimeTest() override {
    if (hadZone_)
      qputenv("TZ", zone_);
    else
      qunsetenv("TZ");
    ReadZone();
    language::Install("en");
  }

 private:
  bool hadZone_;
  QByteArray zone_;
};

TEST_F(ShownTimeTest, RecordedUtcTimeShowsAsLocalTimeInTheWindowsLanguage) {
  backups::BackupSet set;
  // Late on the 7th in UTC is the next morning in Japan.
  set.stamp = "2026-12-07T23-59-12.042Z";
  EXPECT_EQ(ShownTime(set), "08.12.26 08:59:12");
  // A time that cannot be read is shown as recorded.
  set.stamp = "2026-13-07T23-59-12.042Z";
  EXPECT_EQ(ShownTime(set), "2026-13-07T23-59-12.042Z");
}

}  // namespace
