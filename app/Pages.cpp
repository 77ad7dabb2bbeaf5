// The page classes of the main window. Each page group lives in app/pages/;
// a page whose class is not there yet simply shows nothing.
#include "app/Page.h"
#include "app/Unit1.h"

#if __has_include("app/pages/AboutPage.h")
#include "app/pages/AboutPage.h"
#endif
#if __has_include("app/pages/DonatePage.h")
#include "app/pages/DonatePage.h"
#endif
#if __has_include("app/pages/BlitterPage.h")
#include "app/pages/BlitterPage.h"
#endif
#if __has_include("app/pages/DebuggingPage.h")
#include "app/pages/DebuggingPage.h"
#endif
#if __has_include("app/pages/EmulationPage.h")
#include "app/pages/EmulationPage.h"
#endif
#if __has_include("app/pages/GuiPage.h")
#include "app/pages/GuiPage.h"
#endif
#if __has_include("app/pages/InputPage.h")
#include "app/pages/InputPage.h"
#endif
#if __has_include("app/pages/MessagesPage.h")
#include "app/pages/MessagesPage.h"
#endif
#if __has_include("app/pages/MiscPage.h")
#include "app/pages/MiscPage.h"
#endif
#if __has_include("app/pages/TemplatesPage.h")
#include "app/pages/TemplatesPage.h"
#endif
#if __has_include("app/pages/SoundPage.h")
#include "app/pages/SoundPage.h"
#endif
#if __has_include("app/pages/ThemePage.h")
#include "app/pages/ThemePage.h"
#endif

Page::Page(TForm1& form, QWidget* page) : QObject(page), form_(form), page_(page) {}

std::vector<Page*> CreatePages(TForm1& form) {
  std::vector<Page*> pages;
#if __has_include("app/pages/AboutPage.h")
  pages.push_back(new AboutPage(form));
#endif
#if __has_include("app/pages/DonatePage.h")
  pages.push_back(new DonatePage(form));
#endif
#if __has_include("app/pages/BlitterPage.h")
  pages.push_back(new BlitterPage(form));
#endif
#if __has_include("app/pages/DebuggingPage.h")
  pages.push_back(new DebuggingPage(form));
#endif
#if __has_include("app/pages/EmulationPage.h")
  pages.push_back(new EmulationPage(form));
#endif
#if __has_include("app/pages/GuiPage.h")
  pages.push_back(new GuiPage(form));
#endif
#if __has_include("app/pages/InputPage.h")
  pages.push_back(new InputPage(form));
#endif
#if __has_include("app/pages/MessagesPage.h")
  pages.push_back(new MessagesPage(form));
#endif
#if __has_include("app/pages/MiscPage.h")
  pages.push_back(new MiscPage(form));
#endif
#if __has_include("app/pages/TemplatesPage.h")
  pages.push_back(new TemplatesPage(form));
#endif
#if __has_include("app/pages/SoundPage.h")
  pages.push_back(new SoundPage(form));
#endif
#if __has_include("app/pages/ThemePage.h")
  pages.push_back(new ThemePage(form));
#endif
  return pages;
}
