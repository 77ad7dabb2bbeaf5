#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

namespace {

QString installed = "en";  // the language Install installed last

}  // namespace

QString Match(const QString& name) {
  QString norm = name.trimmed();
  norm.replace('-', '_');
  const QString lang = norm.section('_', 0, 0).toLower();
  if (lang == "en") return "en";
  // An exact name first ("pt_BR"), then the language alone ("de_AT" is "de").
  for (const char* shipped : kShipped)
    if (norm.compare(QLatin1String(shipped), Qt::CaseInsensitive) == 0) return shipped;
  for (const char* shipped : kShipped)
    if (QString(shipped).section('_', 0, 0) == lang) return shipped;
  return {};
}

QString Choose(const QString& commandLine, const QString& stored, const QStringList& system) {
  for (const QString& chosen : {commandLine, stored}) {
    if (chosen.trimmed().compare("system", Qt::CaseInsensitive) == 0) break;
    const QString code = Match(chosen);
    if (!code.isEmpty()) return code;
  }
  for (const QString& name : system) {
    const QString code = Match(name);
    if (!code.isEmpty()) return code;
  }
  return "en";
}

void Install(const QString& code) {
  installed = code;
  QCoreApplication* app = QCoreApplication::instance();
  for (QTranslator* old :
       app->findChildren<QTranslator*>("quib_translator", Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  const auto load = [app](const QString& folder, const QString& name) {
    auto* translator = new QTranslator(app);
    translator->setObjectName("quib_translator");
    if (translator->load(name, folder)) return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
  };
  // The program's texts are compiled in (English's are the plural forms of
  // its counts alone); Qt's own come with Qt (on Debian the
  // qt6-translations-l10n package) or, in a Windows build, are compiled in too.
  load(":/i18n", "quib-configurator_" + code);
  if (code == "en") return;
  if (!load(":/i18n", "qtbase_" + code))
    load(QLibraryInfo::path(QLibraryInfo::TranslationsPath), "qtbase_" + code);
}

QString Current() { return installed; }

QLocale Locale() {
  const QLocale system = QLocale::system();
  return Match(system.name()) == installed ? system : QLocale(installed);
}

}  // namespace language
