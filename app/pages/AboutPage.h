// The About page: the program's credits with the link labels laid into the
// text, and small pictures of made-up games.
#pragma once

#include "app/Page.h"

class QLabel;
class QString;

class AboutPage : public Page {
  Q_OBJECT

 public:
  explicit AboutPage(TForm1& form);

  // Draws label as a link whose target is its hint; a click opens it.
  static void ShowAsLink(TForm1& form, QLabel* label, const QString& target);
  // Makes such a label.
  static QLabel* MakeLink(TForm1& form, QWidget* parent, const char* name, const QString& caption,
                          const QString& target);
};
