// The preview is redrawn on every step of the theme editor's sliders: time a
// drawing without a picture (each effect), and with a 1600 x 1200 PNG
// background in each mode, first drawing (decode) and redraw (cached). The
// "VsFloor" benchmarks time a drawing alternately with its floor and report
// the ratio of the medians: without a picture, one pass that touches each of
// the 297 x 192 pixels; with a cached picture, the nearest-pixel scaling of
// that picture into the same rectangle alone.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

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

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

template <typename F>
double Seconds(F&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(benchmark::State& state, const std::vector<double>& drawing,
            const std::vector<double>& floor) {
  const double d = Median(drawing), f = Median(floor);
  state.counters["drawing_us"] = d * 1e6;
  state.counters["floor_us"] = f * 1e6;
  state.counters["ratio"] = f > 0 ? d / f : 0;
}

// One pass over the preview's pixels: each written once from the template.
QImage OnePass() {
  const QImage& templ = preview::BuiltInPictures().templ;
  QImage out(preview::kPreviewWidth, preview::kPreviewHeight, QImage::Format_RGB32);
  for (int y = 0; y < preview::kPreviewHeight; ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(templ.constScanLine(y));
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < preview::kPreviewWidth; ++x) row[x] = src[x] | 0xFF000000u;
  }
  return out;
}

void NoPictureVsFloor(benchmark::State& state) {
  TQuibTheme t = Theme();
  t.Effect = static_cast<std::int32_t>(state.range(0));
  preview::BuiltInPictures();
  std::vector<double> drawing, floor;
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) {
      drawing.push_back(
          Seconds([&] { benchmark::DoNotOptimize(preview::RenderThemePreview(t, {})); }));
      floor.push_back(Seconds([&] { benchmark::DoNotOptimize(OnePass()); }));
    }
  }
  Report(state, drawing, floor);
}
BENCHMARK(NoPictureVsFloor)->DenseRange(0, 3)->ArgName("effect")->Unit(benchmark::kMicrosecond);

// As a colour slider moves: every drawing has another background colour (the
// template's largest key) or, with arg 1, another colour for every key.
void ColourStepVsFloor(benchmark::State& state) {
  TQuibTheme t = Theme();
  preview::BuiltInPictures();
  std::vector<double> drawing, floor;
  ThemeColour step = 0;
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) {
      ++step;
      t.BackgroundColor = step & 0xFFFFFF;
      if (state.range(0) == 1) {
        t.WindowBorderColor = t.WindowTextColor = t.MenuTextColor = (step * 7) & 0xFFFFFF;
        t.WidgetGenericBackgroundColor = t.WidgetListboxBackgroundColor = (step * 13) & 0xFFFFFF;
        t.WindowBackgroundColor = t.BackgroundGridColor = (step * 17) & 0xFFFFFF;
      }
      drawing.push_back(
          Seconds([&] { benchmark::DoNotOptimize(preview::RenderThemePreview(t, {})); }));
      floor.push_back(Seconds([&] { benchmark::DoNotOptimize(OnePass()); }));
    }
  }
  Report(state, drawing, floor);
}
BENCHMARK(ColourStepVsFloor)->DenseRange(0, 1)->ArgName("many")->Unit(benchmark::kMicrosecond);

// As a gradient's slider moves: every drawing has another title bar start and
// menu gradient colour.
void GradientStepVsFloor(benchmark::State& state) {
  TQuibTheme t = Theme();
  preview::BuiltInPictures();
  std::vector<double> drawing, floor;
  std::int32_t step = 0;
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) {
      ++step;
      t.TitlebarGradientStart = step % 60;
      t.MenuGradientColor = static_cast<ThemeColour>(step * 0x010203) & 0xFFFFFF;
      drawing.push_back(
          Seconds([&] { benchmark::DoNotOptimize(preview::RenderThemePreview(t, {})); }));
      floor.push_back(Seconds([&] { benchmark::DoNotOptimize(OnePass()); }));
    }
  }
  Report(state, drawing, floor);
}
BENCHMARK(GradientStepVsFloor)->Unit(benchmark::kMicrosecond);

// A theme switch (or a theme's first drawing): every drawing has another of
// eight themes, each colour and gradient of its own, with arg 1 a snowing one.
void ThemeSwitchVsFloor(benchmark::State& state) {
  std::vector<TQuibTheme> themes(8);
  std::uint32_t seed = 7;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (TQuibTheme& t : themes) {
    for (auto field : kThemeColourFields) t.*field = next() >> 8;
    t.TitlebarGradientStart = static_cast<std::int32_t>(next() % 50);
    t.TitlebarGradientFinish = 50 + static_cast<std::int32_t>(next() % 50);
    t.MenuGradientStart = static_cast<std::int32_t>(next() % 50);
    t.MenuGradientFinish = 50 + static_cast<std::int32_t>(next() % 50);
    t.Effect = state.range(0) == 1 ? 3 : 0;
  }
  preview::BuiltInPictures();
  std::vector<double> drawing, floor;
  std::size_t which = 0;
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) {
      const TQuibTheme& t = themes[which++ % themes.size()];
      drawing.push_back(
          Seconds([&] { benchmark::DoNotOptimize(preview::RenderThemePreview(t, {})); }));
      floor.push_back(Seconds([&] { benchmark::DoNotOptimize(OnePass()); }));
    }
  }
  Report(state, drawing, floor);
}
BENCHMARK(ThemeSwitchVsFloor)->DenseRange(0, 1)->ArgName("snow")->Unit(benchmark::kMicrosecond);

// The picture scaled by nearest pixels into the rectangle the mode gives it
// (as much as lies on the preview), nothing else.
QImage ScaleAlone(const QImage& picture, const preview::Rect& r, const preview::Rect& clip) {
  QImage out(preview::kPreviewWidth, preview::kPreviewHeight, QImage::Format_RGB32);
  const int left = std::max(clip.left, 0), right = std::min(clip.right, preview::kPreviewWidth);
  const int top = std::max(clip.top, 0), bottom = std::min(clip.bottom, preview::kPreviewHeight);
  const std::int64_t rw = r.right - r.left, rh = r.bottom - r.top;
  const std::int64_t pw = picture.width(), ph = picture.height();
  std::vector<int> column(static_cast<std::size_t>(std::max(right - left, 0)));
  for (int x = left; x < right; ++x)
    column[static_cast<std::size_t>(x - left)] = static_cast<int>(
        std::clamp<std::int64_t>((2 * ((x - r.left) % rw) + 1) * pw / (2 * rw), 0, pw - 1));
  for (int y = top; y < bottom; ++y) {
    const std::int64_t sy =
        std::clamp<std::int64_t>((2 * ((y - r.top) % rh) + 1) * ph / (2 * rh), 0, ph - 1);
    const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(sy)));
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = left; x < right; ++x) row[x] = src[column[static_cast<std::size_t>(x - left)]];
  }
  return out;
}

void RedrawVsFloor(benchmark::State& state) {
  TQuibTheme t = Theme();
  t.BackgroundPicture = "Themes/big.png";
  t.PictureMode = static_cast<std::int32_t>(state.range(0));
  preview::PreviewContext context;
  context.emulatorDir = EmulatorDir();
  context.resolution = "800x600";
  preview::CachedPictureReader cached(imaging::ReadPicture);
  context.readPicture = std::ref(cached);
  preview::RenderThemePreview(t, context);
  const QImage picture = cached(EmulatorDir() + "Themes/big.png");
  const auto place =
      preview::PlacePicture(t.PictureMode, 800, 600, picture.width(), picture.height());
  std::vector<double> drawing, floor;
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) {
      drawing.push_back(
          Seconds([&] { benchmark::DoNotOptimize(preview::RenderThemePreview(t, context)); }));
      floor.push_back(Seconds(
          [&] { benchmark::DoNotOptimize(ScaleAlone(picture, place->picture, place->mask)); }));
    }
  }
  Report(state, drawing, floor);
}
BENCHMARK(RedrawVsFloor)->DenseRange(0, 3)->ArgName("mode")->Unit(benchmark::kMicrosecond);

}  // namespace
