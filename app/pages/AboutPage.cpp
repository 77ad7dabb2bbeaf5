#include "app/pages/AboutPage.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/Links.h"
#include "app/Unit1.h"
#include "imaging/PictureReader.h"

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

QLabel* Text(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QHBoxLayout* Row(QVBoxLayout* column) {
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  column->addLayout(row);
  return row;
}

}  // namespace

QLabel* AboutPage::MakeLink(TForm1& form, QWidget* parent, const char* name, const QString& caption,
                            const QString& target) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
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
  return label;
}

AboutPage::AboutPage(TForm1& form) : Page(form, form.PageWidget("About")) {
  auto* layout = new QHBoxLayout(page_);
  layout->setContentsMargins(12, 10, 12, 10);

  auto* about = new QWidget(page_);
  about->setObjectName("AboutText");
  auto* column = new QVBoxLayout(about);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);

  QLabel* title = Text(about, "Quib Configurator");
  QFont big = title->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  title->setFont(big);
  column->addWidget(title);
  column->addWidget(Text(about, tr("for Quib and QuibW 0.72 WIP")));

  auto* credits = Row(column);
  credits->addWidget(Text(about, tr("Written by ")));
  credits->addWidget(MakeLink(form, about, "Email1", links::kAuthorName, links::kAuthorMail));
  credits->addStretch(1);
  auto* quibCredits = Row(column);
  quibCredits->addWidget(Text(about, tr("Quib itself is the work of ")));
  quibCredits->addWidget(
      MakeLink(form, about, "Label32", links::kQuibAuthorName, links::kQuibAuthorMail));
  quibCredits->addStretch(1);
  column->addSpacing(10);

  auto* linkRow = Row(column);
  linkRow->addWidget(Text(about, tr("Links: ")));
  linkRow->addWidget(MakeLink(form, about, "URL1", tr("My website"), links::kAuthorWebsite));
  linkRow->addWidget(Text(about, " - "));
  linkRow->addWidget(
      MakeLink(form, about, "Label39", links::kCommunityName, links::kCommunitySite));
  linkRow->addWidget(Text(about, " - "));
  linkRow->addWidget(MakeLink(form, about, "URL3", tr("Quib homepage"), links::kQuibHomepage));
  linkRow->addStretch(1);

  // The file targets are set at start-up, once the folders are known.
  auto* docRow = Row(column);
  docRow->addWidget(Text(about, tr("Documentation: ")));
  docRow->addWidget(MakeLink(form, about, "lblReadme", "readme.txt", QString()));
  docRow->addStretch(1);
  auto* quibRow = Row(column);
  quibRow->addWidget(Text(about, tr("Quib: ")));
  quibRow->addWidget(MakeLink(form, about, "lblQuibTxt", "Quib.txt", QString()));
  quibRow->addWidget(Text(about, " - "));
  quibRow->addWidget(MakeLink(form, about, "lblQuibWTxt", "QuibW.txt", QString()));
  quibRow->addStretch(1);
  column->addSpacing(10);

  QLabel* thanks =
      Text(about, tr("Thanks to everyone who tested it, drew themes and sent in blitters."));
  thanks->setWordWrap(true);
  column->addWidget(thanks);
  column->addStretch(1);
  layout->addWidget(about, 1);

  // Pictures of made-up games, each named by its hint.
  auto* pictures = new QVBoxLayout;
  pictures->setSpacing(6);
  QFile captions(":/about/captions.txt");
  if (captions.open(QIODevice::ReadOnly | QIODevice::Text)) {
    int n = 0;
    while (!captions.atEnd() && n < 3) {
      const QString line = QString::fromUtf8(captions.readLine()).trimmed();
      const int split = line.indexOf('=');
      if (line.isEmpty() || split < 0) continue;
      const QPixmap picture =
          QPixmap::fromImage(imaging::ReadBuiltIn(":/about/" + line.left(split)));
      if (picture.isNull()) continue;
      auto* image = new QLabel(page_);
      image->setObjectName(QString("imgGame%1").arg(++n));
      image->setPixmap(picture);
      image->setToolTip(line.mid(split + 1).trimmed());
      pictures->addWidget(image);
    }
  }
  pictures->addStretch(1);
  layout->addLayout(pictures);
}
