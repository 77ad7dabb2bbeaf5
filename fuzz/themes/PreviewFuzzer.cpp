// The preview renderer with random themes, screen resolutions and pictures of
// any size: it must draw the whole preview and nothing else, draw the same
// twice from the same random source, place pictures of any size, and draw as
// the step-by-step drawing does, also after a drawing of another theme.
#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "themes/ThemePreview.h"

namespace {

const QTemporaryDir& Scratch() {
  static const QTemporaryDir dir = [] {
    QTemporaryDir d;
    QDir().mkpath(d.filePath(QStringLiteral("Themes")));
    QFile(d.filePath(QStringLiteral("Themes/p.png"))).open(QIODevice::WriteOnly);
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string resolution = input.ConsumeRandomLengthString(16);
  TQuibTheme theme;
  // Colours now and then equal to the gradients' keys (0xBBGGRR).
  auto colour = [&]() -> ThemeColour {
    const auto v = input.ConsumeIntegral<std::uint32_t>();
    return v % 5 == 0 ? (v & 8 ? 0x8080FF : 0xFE8080) : v & 0xFFFFFF;
  };
  for (auto field : kThemeColourFields) theme.*field = colour();
  theme.TitlebarGradientStart = input.ConsumeIntegral<std::int32_t>();
  theme.TitlebarGradientFinish = input.ConsumeIntegral<std::int32_t>();
  theme.MenuGradientStart = input.ConsumeIntegral<std::int32_t>();
  theme.MenuGradientFinish = input.ConsumeIntegral<std::int32_t>();
  theme.PictureMode = input.ConsumeIntegralInRange(-1, 4);
  theme.Effect = input.ConsumeIntegralInRange(-1, 4);
  if (input.ConsumeBool()) theme.BackgroundPicture = "Themes/p.png";

  // Placing pictures of any size a reader gives (one row of 2^26 pixels is
  // within the allocation limit) on screens of any size.
  const int mode = input.ConsumeIntegralInRange(-1, 4);
  const int W = input.ConsumeIntegral<std::int32_t>(), H = input.ConsumeIntegral<std::int32_t>();
  const int pw = input.ConsumeIntegralInRange(-1, 1 << 26),
            ph = input.ConsumeIntegralInRange(-1, 1 << 26);
  if (const auto place = preview::PlacePicture(mode, W, H, pw, ph)) {
    if (W <= 0 || H <= 0 || pw <= 0 || ph <= 0) std::abort();
  }

  const int width = input.ConsumeIntegralInRange(1, 40),
            height = input.ConsumeIntegralInRange(1, 40);
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, input.ConsumeIntegral<std::uint32_t>());
  const std::uint32_t seed = input.ConsumeIntegral<std::uint32_t>();

  preview::PreviewContext context;
  context.emulatorDir = Scratch().path() + u'/';
  context.resolution =
      QString::fromLatin1(resolution.data(), static_cast<qsizetype>(resolution.size()));
  context.readPicture = [&](const QString&) { return picture; };
  auto draw = [&] {
    std::uint32_t state = seed;
    context.random = [&state] { return state = state * 1664525u + 1013904223u; };
    return preview::RenderThemePreview(theme, context);
  };
  const QImage first = draw();
  if (first.width() != preview::kPreviewWidth || first.height() != preview::kPreviewHeight)
    std::abort();
  if (draw() != first) std::abort();
  auto plain = [&] {
    std::uint32_t state = seed;
    context.random = [&state] { return state = state * 1664525u + 1013904223u; };
    return preview::RenderThemePreviewPlain(theme, context);
  };
  if (plain() != first) std::abort();
  // One colour changed, drawn after the last drawing was let go.
  theme.*kThemeColourFields[input.ConsumeIntegralInRange<std::size_t>(
             0, std::size(kThemeColourFields) - 1)] = colour();
  const QImage before = first.copy();
  if (draw() != plain() || first != before) std::abort();
  return 0;
}
