// The small pictures on the page tabs and on the tab strips: cells of 16 by 16
// pixels cut from a strip picture, with magenta as the transparent colour.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// A list of 16 by 16 images with magenta as the transparent colour.
using ImageList = std::vector<QPixmap>;

// Reads each strip picture once: a file of that name beside the program (any
// letter case, the exact spelling first), else the built-in one.
class StripPictures {
 public:
  // Fills the list with the cells of the strip's row; an empty or unreadable
  // strip leaves the list as it is.
  void LoadImageStrip(const QString& name, ImageList& list, int row);

 private:
  QImage Strip(const QString& name);

  std::map<QString, QImage> read_;
  QString dir_;
  std::optional<QStringList> files_;  // the program folder's pictures, once listed
};

// Tab i of a page control or tab strip shows image i (none past the list).
template <typename Tabs>
void SetTabImages(Tabs* tabs, const ImageList& list) {
  for (int i = 0; i < tabs->count(); ++i) {
    const auto cell = static_cast<std::size_t>(i);
    tabs->setTabIcon(i, cell < list.size() ? QIcon(list[cell]) : QIcon());
  }
}

// The same for the page tabs.
template <typename Pages>
void SetPageImages(Pages* control, const ImageList& list) {
  SetTabImages(control, list);
}
