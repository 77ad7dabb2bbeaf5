#include "app/pages/AboutPage.h"

#include <QFile>
#include <QLabel>
#include <utility>

#include "app/Links.h"
#include "app/PageContext.h"
#include "controls/LinkLabel.h"
#include "imaging/PictureReader.h"
#include "ui_AboutPage.h"

AboutPage::AboutPage(PageContext& context) : Page(context, context.PageWidget("About")) {
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
  for (const auto& [label, target] : targets)
    ShowAsLink(label, QString::fromUtf8(target),
               [&context](QLabel* link) { context.URL1Click(link); });

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
