// The page classes of the main window. Each page group lives in app/pages/;
// a page whose class is not there yet simply shows nothing.
#include <initializer_list>
#include <utility>

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

std::vector<PageMaker> PageMakers() {
  std::vector<PageMaker> makers;
  auto add = [&](std::initializer_list<const char*> tabs, PageMaker::Make make) {
    makers.push_back({std::vector<const char*>(tabs), std::move(make)});
  };
#if __has_include("app/pages/AboutPage.h")
  add({"About"}, [](TForm1& form) -> Page* { return new AboutPage(form); });
#endif
#if __has_include("app/pages/DonatePage.h")
  add({"TabSheet2"}, [](TForm1& form) -> Page* { return new DonatePage(form); });
#endif
#if __has_include("app/pages/BlitterPage.h")
  add({"Blitters"}, [](TForm1& form) -> Page* { return new BlitterPage(form); });
#endif
#if __has_include("app/pages/DebuggingPage.h")
  add({"TabSheet1"}, [](TForm1& form) -> Page* { return new DebuggingPage(form); });
#endif
#if __has_include("app/pages/EmulationPage.h")
  add({"Emulation"}, [](TForm1& form) -> Page* { return new EmulationPage(form); });
#endif
#if __has_include("app/pages/GuiPage.h")
  add({"GUI"}, [](TForm1& form) -> Page* { return new GuiPage(form); });
#endif
#if __has_include("app/pages/InputPage.h")
  add({"Input"}, [](TForm1& form) -> Page* { return new InputPage(form); });
#endif
#if __has_include("app/pages/MessagesPage.h")
  add({"Messages"}, [](TForm1& form) -> Page* { return new MessagesPage(form); });
#endif
#if __has_include("app/pages/MiscPage.h")
  add({"Miscellaneous"}, [](TForm1& form) -> Page* { return new MiscPage(form); });
#endif
#if __has_include("app/pages/TemplatesPage.h")
  add({"Screenshots", "SoundLogging"},
      [](TForm1& form) -> Page* { return new TemplatesPage(form); });
#endif
#if __has_include("app/pages/SoundPage.h")
  add({"Sound"}, [](TForm1& form) -> Page* { return new SoundPage(form); });
#endif
#if __has_include("app/pages/ThemePage.h")
  add({"Theme"}, [](TForm1& form) -> Page* { return new ThemePage(form); });
#endif
  return makers;
}
