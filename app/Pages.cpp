// The page classes of the main window, one per page group in app/pages/.
#include "app/Page.h"
#include "app/Unit1.h"
#include "app/pages/AboutPage.h"
#include "app/pages/BlitterPage.h"
#include "app/pages/DebuggingPage.h"
#include "app/pages/DonatePage.h"
#include "app/pages/EmulationPage.h"
#include "app/pages/GuiPage.h"
#include "app/pages/InputPage.h"
#include "app/pages/MessagesPage.h"
#include "app/pages/MiscPage.h"
#include "app/pages/SoundPage.h"
#include "app/pages/TemplatesPage.h"
#include "app/pages/ThemePage.h"

Page::Page(TForm1& form, QWidget* page) : QObject(page), form_(form), page_(page) {}

std::vector<Page*> CreatePages(TForm1& form) {
  // A braced list is built from left to right: the pages come in fill order.
  return {new AboutPage(form),     new DonatePage(form),    new BlitterPage(form),
          new DebuggingPage(form), new EmulationPage(form), new GuiPage(form),
          new InputPage(form),     new MessagesPage(form),  new MiscPage(form),
          new TemplatesPage(form), new SoundPage(form),     new ThemePage(form)};
}
