#include "app/ChangesDialog.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <optional>

#include "app/RestoreDialog.h"
#include "app/Text.h"
#include "platform/Platform.h"
#include "store/ZIniReader.h"

namespace {

// The system's fixed-pitch font, so that the line numbers and the lines stay
// in columns; where that font is missing and another takes its place (Wine
// without its fonts, a sparse Linux system), the first fixed-pitch family
// installed.
QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontInfo(font).fixedPitch()) return font;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isFixedPitch(family) || QFontDatabase::isPrivateFamily(family)) continue;
    font.setFamilies({family});
    if (QFontInfo(font).fixedPitch()) return font;
  }
  return font;
}

// A file's bytes, or nothing when it does not exist. Throws FileError(Open).
std::optional<std::string> ReadDisk(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return std::nullopt;
  return ReadFileBytes(path);
}

QString Number(int n) { return QLocale::c().toString(n); }

// Every count goes through the translations' plural forms (%n); English has
// its own two forms in translations/quib-configurator_en.ts.
QString LineCount(int count) { return TChangesForm::tr("%n line(s)", nullptr, count); }

// Lines added and removed, each part agreeing with its own count.
QString AddedRemoved(int added, int removed) {
  //: Two counts of lines side by side: "%n line(s) added" and "%n removed".
  return TChangesForm::tr("%1, %2").arg(TChangesForm::tr("%n line(s) added", nullptr, added),
                                        TChangesForm::tr("%n removed", nullptr, removed));
}

// changes::DescribeShare in the window's language.
QString ShareText(int changed, int shown) {
  return TChangesForm::tr("at least %n line(s) change(s)", nullptr, changed) +
         TChangesForm::tr("; the first %n is/are shown", nullptr, shown);
}

QString FileHeading(const changes::FileDiff& diff, bool changedOnDisk) {
  QString what;
  if (diff.unchanged)
    what = TChangesForm::tr("unchanged");
  else if (!diff.onDisk)
    what = TChangesForm::tr("new file, %n line(s)", nullptr, diff.newLines);
  else if (diff.partial)
    what = ShareText(changes::ChangedLines(diff), changes::ShownChangedLines(diff));
  else if (diff.added == 0 && diff.removed == 0)
    what = TChangesForm::tr("line ends only");
  else
    what = AddedRemoved(diff.added, diff.removed);
  return (changedOnDisk ? TChangesForm::tr("%1 (changed on disk since it was loaded): %2")
                        : TChangesForm::tr("%1: %2"))
      .arg(ToQ(diff.name), what);
}

QString EndingName(changes::Ending ending) {
  switch (ending) {
    case changes::Ending::CrLf:
      return "CR LF";
    case changes::Ending::Lf:
      return "LF";
    case changes::Ending::Cr:
      return "CR";
    case changes::Ending::None:
      break;
  }
  return {};
}

// changes::DescribeEndings in the window's language.
QString EndingsText(const changes::EndingChange& change) {
  QString text;
  if (change.from == changes::Ending::None)
    text = TChangesForm::tr("Missing line ends become %1: %2");
  else if (change.to == changes::Ending::None)
    text = TChangesForm::tr("%1 line ends are dropped: %2");
  else
    text = TChangesForm::tr("%1 line ends become %3: %2");
  const QString from = EndingName(change.from == changes::Ending::None ? change.to : change.from);
  text = text.arg(from, LineCount(change.lines));
  return text.contains("%3") ? text.arg(EndingName(change.to)) : text;
}

// changes::Summary in the window's language.
QString SummaryText(const std::vector<changes::FileDiff>& files) {
  int changed = 0, added = 0, removed = 0, changedLines = 0, shownLines = 0;
  bool partial = false;
  for (const changes::FileDiff& file : files) {
    if (file.unchanged) continue;
    ++changed;
    added += file.added;
    removed += file.removed;
    changedLines += changes::ChangedLines(file);
    shownLines += changes::ShownChangedLines(file);
    partial = partial || file.partial;
  }
  const int total = static_cast<int>(files.size());
  if (changed == 0)
    return total == 1 ? TChangesForm::tr("The file stays as it is.")
                      : TChangesForm::tr("All %n file(s) stay as they are.", nullptr, total);
  const QString what = partial ? ShareText(changedLines, shownLines) : AddedRemoved(added, removed);
  if (total == 1)
    return TChangesForm::tr("1 of 1 file changes: %1").arg(what) + TChangesForm::tr(".");
  //: %n files change out of %1 (the files read); %2 says how.
  return TChangesForm::tr("%n of %1 files change: %2", nullptr, changed).arg(Number(total), what) +
         TChangesForm::tr(".");
}

// Appends one line of the diff view with its colours. The lines form one edit,
// so that the view lays them out once they are all there (and then only those
// on screen) rather than line by line.
class DiffWriter {
 public:
  explicit DiffWriter(QPlainTextEdit* edit) : cursor_(edit->document()) {
    cursor_.movePosition(QTextCursor::End);
    cursor_.beginEditBlock();
  }
  ~DiffWriter() { cursor_.endEditBlock(); }
  DiffWriter(const DiffWriter&) = delete;
  DiffWriter& operator=(const DiffWriter&) = delete;
  void Line(const QString& text, const QColor& foreground, const QColor& background,
            bool bold = false, bool italic = false) {
    QTextBlockFormat block;
    if (background.isValid()) block.setBackground(background);
    QTextCharFormat chars;
    if (foreground.isValid()) chars.setForeground(foreground);
    if (bold) chars.setFontWeight(QFont::Bold);
    chars.setFontItalic(italic);
    if (first_) {
      cursor_.setBlockFormat(block);
      cursor_.setBlockCharFormat(chars);
      first_ = false;
    } else {
      cursor_.insertBlock(block, chars);
    }
    cursor_.insertText(text, chars);
  }

 private:
  QTextCursor cursor_;
  bool first_ = true;
};

QString Gutter(int number) {
  return number > 0 ? QString::number(number).rightJustified(6) : QString(6, ' ');
}

}  // namespace

std::vector<changes::FileDiff> CompareWithDisk(const std::vector<PlannedFile>& files) {
  std::vector<changes::FileDiff> diffs;
  diffs.reserve(files.size());
  for (const PlannedFile& file : files) {
    const std::optional<std::string> disk = file.against ? file.against : ReadDisk(file.path);
    diffs.push_back(changes::DiffFile(
        file.name, disk ? std::optional<std::string_view>(*disk) : std::nullopt, file.bytes));
  }
  return diffs;
}

// ---------------------------------------------------------------------------
// The Changes window

TChangesForm::TChangesForm(QWidget* parent, Hooks hooks)
    : QDialog(parent), hooks_(std::move(hooks)) {
  setObjectName("ChangesForm");
  setWindowTitle(tr("Changes"));
  resize(760, 520);

  auto* layout = new QVBoxLayout(this);
  lblSummary_ = new QLabel(this);
  lblSummary_->setObjectName("lblSummary");
  QFont bold = lblSummary_->font();
  bold.setBold(true);
  lblSummary_->setFont(bold);
  layout->addWidget(lblSummary_);
  auto* explanation = new QLabel(
      hooks_.explanation.isEmpty()
          ? tr("What Apply would change in each file, compared with the file on disk now.")
          : hooks_.explanation,
      this);
  layout->addWidget(explanation);

  edtDiff_ = new QPlainTextEdit(this);
  edtDiff_->setObjectName("edtDiff");
  edtDiff_->setAccessibleName(tr("Differences"));
  edtDiff_->setAccessibleDescription(explanation->text());
  edtDiff_->setReadOnly(true);
  edtDiff_->setLineWrapMode(QPlainTextEdit::NoWrap);
  edtDiff_->setFont(FixedPitchFont());
  layout->addWidget(edtDiff_, 1);

  auto* buttons = new QHBoxLayout;
  btnRestore_ = new QPushButton(tr("&Restore..."), this);
  btnRestore_->setObjectName("btnRestore");
  btnRestore_->setToolTip(tr("Writes back a set of files kept before an earlier Apply"));
  btnRestore_->setAutoDefault(false);
  //: Reads the files on disk again and compares anew.
  auto* refresh = new QPushButton(tr("Re&fresh"), this);
  refresh->setObjectName("btnRefresh");
  refresh->setAutoDefault(false);
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("btnClose");
  close->setDefault(true);
  buttons->addWidget(btnRestore_);
  buttons->addStretch(1);
  buttons->addWidget(refresh);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(btnRestore_, &QPushButton::clicked, this, [this] { RestoreClick(); });
  btnRestore_->setVisible(static_cast<bool>(hooks_.restore));
  connect(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Refresh();
}

void TChangesForm::Refresh() {
  try {
    const std::vector<PlannedFile> planned = hooks_.planned();
    diffs_ = CompareWithDisk(planned);
    changedOnDisk_.clear();
    for (const PlannedFile& file : planned) changedOnDisk_.push_back(file.changedOnDisk);
    Show(diffs_);
  } catch (const std::exception& error) {
    diffs_.clear();
    edtDiff_->clear();
    lblSummary_->setText(ErrorText(error));
  }
}

void TChangesForm::Show(const std::vector<changes::FileDiff>& diffs) {
  if (diffs.empty()) {
    lblSummary_->setText(
        tr("Apply would write nothing: the settings files could not all be read."));
    edtDiff_->clear();
    return;
  }
  lblSummary_->setText(SummaryText(diffs));

  // A new document is filled before it is shown, which is far quicker than
  // filling the one on screen.
  auto* document = new QTextDocument(edtDiff_);
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setDefaultFont(edtDiff_->font());
  edtDiff_->setDocument(document);
  // The view deletes only the document it made itself.
  delete shownDocument_;
  shownDocument_ = document;
  Fill(diffs);
  edtDiff_->moveCursor(QTextCursor::Start);
}

void TChangesForm::Fill(const std::vector<changes::FileDiff>& diffs) {
  const QColor none;
  // Every coloured line sets both colours, so that it reads on a dark palette too.
  const QColor headingText(0x1f, 0x23, 0x28), headingBack(0xe4, 0xe7, 0xeb);
  const QColor noteText(0x80, 0x80, 0x80);
  const QColor hunkText(0x05, 0x50, 0xae), hunkBack(0xdd, 0xf4, 0xff);
  const QColor removedText(0x82, 0x07, 0x1e), removedBack(0xff, 0xeb, 0xe9);
  const QColor addedText(0x11, 0x63, 0x29), addedBack(0xda, 0xfb, 0xe1);
  DiffWriter out(edtDiff_);

  int shown = 0, hidden = 0;
  bool firstFile = true;
  for (std::size_t f = 0; f < diffs.size(); ++f) {
    const changes::FileDiff& diff = diffs[f];
    if (!firstFile) out.Line(QString(), none, none);
    firstFile = false;
    out.Line(FileHeading(diff, f < changedOnDisk_.size() && changedOnDisk_[f]), headingText,
             headingBack, true);
    for (const changes::EndingChange& ending : diff.endings)
      out.Line("  " + EndingsText(ending), noteText, none, false, true);
    if (diff.partial) {
      // Three short lines, so that they fit the window's width.
      const QString compared =
          diff.oldCompared == diff.newCompared
              ? tr("Compared: lines 1 to %1 of both; every change there is shown.")
                    .arg(Number(diff.oldCompared))
              : tr("Compared: lines 1 to %1 on disk, 1 to %2 written; every change there is "
                   "shown.")
                    .arg(Number(diff.oldCompared), Number(diff.newCompared));
      for (const QString& note : {tr("Too long to compare in full (%1, %2).")
                                      .arg(tr("%n line(s) on disk", nullptr, diff.oldLines),
                                           tr("%n to be written", nullptr, diff.newLines)),
                                  compared,
                                  tr("After them, lined up one against one: %1, %2 (not shown).")
                                      .arg(tr("%n removed", nullptr, diff.moreRemoved),
                                           tr("%n added", nullptr, diff.moreAdded))})
        out.Line("  " + note, noteText, none, false, true);
    }
    for (const changes::Hunk& hunk : diff.hunks) {
      if (shown >= kMaxShownLines) {
        hidden += static_cast<int>(hunk.lines.size()) + 1;
        continue;
      }
      out.Line(ToQ(changes::HunkHeader(hunk)), hunkText, hunkBack);
      ++shown;
      for (const changes::DiffLine& line : hunk.lines) {
        if (shown >= kMaxShownLines) {
          ++hidden;
          continue;
        }
        const QString gutter = Gutter(line.oldNumber) + " " + Gutter(line.newNumber) + " ";
        switch (line.kind) {
          case changes::LineKind::Context:
            out.Line(gutter + "  " + ToQ(line.text), none, none);
            break;
          case changes::LineKind::Removed:
            out.Line(gutter + "- " + ToQ(line.text), removedText, removedBack);
            break;
          case changes::LineKind::Added:
            out.Line(gutter + "+ " + ToQ(line.text), addedText, addedBack);
            break;
        }
        ++shown;
      }
    }
  }
  if (hidden > 0)
    out.Line(tr("%n more line(s) of differences are not shown.", nullptr, hidden), noteText, none,
             false, true);
}

void TChangesForm::RestoreClick() {
  std::vector<backups::BackupSet> sets;
  try {
    sets = hooks_.store().List();
  } catch (const std::exception& error) {
    platform::Message(this, tr("Restore"), ErrorText(error), platform::Icon::Error);
    return;
  }
  auto* form = new TRestoreForm(this, std::move(sets), [this](const backups::BackupSet& set) {
    const bool restored = hooks_.restore(set);
    if (restored) Refresh();
    return restored;
  });
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->open();
}
