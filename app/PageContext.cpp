#include "app/PageContext.h"

#include "app/ConfiguratorSettings.h"

Document* PageContext::PreferredDocument() const {
  return Documents.PreferredOf(ConfiguratorSettings->PreferIndex());
}

KeyScope PageContext::Shared() const {
  KeyScope scope;
  scope.document = [this] { return PreferredDocument(); };
  scope.write = [this](std::string_view key, std::string_view value) {
    Documents.WriteValueToBoth(key, value);
  };
  return scope;
}
