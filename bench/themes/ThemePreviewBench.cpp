// The preview is redrawn on every step of the theme editor's sliders: time a
// drawing without a picture (each effect), and with a 1600 x 1200 PNG
// background in each mode, first drawing (decode) and redraw (cached).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "imaging/PictureReader.h"
#include "themes/ThemePreview.h"

namespace {

TQuibTheme Theme() {
  TQuibTheme t;
  ReadTheme(t, {"background_color=#102040", "window_titlebar_color=#3050A0",
                "window_titlebar_gradient=20%-80% #A0C0FF", "menu_background_color=#203040",
                "menu_gradient=0%-100% #506070"});
  return t;
}

// The emulator directory with Themes/big.png, made once.
const QString& EmulatorDir() {
  static QTemporaryDir dir;
  static const QString path = [] {
    QDir(dir.path()).mkdir("Themes");
    QImage big(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(big.scanLine(y));
      for (int x = 0; x < big.width(); ++x) line[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    big.save(dir.filePath("Themes/big.png"));
    return dir.path() + "/";
  }();
  return path;
}

void NoPicture(benchmark::State& state) {
  TQuibTheme t = Theme();
  t.Effect = static_cast<std::int32_t>(state.range(0));
  preview::BuiltInPictures();
  for (auto _ : state) benchmark::DoNotOptimize(preview::RenderThemePreview(t, {}));
}
BENCHMARK(NoPicture)->DenseRange(0, 3)->ArgName("effect")->Unit(benchmark::kMicrosecond);

void PictureFirstDrawing(benchmark::State& state) {
  TQuibTheme t = Theme();
  t.BackgroundPicture = "Themes/big.png";
  t.PictureMode = static_cast<std::int32_t>(state.range(0));
  preview::PreviewContext context;
  context.emulatorDir = EmulatorDir();
  context.resolution = "800x600";
  for (auto _ : state) {
    preview::CachedPictureReader fresh(imaging::ReadPicture);
    context.readPicture = std::ref(fresh);
    benchmark::DoNotOptimize(preview::RenderThemePreview(t, context));
  }
}
BENCHMARK(PictureFirstDrawing)->DenseRange(0, 3)->ArgName("mode")->Unit(benchmark::kMillisecond);

void PictureRedraw(benchmark::State& state) {
  TQuibTheme t = Theme();
  t.BackgroundPicture = "Themes/big.png";
  t.PictureMode = static_cast<std::int32_t>(state.range(0));
  preview::PreviewContext context;
  context.emulatorDir = EmulatorDir();
  context.resolution = "800x600";
  preview::CachedPictureReader cached(imaging::ReadPicture);
  context.readPicture = std::ref(cached);
  preview::RenderThemePreview(t, context);
  for (auto _ : state) benchmark::DoNotOptimize(preview::RenderThemePreview(t, context));
}
BENCHMARK(PictureRedraw)->DenseRange(0, 3)->ArgName("mode")->Unit(benchmark::kMicrosecond);

}  // namespace
