// The theme preview: a 297 x 192 picture of the emulator's interface in the
// colours of one theme, made from a template whose every themed element is
// painted in a key colour of its own. The key colours are replaced by the
// theme's, the gradients laid over the title bars and the open menu, the
// background picture placed where the template shows background, and the
// effect painted on top.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Platform.h"
#include "themes/KeyColourMap.h"
#include "themes/QuibTheme.h"

namespace preview {

inline constexpr int kPreviewWidth = 297;
inline constexpr int kPreviewHeight = 192;

// The template, its mask and the console picture, in QImage::Format_RGB32,
// with the key colours of the template found once.
struct PreviewPictures {
  QImage templ;       // 297 x 192
  QImage mask;        // 297 x 192, white over the background, black elsewhere
  QImage console;     // drawn at 166, 14 without its magenta pixels
  KeyColourMap keys;  // the template's key colours, by row of the key table
  // The template (with and without the console) as tiles of a few pixels, each
  // a few palette slots (a key, a fixed colour, a gradient's column or row), so
  // that a drawing paints the few hundred kinds of tile and copies them out.
  std::shared_ptr<const struct SlotTable> slotTable;
};

// Converts the three pictures and indexes the template's key colours.
PreviewPictures MakePreviewPictures(const QImage& templ, const QImage& mask, const QImage& console);
// The pictures compiled into the program (loaded once).
const PreviewPictures& BuiltInPictures();

// Gives the picture of a full file name (Format_RGB32), null when unreadable.
using PictureReader = std::function<QImage(const QString& fileName)>;

// Keeps the pictures read last while their files (path, size, modification
// time) stay the same, up to budgetBytes of pictures in all: the least recently
// used goes first, and a picture larger than the whole budget is not kept. At
// most kMaxEntries files are remembered (unreadable ones too).
class CachedPictureReader {
 public:
  static constexpr qint64 kDefaultBudget = qint64{64} << 20;
  static constexpr std::size_t kMaxEntries = 16;

  explicit CachedPictureReader(PictureReader inner, qint64 budgetBytes = kDefaultBudget);
  QImage operator()(const QString& fileName);
  int Reads() const { return reads_; }  // how often the inner reader ran
  qint64 CachedBytes() const { return bytes_; }

 private:
  struct Entry {
    QString path;
    qint64 size = -1;
    qint64 modified = 0;
    QImage picture;
  };
  PictureReader inner_;
  qint64 budget_;
  std::list<Entry> entries_;  // the most recently used first
  qint64 bytes_ = 0;
  int reads_ = 0;
};

// The process-wide cached reader over imaging::ReadPicture.
QImage ReadPictureCached(const QString& fileName);

struct PreviewContext {
  QString emulatorDir;                        // the emulator directory, ending with a separator
  QString resolution;                         // the interface resolution text, e.g. «800x600»
  const PreviewPictures* pictures = nullptr;  // built-in pictures when null
  PictureReader readPicture;                  // ReadPictureCached when empty
  // Called (at most once per drawing) with the theme's stored picture name
  // when that file does not exist; the caller asks MissingPictureQuestion
  // while MissingPictureWarning is on.
  std::function<void(const QString& storedName)> pictureMissing;
  // The random source of the snow; a generator seeded from the clock at every
  // drawing when empty.
  std::function<std::uint32_t()> random;
};

// Draws the theme. Never fails: what cannot be drawn (a missing or unreadable
// picture, a resolution that is not two positive whole numbers around a
// lower-case "x") is left out.
QImage RenderThemePreview(const TQuibTheme& theme, const PreviewContext& context);
// The same drawing step by step (key colours, gradients, console, picture,
// effect), each over the whole picture: what RenderThemePreview must equal.
QImage RenderThemePreviewPlain(const TQuibTheme& theme, const PreviewContext& context);

// What a drawing does about the background picture before drawing anything:
// when the theme names a picture file that does not exist, its stored name
// goes to context.pictureMissing. Returns whether the picture is there (true
// also for a theme without one).
bool CheckPicture(const TQuibTheme& theme, const PreviewContext& context);

// The preview's redraw lock (the tag of the preview image): while held, no
// drawing happens. Holds nest and are released on every exit path.
class PreviewLock {
 public:
  class Hold {
   public:
    explicit Hold(PreviewLock& lock) : lock_(lock) { ++lock_.depth_; }
    ~Hold() { --lock_.depth_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    PreviewLock& lock_;
  };

  bool Locked() const { return depth_ != 0; }
  int Tag() const { return Locked() ? 1 : 0; }
  [[nodiscard]] Hold Acquire() { return Hold(*this); }

 private:
  int depth_ = 0;
};

// Draws unless the lock is held (then nothing, and no question is asked); the
// lock is held while drawing and released whatever happens.
std::optional<QImage> DrawThemePreview(PreviewLock& lock, const TQuibTheme& theme,
                                       const PreviewContext& context);

// The question shown when the theme's picture file is missing ("Picture not
// found", Yes/No, information icon). Answering No turns the warning off.
platform::MessageRequest MissingPictureQuestion(const QString& storedName);

// ---- The geometry, for the renderer and its tests ----

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool operator==(const Rect&) const = default;
};

// Width and height from a resolution text (spaces ignored); nothing unless
// both are positive whole numbers around the first lower-case "x".
std::optional<std::pair<int, int>> ParseResolution(const QString& text);

// Where a pw x ph picture goes on the preview for a W x H screen: the picture's
// rectangle (for tile the one tile at 0, 11) and the rectangle of the mask that
// lets it through. Nothing when a size is not positive or the mode unknown.
struct Placement {
  Rect picture;
  Rect mask;
};
std::optional<Placement> PlacePicture(int mode, int W, int H, int pw, int ph);

}  // namespace preview
