#include "app/pages/AboutPage.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <utility>

#include "app/Links.h"
#include "app/Unit1.h"
#include "imaging/PictureReader.h"
#include "ui_AboutPage.h"

namespace {

// Opens a link label's target when it is clicked with the left button.
class LinkClick : public QObject {
 public:
  LinkClick(TForm1& form, QLabel* label) : QObject(label), form_(form), label_(label) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      form_.URL1Click(label_);
      return true;
    }
    return false;
  }

 private:
  TForm1& form_;
  QLabel* label_;
};

}  // namespace

void AboutPage::ShowAsLink(TForm1& form, QLabel* label, const QString& target) {
  label->setTextFormat(Qt::PlainText);
  label->setToolTip(target);
  label->setCursor(Qt::PointingHandCursor);
  label->setAttribute(Qt::WA_TranslucentBackground);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label->setPalette(palette);
  label->installEventFilter(new LinkClick(form, label));
}

QLabel* AboutPage::MakeLink(TForm1& form, QWidget* parent, const char* name, const QString& caption,
                            const QString& target) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  ShowAsLink(form, label, target);
  return label;
}

AboutPage::AboutPage(TForm1& form) : Page(form, form.PageWidget("About")) {
  Ui::AboutPage ui;
  ui.setupUi(page_);

  QFont big = ui.Title->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  ui.Title->setFont(big);

  // The names behind three links are kept with their addresses.
  ui.Email1->setText(links::kAuthorName);
  ui.Label32->setText(links::kQuibAuthorName);
  ui.Label39->setText(links::kCommunityName);
  // The file targets are set at start-up, once the folders are known.
  const std::pair<QLabel*, const char*> targets[] = {
      {ui.Email1, links::kAuthorMail},  {ui.Label32, links::kQuibAuthorMail},
      {ui.URL1, links::kAuthorWebsite}, {ui.Label39, links::kCommunitySite},
      {ui.URL3, links::kQuibHomepage},  {ui.lblReadme, nullptr},
      {ui.lblQuibTxt, nullptr},         {ui.lblQuibWTxt, nullptr}};
  for (const auto& [label, target] : targets) ShowAsLink(form, label, QString::fromUtf8(target));

  // Pictures of made-up games, each named by its hint; a place no picture
  // fills is left out.
  QLabel* const places[] = {ui.imgGame1, ui.imgGame2, ui.imgGame3};
  int n = 0;
  QFile captions(":/about/captions.txt");
  if (captions.open(QIODevice::ReadOnly | QIODevice::Text)) {
    while (!captions.atEnd() && n < 3) {
      const QString line = QString::fromUtf8(captions.readLine()).trimmed();
      const int split = line.indexOf('=');
      if (line.isEmpty() || split < 0) continue;
      const QPixmap picture =
          QPixmap::fromImage(imaging::ReadBuiltIn(":/about/" + line.left(split)));
      if (picture.isNull()) continue;
      places[n]->setPixmap(picture);
      places[n]->setToolTip(line.mid(split + 1).trimmed());
      ++n;
    }
  }
  for (; n < 3; ++n) delete places[n];
}
