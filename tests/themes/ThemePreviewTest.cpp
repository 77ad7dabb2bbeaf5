#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "themes/ThemePreview.h"

namespace {

using preview::kPreviewHeight;
using preview::kPreviewWidth;
using preview::PreviewContext;
using preview::Rect;

// 0xRRGGBB as written in the template to a theme colour.
ThemeColour FromRgb(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}
std::uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// A theme that paints every element in its own key colour.
TQuibTheme KeyTheme() {
  TQuibTheme t;
  t.BackgroundColor = FromRgb(0x00C0C0);
  t.BackgroundGridColor = FromRgb(0x008080);
  t.WindowBorderColor = FromRgb(0xFF0000);
  t.WindowBackgroundColor = FromRgb(0xFFC0C0);
  t.WindowTitlebarTextColor = FromRgb(0x400000);
  t.WindowTitlebarTextUnactiveColor = FromRgb(0xFF4040);
  t.WindowTextColor = FromRgb(0x800000);
  t.WindowTextHighlightColor = FromRgb(0x0000FF);
  t.WindowSeparatorsColor = FromRgb(0xC00000);
  t.MenuBackgroundColor = FromRgb(0x008000);
  t.MenuBorderColor = FromRgb(0x004000);
  t.MenuSelectionColor = FromRgb(0x00C000);
  t.MenuTextColor = FromRgb(0x40FF40);
  t.MenuTextUnactiveColor = FromRgb(0xC0FFC0);
  t.WidgetGenericBackgroundColor = FromRgb(0x000080);
  t.WidgetGenericSelectionColor = FromRgb(0xC0C0FF);
  t.WidgetGenericBorderColor = FromRgb(0x000040);
  t.WidgetGenericTextColor = FromRgb(0x8080FF);
  t.WidgetGenericTextUnactiveColor = FromRgb(0x007000);
  t.WidgetListboxBackgroundColor = FromRgb(0xC0C000);
  t.WidgetListboxBorderColor = FromRgb(0xFF00FF);
  t.WidgetListboxSelectionColor = FromRgb(0x808000);
  t.WidgetListboxTextColor = FromRgb(0xFFFF00);
  t.WidgetScrollbarBackgroundColor = FromRgb(0xFFC0FF);
  t.WidgetScrollbarScrollerColor = FromRgb(0x800080);
  t.WidgetStatusbarBackgroundColor = FromRgb(0xFFA000);
  t.WidgetStatusbarBorderColor = FromRgb(0xFFE0C0);
  t.WidgetStatusbarTextColor = FromRgb(0x885300);
  t.WindowTitlebarColor = t.WindowTitlebarGradientColor = FromRgb(0xFF8080);
  t.MenuGradientColor = FromRgb(0x8080FE);
  t.TitlebarGradientFinish = t.MenuGradientFinish = 100;
  t.PictureMode = -1;
  return t;
}

// Same size and same colour in every pixel; names the first difference.
::testing::AssertionResult SameImage(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (At(a, x, y) != At(b, x, y))
        return ::testing::AssertionFailure() << "first difference at " << x << "," << y << ": "
                                             << std::hex << At(a, x, y) << " vs " << At(b, x, y);
  return ::testing::AssertionSuccess();
}

QImage Render(const TQuibTheme& t, const PreviewContext& c = {}) {
  return preview::RenderThemePreview(t, c);
}

// The menu gradient's base is MenuBackgroundColor, which also paints the menu
// bar: no one theme gives both their key colours, so the open menu is checked
// with a second theme whose menu background is the open menu's key.
TEST(Preview, KeyThemeReproducesTemplateWithConsole) {
  const auto& pics = preview::BuiltInPictures();
  ASSERT_EQ(pics.templ.size(), QSize(kPreviewWidth, kPreviewHeight));
  ASSERT_EQ(pics.console.size(), QSize(93, 59));
  QImage expected = pics.templ.copy();
  for (int y = 0; y < 59; ++y)
    for (int x = 0; x < 93; ++x)
      if (At(pics.console, x, y) != 0xFF00FF) {
        expected.setPixel(166 + x, 14 + y, pics.console.pixel(x, y));
      }
  TQuibTheme menu = KeyTheme();
  menu.MenuBackgroundColor = FromRgb(0x8080FE);
  const QImage withMenu = Render(menu);
  QImage image = Render(KeyTheme());
  for (int y = 11; y < 77; ++y)
    for (int x = 6; x < 74; ++x) image.setPixel(x, y, withMenu.pixel(x, y));
  EXPECT_TRUE(SameImage(image, expected));
}

TEST(Preview, MaskIsWhiteExactlyOverBackgroundAndGrid) {
  const auto& pics = preview::BuiltInPictures();
  int white = 0;
  for (int y = 0; y < kPreviewHeight; ++y)
    for (int x = 0; x < kPreviewWidth; ++x) {
      const std::uint32_t t = At(pics.templ, x, y);
      const bool background = t == 0x00C0C0 || t == 0x008080;
      ASSERT_EQ(At(pics.mask, x, y), background ? 0xFFFFFFu : 0u) << x << "," << y;
      white += background;
      if (background) {
        ASSERT_TRUE(y >= 11 && y <= 180);
      }
    }
  EXPECT_GT(white, 20000);
  // The grid runs on x = 10 + 11k and y = 21 + 11k where background shows.
  EXPECT_EQ(At(pics.templ, 10, 100), 0x008080u);
  EXPECT_EQ(At(pics.templ, 11, 100), 0x00C0C0u);
  EXPECT_EQ(At(pics.templ, 240, 21), 0x008080u);
}

class Gradient : public ::testing::Test {
 protected:
  TQuibTheme t = KeyTheme();
  void SetUp() override {
    t.WindowTitlebarColor = 0;                 // black
    t.WindowTitlebarGradientColor = 0xFF0000;  // blue 255
    t.WindowTitlebarTextColor = FromRgb(0x123456);
  }
};

TEST_F(Gradient, BlendStartsAtBaseAndNeverReachesFar) {
  const QImage image = Render(t);
  EXPECT_EQ(At(image, 82, 28), 0u);
  EXPECT_EQ(At(image, 168, 28), static_cast<std::uint32_t>(255 * 86 / 87));
  for (int x = 82; x < 169; ++x) EXPECT_NE(At(image, x, 28), 0x0000FFu) << x;
  // Memory Editor: 131 columns, blue 0 to 255 without overflow.
  EXPECT_EQ(At(image, 95, 113), 0u);
  EXPECT_EQ(At(image, 225, 113), static_cast<std::uint32_t>(255 * 130 / 131));
  for (int x = 96; x < 226; ++x) EXPECT_GE(At(image, x, 113), At(image, x - 1, 113)) << x;
  // The left-hand window's bar starts outside the picture: column 0 is at 60/128.
  EXPECT_EQ(At(image, 0, 106), static_cast<std::uint32_t>(255 * 60 / 128));
  // Title text keeps its own colour.
  EXPECT_EQ(At(preview::BuiltInPictures().templ, 84, 30), 0x400000u);
  EXPECT_EQ(At(image, 84, 30), 0x123456u);
}

TEST_F(Gradient, RedRoundsTowardBaseGreenDown) {
  t.WindowTitlebarColor = 0x0080FF;          // red 255, green 0x80
  t.WindowTitlebarGradientColor = 0x00FF00;  // red 0, green 0xFF
  const QImage image = Render(t);
  // Column 83: i = 1 of 87: red 255 - 255/87 (toward base) = 253, green 0x80 + 127/87 = 0x81.
  EXPECT_EQ(At(image, 83, 28), 0xFD8100u);
}

TEST_F(Gradient, EqualAndCrossedPercentages) {
  t.TitlebarGradientStart = 30;
  t.TitlebarGradientFinish = 30;
  QImage image = Render(t);
  EXPECT_EQ(At(image, 107, 28), 0u);
  EXPECT_EQ(At(image, 108, 28), 0x0000FFu);
  t.TitlebarGradientStart = 70;
  image = Render(t);
  EXPECT_EQ(At(image, 141, 28), 0u);
  EXPECT_EQ(At(image, 142, 28), 0x0000FFu);
  // Out of range is drawn as 0 and 100.
  t.TitlebarGradientStart = -50;
  t.TitlebarGradientFinish = 400;
  EXPECT_TRUE(SameImage(Render(t), [&] {
    TQuibTheme u = t;
    u.TitlebarGradientStart = 0;
    u.TitlebarGradientFinish = 100;
    return Render(u);
  }()));
}

TEST_F(Gradient, ColourEqualToTheKeyJoinsTheGradient) {
  t.WindowTitlebarTextColor = FromRgb(0xFF8080);
  const QImage image = Render(t);
  EXPECT_NE(At(image, 84, 30), 0x8080FFu);
  EXPECT_EQ(At(image, 84, 30), At(image, 84, 28));
}

TEST(Preview, MenuGradientRunsTopToBottom) {
  TQuibTheme t = KeyTheme();
  t.MenuBackgroundColor = 0;
  t.MenuGradientColor = 0x0000FF;  // red 255
  const QImage image = Render(t);
  EXPECT_EQ(At(image, 6, 11), 0u);
  EXPECT_EQ(At(image, 6, 76), static_cast<std::uint32_t>(255 * 65 / 66) << 16);
  EXPECT_EQ(At(image, 73, 40), At(image, 6, 40));
}

TEST(Placement, ExamplesFor800x600) {
  auto r = preview::PlacePicture(1, 800, 600, 256, 192);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->picture, (Rect{53, 35, 243, 158}));
  EXPECT_EQ(r->mask, r->picture);
  r = preview::PlacePicture(3, 800, 600, 256, 192);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->picture, (Rect{101, 65, 196, 126}));
  r = preview::PlacePicture(2, 800, 600, 256, 192);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->picture, (Rect{0, 11, 95, 72}));
  EXPECT_EQ(r->mask, (Rect{0, 11, 297, 181}));
  for (const int W : {320, 800, 1600})
    EXPECT_EQ(preview::PlacePicture(0, W, 480, 10, 10)->picture, (Rect{0, 11, 297, 181}));
  // Halves go to the even neighbour: (800 - 288) * 297 / 1600 = 95.04;
  // 4x3 screen, 2x1 picture centred: (4 - 2) * 297 / 8 = 74.25, 148.5 -> 148.
  EXPECT_EQ(preview::PlacePicture(3, 4, 3, 2, 1)->picture.right, 74 + 148);
  EXPECT_FALSE(preview::PlacePicture(2, 100000, 600, 10, 10));  // tile below one pixel
  EXPECT_FALSE(preview::PlacePicture(4, 800, 600, 10, 10));
  EXPECT_FALSE(preview::PlacePicture(0, 800, 600, 0, 10));
  // stretch_int: F at least 1 even when the screen is smaller than the picture.
  EXPECT_EQ(preview::PlacePicture(1, 100, 50, 256, 192)->picture.right -
                preview::PlacePicture(1, 100, 50, 256, 192)->picture.left,
            760);
}

TEST(Placement, ResolutionText) {
  using P = std::pair<int, int>;
  EXPECT_EQ(preview::ParseResolution("800x600"), P(800, 600));
  EXPECT_EQ(preview::ParseResolution(" 1024 x 768 "), P(1024, 768));
  for (const char* bad : {"800X600", "0x600", "800x0", "800x", "x600", "", "800x600x", "-8x6",
                          "800x60000000000", "99999999999x600", "axb"})
    EXPECT_FALSE(preview::ParseResolution(bad)) << bad;
  EXPECT_EQ(preview::ParseResolution("8x4294967296"), std::nullopt);  // beyond 32 bits
  EXPECT_EQ(preview::ParseResolution("8x123456789"), P(8, 123456789));
}

// What the theme draws without its console picture.
QImage NoConsole(const TQuibTheme& theme) {
  QImage image = Render(theme);
  const QImage& templ = preview::BuiltInPictures().templ;
  for (int y = 14; y < 14 + 59; ++y)
    for (int x = 166; x < 166 + 93; ++x) image.setPixel(x, y, templ.pixel(x, y));
  return image;
}

// A theme with a background picture that exists on disk; the picture itself
// comes from the injected reader.
class WithPicture : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  TQuibTheme t = KeyTheme();
  QImage picture{256, 192, QImage::Format_RGB32};
  int reads = 0;
  PreviewContext context;

  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Themes"));
    QFile f(dir.filePath("Themes/p.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int y = 0; y < 192; ++y)
      for (int x = 0; x < 256; ++x) picture.setPixel(x, y, qRgb(x, y, 7));
    t.BackgroundPicture = "Themes/p.png";
    context.emulatorDir = dir.path() + "/";
    context.resolution = "800x600";
    context.readPicture = [this](const QString& name) {
      ++reads;
      EXPECT_EQ(name, dir.path() + "/Themes/p.png");
      return picture;
    };
  }
};

TEST_F(WithPicture, PicturesGoOnlyWhereTheClippedMaskIsWhite) {
  const QImage plain = Render(KeyTheme());
  const auto& mask = preview::BuiltInPictures().mask;
  for (const int mode : {0, 1, 2, 3}) {
    t.PictureMode = mode;
    const QImage image = Render(t, context);
    const auto place = preview::PlacePicture(mode, 800, 600, 256, 192);
    const Rect m = place->mask;
    for (int y = 0; y < kPreviewHeight; ++y)
      for (int x = 0; x < kPreviewWidth; ++x) {
        const bool inside = x >= m.left && x < m.right && y >= m.top && y < m.bottom;
        const bool shows = inside && At(mask, x, y) == 0xFFFFFF;
        // The picture's blue is 7, which no key colour of the plain render has
        // on the background; the console is not drawn when there is a picture.
        if (shows) {
          ASSERT_EQ(At(image, x, y) & 0xFF, 7u) << mode << ": " << x << "," << y;
        } else if (!(x >= 166 && x < 259 && y >= 14 && y < 73)) {
          ASSERT_EQ(image.pixel(x, y), plain.pixel(x, y)) << mode << ": " << x << "," << y;
        }
      }
  }
}

TEST_F(WithPicture, StretchCoversRows11To180AndTilesRepeat) {
  t.PictureMode = 0;
  QImage image = Render(t, context);
  EXPECT_EQ(At(image, 0, 11), 0x000007u);     // picture's top left
  EXPECT_EQ(At(image, 296, 180) & 0xFF, 7u);  // near its bottom right
  EXPECT_EQ(At(image, 0, 10), At(Render(KeyTheme()), 0, 10));
  t.PictureMode = 2;
  image = Render(t, context);
  // Tiles of 95 x 61 at x 0, 95, 190, ... and y 11, 72, 133, ...: wherever the
  // background shows at two places one tile apart, they show the same pixel.
  EXPECT_EQ(At(image, 0, 11) & 0xFF, 7u);
  const QImage& mask = preview::BuiltInPictures().mask;
  int compared = 0;
  for (int y = 11; y + 61 < 181; ++y)
    for (int x = 0; x + 95 < kPreviewWidth; ++x) {
      if (At(mask, x, y) == 0xFFFFFF && At(mask, x + 95, y) == 0xFFFFFF) {
        ASSERT_EQ(image.pixel(x, y), image.pixel(x + 95, y)) << x << "," << y;
        ++compared;
      }
      if (At(mask, x, y) == 0xFFFFFF && At(mask, x, y + 61) == 0xFFFFFF) {
        ASSERT_EQ(image.pixel(x, y), image.pixel(x, y + 61)) << x << "," << y;
        ++compared;
      }
    }
  EXPECT_GT(compared, 5000);
  EXPECT_NE(image.pixel(0, 11), image.pixel(94, 11));
}

TEST_F(WithPicture, MissingFileAsksOnceAndDrawsNeitherPictureNorConsole) {
  t.BackgroundPicture = "Themes/gone.png";
  QStringList asked;
  context.pictureMissing = [&](const QString& name) { asked << name; };
  const QImage image = Render(t, context);
  EXPECT_EQ(asked, QStringList{"Themes/gone.png"});
  EXPECT_EQ(reads, 0);
  EXPECT_TRUE(SameImage(image, NoConsole(KeyTheme())));
}

TEST_F(WithPicture, BadResolutionOrUnreadablePictureDrawsNoPicture) {
  const QImage bare = NoConsole(KeyTheme());
  for (const char* res : {"800X600", "0x600", "banana"}) {
    context.resolution = res;
    EXPECT_TRUE(SameImage(Render(t, context), bare)) << res;
  }
  context.resolution = "800x600";
  picture = QImage();
  EXPECT_TRUE(SameImage(Render(t, context), bare));
  t.PictureMode = 7;  // a mode beyond the table
  picture = QImage(4, 4, QImage::Format_RGB32);
  EXPECT_TRUE(SameImage(Render(t, context), bare));
}

TEST_F(WithPicture, CachedReaderDecodesOnceWhileTheFileIsUnchanged) {
  preview::CachedPictureReader cached(context.readPicture);
  context.readPicture = std::ref(cached);
  t.PictureMode = 1;
  const QImage first = Render(t, context);
  const QImage second = Render(t, context);
  EXPECT_TRUE(SameImage(first, second));
  EXPECT_EQ(cached.Reads(), 1);
  QFile f(dir.filePath("Themes/p.png"));
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write("more");
  f.close();
  Render(t, context);
  EXPECT_EQ(cached.Reads(), 2);
}

TEST(Preview, LockSkipsDrawingAndIsReleasedAfterFailures) {
  preview::PreviewLock lock;
  TQuibTheme t = KeyTheme();
  {
    auto hold = lock.Acquire();
    EXPECT_EQ(lock.Tag(), 1);
    EXPECT_FALSE(preview::DrawThemePreview(lock, t, {}));
    { auto inner = lock.Acquire(); }
    EXPECT_TRUE(lock.Locked());
  }
  EXPECT_EQ(lock.Tag(), 0);
  EXPECT_TRUE(preview::DrawThemePreview(lock, t, {}));
  EXPECT_EQ(lock.Tag(), 0);

  QTemporaryDir dir;
  QFile(dir.filePath("p.png")).open(QIODevice::WriteOnly);
  PreviewContext context;
  context.emulatorDir = dir.path() + "/";
  context.resolution = "640x480";
  t.BackgroundPicture = "p.png";
  context.readPicture = [&](const QString&) -> QImage {
    EXPECT_EQ(lock.Tag(), 1);  // held while drawing
    throw std::runtime_error("decoder failed");
  };
  EXPECT_THROW(preview::DrawThemePreview(lock, t, context), std::runtime_error);
  EXPECT_EQ(lock.Tag(), 0);
  t.BackgroundPicture = "gone.png";
  context.pictureMissing = [](const QString&) { throw std::runtime_error("dialog failed"); };
  EXPECT_THROW(preview::DrawThemePreview(lock, t, context), std::runtime_error);
  EXPECT_EQ(lock.Tag(), 0);
}

TEST(Preview, MissingPictureQuestion) {
  const auto q = preview::MissingPictureQuestion("Themes/forest.png");
  EXPECT_EQ(q.caption, "Picture not found");
  EXPECT_EQ(q.text,
            "This theme should have a background picture:\rThemes/forest.png\rbut it's not "
            "there.\rYou may need to download the theme pictures from the Quib "
            "website.\r\rShow this message again?");
  EXPECT_EQ(q.buttons, platform::Buttons::YesNo);
  EXPECT_EQ(q.icon, platform::Icon::Information);
}

TEST(Effects, BloodAndHearts) {
  TQuibTheme t = KeyTheme();
  t.WindowBorderColor = 0x010101;
  t.WindowBackgroundColor = 0x020202;
  t.WidgetStatusbarBackgroundColor = 0x030303;
  t.WidgetGenericSelectionColor = 0x040404;
  t.Effect = 1;
  QImage image = Render(t);
  EXPECT_EQ(At(image, 52, 57), 0x010101u);
  EXPECT_EQ(At(image, 161, 104), 0x020202u);
  EXPECT_EQ(At(image, 171, 103), 0x030303u);
  EXPECT_EQ(At(image, 158, 102), 0x040404u);
  t.Effect = 2;
  image = Render(t);
  const QImage none = [&] {
    TQuibTheme u = t;
    u.Effect = 0;
    return Render(u);
  }();
  int changed = 0;
  for (int y = 0; y < kPreviewHeight; ++y)
    for (int x = 0; x < kPreviewWidth; ++x)
      if (image.pixel(x, y) != none.pixel(x, y)) {
        ++changed;
        EXPECT_EQ(At(image, x, y), 0x030303u);
      }
  EXPECT_GT(changed, 60);
  EXPECT_EQ(At(image, 220 + 3, 15 + 6), 0x030303u);  // the heart's tip
  EXPECT_NE(At(image, 220, 15), 0x030303u);          // its top left corner stays
  EXPECT_NE(At(image, 220 + 3, 15), 0x030303u);      // the notch between the lobes
}

TEST(Effects, SnowStaysOffTheLastRowAndColumn) {
  TQuibTheme t = KeyTheme();
  t.Effect = 3;
  const QImage none = [&] {
    TQuibTheme u = t;
    u.Effect = 0;
    return Render(u);
  }();
  // The largest values the source can give land on column 295 and row 190.
  PreviewContext context;
  int calls = 0;
  context.random = [&] {
    ++calls;
    return calls % 2 ? 295u + 296u * 1000u : 190u + 191u * 7u;
  };
  QImage image = Render(t, context);
  EXPECT_EQ(calls, 2 * 501);
  EXPECT_EQ(At(image, 295, 190), 0xFFFFFFu);
  // With the clock-seeded source: at most 501 new white pixels, never on the
  // last row or column.
  for (int run = 0; run < 3; ++run) {
    image = Render(t);
    int flakes = 0;
    for (int y = 0; y < kPreviewHeight; ++y)
      for (int x = 0; x < kPreviewWidth; ++x)
        if (image.pixel(x, y) != none.pixel(x, y)) {
          ++flakes;
          EXPECT_EQ(At(image, x, y), 0xFFFFFFu);
          EXPECT_LT(x, kPreviewWidth - 1);
          EXPECT_LT(y, kPreviewHeight - 1);
        }
    EXPECT_GT(flakes, 300);
    EXPECT_LE(flakes, 501);
  }
}

}  // namespace
