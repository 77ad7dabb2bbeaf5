// The window in every shipped language: every page and dialog is visited
// with each translation installed and no text may be clipped or overlap;
// once with a made-up translation that marks every text it is asked for, so
// a visible text that never went through translation stands out; the same
// edits save the same bytes in every language; and how the language is chosen.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/ChangesDialog.h"
#include "app/ConflictsDialog.h"
#include "app/Language.h"
#include "app/Links.h"
#include "app/NoticeBar.h"
#include "app/PageControl.h"
#include "app/RestoreDialog.h"
#include "app/logic/FileNameTemplate.h"
#include "app/pages/ThemePage.h"
#include "blitters/BlitterNameForm.h"
#include "tests/app/AppFixture.h"
#include "themes/ColourChooser.h"
#include "themes/ThemeEditor.h"

namespace {

using Visit = std::function<void(QWidget* window, const QString& where)>;

void Press(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
}

// Opens a modal dialog through open, and visits it from its hook.
template <class Dialog>
void VisitModal(const Visit& visit, const QString& where, const std::function<void()>& open) {
  bool seen = false;
  Dialog::ModalHook = [&](Dialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    visit(&dialog, where);
    dialog.hide();
    seen = true;
    return int(QDialog::Rejected);
  };
  open();
  Dialog::ModalHook = nullptr;
  EXPECT_TRUE(seen) << where.toStdString();
}

// Settings changed in two places: a value missing on either side, a block.
const std::vector<ConflictRow> kConflicts = {
    {"quibw.cfg", "fb_width", "320", "640", std::nullopt},
    {"quib.blt", "[Smooth::WIN]", "2\n3", std::nullopt, "4"}};

// Opens every page, the notice bar with each of its texts, the Changes and
// Restore windows, every page of the theme editor, the colour chooser, the
// name dialog and the conflicts dialog, and hands each to visit while it is
// shown and laid out.
void VisitEveryWindow(TForm1& form, const Visit& visit) {
  TPageControl* pages = form.PageControl;
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    emit pages->changedByUser(i);
    QApplication::processEvents();
    visit(&form, "page " + pages->page(i)->objectName());
  }

  // Each notice of one name and of more than it lists, with its buttons.
  const QStringList names = {"quib.cfg", "quib.blt", "quib.thm", "fb_width", "mouse_x", "mouse_y"};
  for (const qsizetype n : {1, 6})
    for (const bool undid : {false, true}) {
      const QString text = undid ? UndidNotice("quib.cfg", names.mid(0, n))
                                 : ChangedOnDiskNotice(names.mid(0, n), int(n));
      const QString act = undid ? ApplyAgainCaption() : SeeChangeCaption();
      form.Notice->Show(text, {{act, "Act", {}}, {KeepCaption(), "Keep", {}}});
      QApplication::processEvents();
      visit(&form, "notice \"" + text + "\"");
    }
  form.Notice->Dismiss();

  Press(form.findChild<QPushButton*>("ChangesButton"));
  QApplication::processEvents();
  auto* changes = form.findChild<TChangesForm*>("ChangesForm");
  ASSERT_NE(changes, nullptr);
  visit(changes, "Changes");
  Press(changes->findChild<QPushButton*>("btnRestore"));
  QApplication::processEvents();
  auto* restore = changes->findChild<TRestoreForm*>("RestoreForm");
  ASSERT_NE(restore, nullptr);
  visit(restore, "Restore");
  restore->reject();
  changes->reject();

  ThemePage* themePage = nullptr;
  for (Page* page : form.Pages())
    if (auto* theme = dynamic_cast<ThemePage*>(page)) themePage = theme;
  ASSERT_NE(themePage, nullptr);
  pages->setCurrentIndex(pages->indexOf(form.PageWidget("Theme")));
  QApplication::processEvents();
  Press(themePage->btnEditTheme());
  QApplication::processEvents();
  TThemeEditorForm* editor = themePage->ThemeEditor();
  ASSERT_NE(editor, nullptr);
  auto* editorPages = editor->findChild<QTabWidget*>("PageControl");
  ASSERT_NE(editorPages, nullptr);
  for (int i = 0; i < editorPages->count(); ++i) {
    editorPages->setCurrentIndex(i);
    QApplication::processEvents();
    visit(editor, "theme editor page " + editorPages->widget(i)->objectName());
  }

  // The modal dialogs answer through their hooks, shown meanwhile.
  VisitModal<TColourChooserForm>(visit, "colour chooser", [editor] {
    for (TColourSwatch* swatch : editor->findChildren<TColourSwatch*>())
      if (swatch->isVisible()) return QTest::mouseClick(swatch, Qt::LeftButton, {}, QPoint(3, 3));
  });
  VisitModal<TBlitterNameForm>(visit, "name dialog",
                               [editor] { Press(editor->findChild<QPushButton*>("btnSaveAs")); });
  editor->close();
  VisitModal<TConflictsForm>(visit, "conflicts dialog",
                             [&form] { AskConflicts(&form, kConflicts); });
}

// The controls of a window that show text, visible as it is now.
std::vector<QWidget*> ShownControls(QWidget* window) {
  std::vector<QWidget*> shown;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
        qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w))
      shown.push_back(w);
  }
  return shown;
}

// What a control lacks to show its whole text: empty when nothing.
QString Clipped(QWidget* w) {
  QSize need = w->minimumSizeHint();
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
    need = label->sizeHint();
    if (label->wordWrap()) need = QSize(1, label->heightForWidth(w->width()));
  } else if (auto* push = qobject_cast<QPushButton*>(w)) {
    // The style's size hint has a least width of its own; the caption needs
    // its text and the margins around it.
    if (push->text().isEmpty()) return {};
    QString caption = push->text();
    caption.replace("&&", QString(QChar(1))).remove('&').replace(QChar(1), '&');
    // Qt's own room for a caption: the button margin and the frame's two sides.
    const QStyle* style = push->style();
    const int room = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push) +
                     2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push);
    need =
        QSize(push->fontMetrics().horizontalAdvance(caption) + room, push->fontMetrics().height());
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    if (button->text().isEmpty()) return {};
    need = button->sizeHint();
  } else if (qobject_cast<QComboBox*>(w)) {
    return {};  // a drop-down shows a part of its longest item by design
  }
  if (w->width() >= need.width() && w->height() >= need.height()) return {};
  return QString("%1x%2 of %3x%4")
      .arg(w->width())
      .arg(w->height())
      .arg(need.width())
      .arg(need.height());
}

QString TextOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  return {};
}

// Two controls of one parent that show text where the other is drawn.
std::vector<QString> Overlaps(const std::vector<QWidget*>& shown) {
  std::vector<QString> found;
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      QWidget* a = shown[i];
      QWidget* b = shown[j];
      if (a->parentWidget() != b->parentWidget() || TextOf(a).isEmpty() || TextOf(b).isEmpty())
        continue;
      if (a->geometry().intersects(b->geometry()))
        found.push_back(a->objectName() + " and " + b->objectName());
    }
  return found;
}

class TranslatedLayout : public AppTest, public ::testing::WithParamInterface<const char*> {
 protected:
  ~TranslatedLayout() override { language::Install("en"); }
};

TEST_P(TranslatedLayout, EveryPageAndDialogShowsItsWholeTexts) {
  language::Install(GetParam());
  if (std::string(GetParam()) != "en") {
    // The language really is installed: the OK button speaks it.
    ASSERT_NE(QCoreApplication::translate("TForm1", "Cancel"), "Cancel");
    // So do Qt's own dialogs (the file and colour dialogs' buttons).
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  }
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  QStringList faults;
  int checked = 0;
  VisitEveryWindow(*form, [&](QWidget* window, const QString& where) {
    const std::vector<QWidget*> shown = ShownControls(window);
    checked += static_cast<int>(shown.size());
    for (QWidget* w : shown) {
      const QString lack = Clipped(w);
      if (!lack.isEmpty())
        faults << where + ": " + w->objectName() + " \"" + TextOf(w) + "\" has " + lack;
    }
    for (const QString& pair : Overlaps(shown)) faults << where + ": " + pair + " overlap";
    // Counts are filled in, in the plural form their number takes.
    static const QRegularExpression unfilled("%[n0-9]|\\(s\\)");
    for (const QPlainTextEdit* view : window->findChildren<QPlainTextEdit*>())
      if (const QRegularExpressionMatch left = unfilled.match(view->toPlainText()); left.hasMatch())
        faults << where + ": " + view->objectName() + " shows \"" + left.captured() + "\"";
  });
  EXPECT_GT(checked, 300);  // every page and dialog was really looked at
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(English, TranslatedLayout, ::testing::Values("en"));
INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedLayout, ::testing::ValuesIn(language::kShipped));

// Marks every text it is asked for with brackets around it.
class MarkingTranslator : public QTranslator {
 public:
  QString translate(const char*, const char* source, const char*, int) const override {
    return source == nullptr || *source == '\0' ? QString() : "[" + QString::fromUtf8(source) + "]";
  }
  bool isEmpty() const override { return false; }
};

// The names the emulator's files give their blocks: blitters (without the
// build after "::"), themes and the languages of the emulator's messages.
QSet<QString> NamesInFiles(const QString& dir) {
  QSet<QString> names;
  static const QRegularExpression header("^\\[([^\\]:]+)(::[^\\]]*)?\\]");
  for (const char* file : {"quib.blt", "quib.thm", "quib.msg"}) {
    QFile in(dir + file);
    if (!in.open(QIODevice::ReadOnly)) continue;
    for (const QByteArray& line : in.readAll().split('\n')) {
      const QRegularExpressionMatch match = header.match(QString::fromLatin1(line));
      if (match.hasMatch()) names << match.captured(1);
    }
  }
  return names;
}

// Texts that are data, shown as they are in every language: numbers, values
// and file names, names read from the emulator's files, the program's and the
// builds' names, people's and sites' names, the titles of pictures of games.
bool IsData(QWidget* w, const QString& text, const QSet<QString>& namesInFiles) {
  static const QRegularExpression noWords("^[^A-Za-z]*$");
  static const QRegularExpression valueOrFile(
      "^(\\d+x\\d+|\\.[a-z0-9]+|[A-Za-z0-9_ "
      ".-]+\\.[A-Za-z0-9]{2,4}|https?:.*|mailto:.*|/.*|[A-Za-z]:\\\\.*|US\\$[0-9.]+)$");
  // Names of standards, ports and cards: NTSC, PAL/SECAM, LPT1, PCI2.
  static const QRegularExpression acronym("^[A-Z]{3,}[0-9]*(/[A-Z]{3,}[0-9]*)*$");
  if (noWords.match(text).hasMatch() || valueOrFile.match(text).hasMatch() ||
      acronym.match(text).hasMatch())
    return true;
  if (namesInFiles.contains(text)) return true;
  // The formats screenshots are stored in, as the settings file names them.
  for (std::string_view format : logic::kScreenshotExtensions)
    if (text == QLatin1String(format.data(), static_cast<qsizetype>(format.size()))) return true;
  static const QStringList names = {"Quib Configurator",
                                    "Quib",
                                    "QuibW",
                                    "QuibNix",
                                    "Auto",
                                    "VGM",
                                    "WAV",
                                    links::kAuthorName,
                                    links::kQuibAuthorName,
                                    links::kCommunityName,
                                    links::kCommunityMusicName};
  if (names.contains(QString(text).remove('&'))) return true;
  // A picture of a game is named by its title.
  auto* label = qobject_cast<QLabel*>(w);
  return label != nullptr && !label->pixmap().isNull() && text == label->toolTip();
}

// Every text a control shows or offers, tool tips and what a screen reader
// is told included.
QStringList ShownTexts(QWidget* w) {
  QStringList texts{TextOf(w), w->toolTip(), w->accessibleName(), w->accessibleDescription()};
  if (auto* combo = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  if (auto* tabs = qobject_cast<QTabBar*>(w))
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  if (auto* tree = qobject_cast<QTreeWidget*>(w))
    for (int i = 0; i < tree->columnCount(); ++i) texts << tree->headerItem()->text(i);
  if (auto* table = qobject_cast<QTableWidget*>(w))
    for (int column = 0; column < table->columnCount(); ++column) {
      texts << table->horizontalHeaderItem(column)->text();
      for (int row = 0; row < table->rowCount(); ++row)
        for (const int role :
             {Qt::DisplayRole, Qt::AccessibleTextRole, Qt::AccessibleDescriptionRole})
          texts << table->item(row, column)->data(role).toString();
    }
  if (auto* pages = qobject_cast<TPageControl*>(w))
    for (int i = 0; i < pages->count(); ++i) texts << pages->tabText(i);
  if (w->isWindow()) texts << w->windowTitle();
  texts.removeAll(QString());
  return texts;
}

class PseudoTranslation : public AppTest {};

TEST_F(PseudoTranslation, EveryVisibleTextGoesThroughTranslation) {
  MarkingTranslator marking;
  QCoreApplication::installTranslator(&marking);
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  QSet<QString> namesInFiles = NamesInFiles(EmuDir());
  ASSERT_FALSE(namesInFiles.isEmpty());
  for (const ConflictRow& row : kConflicts) namesInFiles << row.setting;  // shown by name
  QStringList untranslated;
  int marked = 0;
  VisitEveryWindow(*form, [&](QWidget* window, const QString& where) {
    std::vector<QWidget*> all{window};
    for (QWidget* w : window->findChildren<QWidget*>())
      if (w->isVisibleTo(window) && w->window() == window) all.push_back(w);
    for (QWidget* w : all)
      for (const QString& text : ShownTexts(w)) {
        if (text.startsWith('[') && text.endsWith(']')) {
          ++marked;
          continue;
        }
        if (!IsData(w, text, namesInFiles))
          untranslated << where + ": " + w->metaObject()->className() + " " + w->objectName() +
                              " \"" + text + "\"";
      }
  });

  // The questions and notes the pages ask through message boxes (answered No
  // where they would change something).
  platform_.clearCalls();
  ShowPage("Blitters");
  for (const char* button : {"UncommentBlittersButton", "DeleteBlitterButton"}) {
    platform_.queueAnswer(platform::Answer::No);
    Click(Find<QPushButton>(button));
  }
  ShowPage("Theme");
  platform_.queueAnswer(platform::Answer::No);
  Click(Find<QPushButton>("UncommentThemes"));
  ShowPage("Miscellaneous");
  Click(Find<QCheckBox>("MarioIsAFatPlumber"));
  Apply();
  const std::vector<platform::MessageRequest> messages = platform_.messages();
  EXPECT_GE(messages.size(), 5u);
  for (const platform::MessageRequest& message : messages)
    for (const QString& text : {message.caption, message.text})
      if (!text.startsWith('[') || !text.endsWith(']')) untranslated << "message \"" + text + "\"";

  QCoreApplication::removeTranslator(&marking);
  untranslated.removeDuplicates();
  EXPECT_GT(marked, 300);
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join("\n").toStdString();
}

// The same edits in every language save the same bytes: translated captions
// store their words, values and numbers stay as the files write them.
class TranslatedSave : public AppTest, public ::testing::WithParamInterface<const char*> {
 protected:
  ~TranslatedSave() override { language::Install("en"); }

  std::map<QString, std::string> Files() const {
    std::map<QString, std::string> files;
    for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"})
      files[name] = ReadFile(name);
    return files;
  }

  // Picks items of translated drop-downs by their place, types numbers and
  // applies, in one language.
  std::map<QString, std::string> EditAndApply(const char* code) {
    language::Install(code);
    WriteIni("Preferred cfg file=0");  // each run starts as the first did
    if (Start() == nullptr) return {};
    ShowPage("Emulation");
    Choose(Find<QComboBox>("SpriteFlickerCombo"), 2);
    Choose(Find<QComboBox>("Country"), 1);
    Choose(Find<QComboBox>("ThreeDCombo"), 3);
    Choose(Find<QComboBox>("TVType"), 1);
    ShowPage("Sound");
    Click(Find<QCheckBox>("FM"));
    Choose(Find<QComboBox>("FMEngine"), 2);
    ShowPage("Input");
    Choose(Find<QComboBox>("JoyPadDriverCombo"), 6);
    Type(Find<QLineEdit>("MouseSpeedX"), "3");
    // The arrows keep their object names in every language.
    if (auto* up = Find<QWidget>("UpDown2")->findChild<QToolButton*>("Up"))
      Click(up);
    else
      ADD_FAILURE() << code << ": no arrow button \"Up\"";
    ShowPage("GUI");
    Choose(Find<QComboBox>("GUIDriver"), 1);
    Type(Find<QLineEdit>("FBWidth"), "1024");
    ShowPage("Blitters");
    Choose(Find<QComboBox>("BlitterBlitter"), 4);
    Choose(Find<QComboBox>("BlitterRefreshRate"), 0);
    Apply();
    const std::map<QString, std::string> saved = Files();
    Close();
    return saved;
  }
};

TEST_P(TranslatedSave, FilesAreWhatTheEnglishWindowWrites) {
  const std::map<QString, std::string> original = Files();
  const std::map<QString, std::string> english = EditAndApply("en");
  ASSERT_NE(english.at("quib.cfg"), original.at("quib.cfg"));  // the edits were saved
  ASSERT_NE(english.at("quib.blt"), original.at("quib.blt"));
  for (const auto& [name, bytes] : original) WriteFile(name, bytes);
  const std::map<QString, std::string> translated = EditAndApply(GetParam());
  for (const auto& [name, bytes] : english) {
    const QStringList want = QString::fromLatin1(bytes).split("\r\n");
    const QStringList got = QString::fromLatin1(translated.at(name)).split("\r\n");
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
      if (want.value(i) != got.value(i)) {
        ADD_FAILURE() << name.toStdString() << " line " << i + 1 << ": \""
                      << got.value(i).toStdString() << "\" where English wrote \""
                      << want.value(i).toStdString() << "\"";
        break;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedSave, ::testing::ValuesIn(language::kShipped));

// A message the window words itself keeps every letter of its language,
// whatever the system's code page (Japanese on a Western Windows).
class WindowMessage : public AppTest {
 protected:
  ~WindowMessage() override { language::Install("en"); }
};

TEST_F(WindowMessage, KeepsEveryLetterOfItsLanguage) {
  language::Install("ja");
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  form->QuibPath = EmuDir() + Native("elsewhere/");  // not the folder that was read
  platform_.clearCalls();
  Click(Find<QPushButton>("ApplyButton"));
  ASSERT_FALSE(platform_.messages().empty());
  const QString expected =
      QCoreApplication::translate(
          "TForm1", "Nothing was saved: the settings files in \"%1\" could not all be read")
          .arg(form->QuibPath);
  ASSERT_GT(expected.toUcs4().front(), 0x3000u);  // really Japanese
  EXPECT_TRUE(platform_.messages().back().text.startsWith(expected))
      << platform_.messages().back().text.toStdString();
}

// Each list's "None" agrees with the list's noun (a note tells the three
// apart): in French a sound card is feminine, a driver and an engine masculine.
class NotedCaptions : public AppTest {
 protected:
  ~NotedCaptions() override { language::Install("en"); }
};

TEST_F(NotedCaptions, AgreeWithTheirListsNoun) {
  language::Install("fr");
  WriteIni("Preferred cfg file=0");
  ASSERT_NE(Start(), nullptr);
  const struct {
    const char* list;
    const char* none;
  } lists[] = {{"Soundcard", "Aucune"}, {"JoyPadDriverCombo", "Aucun"}, {"FMEngine", "Aucun"}};
  for (const auto& list : lists) {
    const QComboBox* combo = Find<QComboBox>(list.list);
    ASSERT_TRUE(combo != nullptr && combo->count() > 0) << list.list;
    EXPECT_EQ(combo->itemText(0).toStdString(), list.none) << list.list;
  }
}

TEST(LanguageChoice, CommandLineThenSettingsFileThenSystem) {
  struct Case {
    const char* commandLine;
    const char* stored;
    QStringList system;
    const char* chosen;
  } cases[] = {
      {"", "", {"de-DE", "en-US"}, "de"},
      {"", "", {"en-GB", "fr-FR"}, "en"},  // English counts as found
      {"", "", {"it-IT", "pt-PT", "en"}, "pt_BR"},
      {"", "", {"it", "nl"}, "en"},
      {"", "", {}, "en"},
      {"fr", "de", {"es"}, "fr"},
      {"", " JA ", {"es"}, "ja"},
      {"system", "ja", {"es-MX"}, "es"},
      {"", "system", {"pt-BR"}, "pt_BR"},
      {"xx", "de", {"fr"}, "de"},  // an unknown name is passed over
      {"", "klingon", {"fr"}, "fr"},
      {"pt_br", "", {}, "pt_BR"},
      {"de_AT", "", {}, "de"},
      {"en", "de", {"fr"}, "en"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(language::Choose(c.commandLine, c.stored, c.system), c.chosen)
        << c.commandLine << " / " << c.stored << " / " << c.system.join(',').toStdString();
}

}  // namespace
