// The drawing that reuses its tables and its last picture must equal the
// step-by-step drawing for every theme, picture and effect, also across a
// series of drawings that change one colour at a time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "themes/ThemePreview.h"

namespace {

constexpr ThemeColour TQuibTheme::*kColours[] = {
    &TQuibTheme::BackgroundColor,
    &TQuibTheme::WindowBorderColor,
    &TQuibTheme::WindowTitlebarColor,
    &TQuibTheme::WindowTitlebarGradientColor,
    &TQuibTheme::MenuBackgroundColor,
    &TQuibTheme::MenuGradientColor,
    &TQuibTheme::MenuTextColor,
    &TQuibTheme::WidgetGenericBackgroundColor,
    &TQuibTheme::WidgetListboxBorderColor,
    &TQuibTheme::WidgetStatusbarBackgroundColor,
    &TQuibTheme::WidgetStatusbarTextColor,
    &TQuibTheme::WindowTextHighlightColor,
};

// Colours that are the template's keys or the gradients' keys (0xBBGGRR),
// besides plain random ones.
constexpr ThemeColour kSpecial[] = {0x8080FF, 0xFE8080, 0xC0C000, 0x0000FF, 0xFF00FF, 0x000000};

class FastPath : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::mt19937 random{12345};
  preview::PreviewContext context;
  QImage picture{64, 48, QImage::Format_RGB32};

  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Themes"));
    QFile f(dir.filePath("Themes/p.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 4, y * 5, x ^ y));
    context.emulatorDir = dir.path() + "/";
    context.resolution = "800x600";
    context.readPicture = [this](const QString&) { return picture; };
  }

  ThemeColour Colour() {
    return random() % 3 == 0 ? kSpecial[random() % std::size(kSpecial)] : random() & 0xFFFFFF;
  }

  // Draws both ways (the snow from the same numbers) and compares.
  void ExpectSame(const TQuibTheme& t) {
    auto draw = [&](auto render) {
      std::uint32_t state = 99;
      context.random = [&state] { return state = state * 1664525u + 1013904223u; };
      return render(t, context);
    };
    const QImage fast = draw(preview::RenderThemePreview);
    const QImage plain = draw(preview::RenderThemePreviewPlain);
    ASSERT_EQ(fast, plain) << "effect " << t.Effect << " mode " << t.PictureMode << " picture "
                           << t.BackgroundPicture;
  }
};

TEST_F(FastPath, SeriesOfOneColourChangesDrawsAsTheStepByStepDrawing) {
  TQuibTheme t;
  for (int i = 0; i < 300; ++i) {
    t.*kColours[random() % std::size(kColours)] = Colour();
    if (i % 7 == 0) {
      t.TitlebarGradientStart = static_cast<std::int32_t>(random() % 130) - 10;
      t.TitlebarGradientFinish = static_cast<std::int32_t>(random() % 130) - 10;
      t.MenuGradientStart = static_cast<std::int32_t>(random() % 130) - 10;
      t.MenuGradientFinish = static_cast<std::int32_t>(random() % 130) - 10;
    }
    if (i % 11 == 0) t.BackgroundPicture = t.BackgroundPicture.empty() ? "Themes/p.png" : "";
    t.PictureMode = static_cast<std::int32_t>(random() % 4);
    t.Effect = static_cast<std::int32_t>(random() % 4);
    ExpectSame(t);
  }
}

TEST_F(FastPath, AHeldDrawingIsNotOverwrittenByTheNext) {
  TQuibTheme t;
  t.BackgroundColor = 0x0000FF;
  const QImage first = preview::RenderThemePreview(t, context);
  const QImage copy = first.copy();
  t.BackgroundColor = 0x00FF00;
  const QImage second = preview::RenderThemePreview(t, context);
  EXPECT_EQ(first, copy);
  EXPECT_NE(second, first);
  EXPECT_EQ(second, preview::RenderThemePreviewPlain(t, context));
}

TEST_F(FastPath, OwnPicturesWithGreyMaskAndManyColours) {
  // A template of more colours than a palette holds, then one of few colours
  // with a mask of black, white and grey stretches.
  QImage templ(preview::kPreviewWidth, preview::kPreviewHeight, QImage::Format_RGB32);
  QImage mask(templ.size(), QImage::Format_RGB32);
  QImage console(20, 10, QImage::Format_RGB32);
  console.fill(qRgb(255, 0, 255));
  console.setPixel(3, 4, qRgb(255, 128, 128));
  console.setPixel(5, 5, qRgb(1, 2, 3));
  for (const bool many : {true, false}) {
    for (int y = 0; y < templ.height(); ++y)
      for (int x = 0; x < templ.width(); ++x) {
        const std::uint32_t keys[] = {0x00C0C0, 0xFF8080, 0x8080FE, 0xFF0000, 0x123456};
        templ.setPixel(x, y, many ? qRgb(x, y, (x * y) & 0xFF) : keys[(x / 3 + y) % 5]);
        const int band = (x / 5 + y / 3) % 3;
        mask.setPixel(x, y, band == 0 ? 0 : band == 1 ? 0xFFFFFF : 0x0F80F0);
      }
    const preview::PreviewPictures pictures = preview::MakePreviewPictures(templ, mask, console);
    context.pictures = &pictures;
    TQuibTheme t;
    t.MenuGradientStart = 10;
    t.MenuGradientFinish = 90;
    for (int i = 0; i < 40; ++i) {
      t.*kColours[random() % std::size(kColours)] = Colour();
      t.BackgroundPicture = i % 2 ? "Themes/p.png" : "";
      t.PictureMode = i % 4;
      ExpectSame(t);
    }
  }
  context.pictures = nullptr;
}

TEST_F(FastPath, GradientsOfAnyReachAndColoursDrawAsTheStepByStepDrawing) {
  // Blends that rise and fall in each channel, over bands of every width,
  // empty, reversed and clipped reaches included.
  const std::pair<ThemeColour, ThemeColour> ends[] = {{0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000},
                                                      {0xFF00FF, 0x00FF00}, {0x123456, 0x123457},
                                                      {0x010203, 0xFEFDFC}, {0x8080FF, 0xFE8080}};
  TQuibTheme t;
  for (const auto& [base, far] : ends) {
    for (std::int32_t start = -5; start <= 105; start += 11) {
      for (std::int32_t finish = -5; finish <= 105; finish += 13) {
        t.WindowTitlebarColor = base;
        t.WindowTitlebarGradientColor = far;
        t.MenuBackgroundColor = far;
        t.MenuGradientColor = base;
        t.TitlebarGradientStart = start;
        t.TitlebarGradientFinish = finish;
        t.MenuGradientStart = finish;
        t.MenuGradientFinish = start;
        t.BackgroundPicture = (start + finish) % 3 == 0 ? "Themes/p.png" : "";
        ExpectSame(t);
      }
    }
  }
}

TEST_F(FastPath, KeysGivenAGradientsKeyColourTakeTheGradient) {
  // Every key in the title bar's or the menu's key colour: the title texts,
  // menu texts and borders there take the gradient as the step-by-step
  // drawing gives it to them.
  TQuibTheme t;
  t.TitlebarGradientStart = 10;
  t.TitlebarGradientFinish = 70;
  t.WindowTitlebarColor = 0x102030;
  t.WindowTitlebarGradientColor = 0xF0E0D0;
  t.MenuGradientColor = 0x00FF00;
  for (const ThemeColour key : {0x8080FFu, 0xFE8080u}) {
    for (int i = 0; i < 12; ++i) {
      for (auto field : kColours)
        if (field != &TQuibTheme::WindowTitlebarColor &&
            field != &TQuibTheme::WindowTitlebarGradientColor &&
            field != &TQuibTheme::MenuGradientColor)
          t.*field = random() % 2 ? key : Colour();
      t.BackgroundPicture = i % 3 == 0 ? "Themes/p.png" : "";
      t.Effect = i % 4;
      ExpectSame(t);
    }
  }
}

TEST_F(FastPath, DrawingsAlternatingBetweenTemplatesKeepTheirOwnTables) {
  // Two sets of pictures drawn in turn, the theme mostly the same: what one
  // keeps of its last drawing must not colour the other's.
  QImage templ(preview::kPreviewWidth, preview::kPreviewHeight, QImage::Format_RGB32);
  for (int y = 0; y < templ.height(); ++y)
    for (int x = 0; x < templ.width(); ++x) {
      const QRgb keys[] = {qRgb(0, 0xC0, 0xC0), qRgb(0xFF, 0x80, 0x80), qRgb(0x40, 0xFF, 0x40),
                           qRgb(0x80, 0x80, 0xFE), qRgb(1, 2, 3)};
      templ.setPixel(x, y, keys[(x / 7 + y / 4) % 5]);
    }
  QImage mask(templ.size(), QImage::Format_RGB32);
  mask.fill(Qt::white);
  QImage console(30, 20, QImage::Format_RGB32);
  console.fill(qRgb(9, 8, 7));
  const preview::PreviewPictures own = preview::MakePreviewPictures(templ, mask, console);
  TQuibTheme t;
  t.MenuGradientFinish = 80;
  for (int i = 0; i < 24; ++i) {
    context.pictures = i % 2 ? &own : nullptr;
    if (i % 4 == 0) t.*kColours[random() % std::size(kColours)] = Colour();
    t.BackgroundPicture = i % 8 < 2 ? "Themes/p.png" : "";
    ExpectSame(t);
  }
  context.pictures = nullptr;
}

}  // namespace
