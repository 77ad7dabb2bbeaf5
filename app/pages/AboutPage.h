// The About page: the program's credits with the link labels laid into the
// text, and small pictures of made-up games.
#pragma once

#include "app/Page.h"

class AboutPage : public Page {
  Q_OBJECT

 public:
  explicit AboutPage(PageContext& context);
};
