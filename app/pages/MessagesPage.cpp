#include "app/pages/MessagesPage.h"

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/FileNameTemplate.h"
#include "app/logic/WordTables.h"

MessagesPage::MessagesPage(PageContext& context) : Page(context, context.PageWidget("Messages")) {
  ui.setupUi(page_);
  // Names are shown with spaces and stored with "*" for each of them.
  bind_.Combo(
      ui.LanguagesCombo, "language", context.Shared(),
      [this](const std::string& stored) { return logic::LanguageIndex(languages_, stored); },
      [this](int index) -> std::optional<std::string> {
        if (index < 0 || static_cast<std::size_t>(index) >= languages_.size()) return std::nullopt;
        return logic::SpacesToStars(languages_[static_cast<std::size_t>(index)]);
      });
  bind_.Check(ui.ProdNum, "show_product_number", context.Shared());
  bind_.Check(ui.FSMessages, "show_messages_fullscreen", context.Shared());
}

void MessagesPage::ListLanguages() {
  Document msg;
  LoadDocument(msg, context_.QuibFile("quib.msg"));
  languages_ = logic::LanguageNames(msg);
  ui.LanguagesCombo->clear();
  for (const std::string& name : languages_) ui.LanguagesCombo->addItem(ToQ(name));
}

void MessagesPage::Fill(FillStep step) {
  switch (step) {
    case FillStep::MessagesAndNes:
      bind_.Fill({ui.ProdNum, ui.FSMessages});
      break;
    case FillStep::Languages:
      ListLanguages();
      bind_.Fill({ui.LanguagesCombo});
      break;
    default:
      break;
  }
}
