// The page classes of the main window, one per page group in app/pages/.
#include "app/Page.h"
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

Page::Page(PageContext& context, QWidget* page) : QObject(page), context_(context), page_(page) {}

std::vector<Page*> CreatePages(PageContext& context) {
  // A braced list is built from left to right: the pages come in fill order.
  return {new AboutPage(context),     new DonatePage(context),    new BlitterPage(context),
          new DebuggingPage(context), new EmulationPage(context), new GuiPage(context),
          new InputPage(context),     new MessagesPage(context),  new MiscPage(context),
          new TemplatesPage(context), new SoundPage(context),     new ThemePage(context)};
}
