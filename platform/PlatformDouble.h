// A platform for tests: records every call in order, answers message boxes and
// file dialogs from scripts, keeps profile files in memory, never shows a
// window and never starts anything.
#pragma once

#include <QSet>
#include <QString>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

enum class CallKind {
  MessageBox,
  OpenFile,
  StartProcess,
  ShellExecute,
  FindWindow,
  IsWindowsNT,
  ExecutableDir,
  ReadProfile,
  WriteProfile,
};

struct StartedProcess {
  QString program;
  QString argument;
  QString commandLine;  // CommandLine(program, argument)
};

struct ShellCall {
  QString verb;
  QString target;
};

struct FindWindowCall {
  QString className;
  QString title;
};

struct ProfileCall {
  QString file;
  QString section;
  QString key;
  QString value;  // the value written, or the default of a read
};

// One call; only the fields of its kind are filled.
struct RecordedCall {
  CallKind kind = CallKind::MessageBox;
  QWidget* parent = nullptr;  // MessageBox, OpenFile
  MessageRequest message;
  Answer answer = Answer::Ok;  // what the message box answered
  OpenFileRequest openFile;
  std::optional<QString> chosenFile;  // what the file dialog answered
  StartedProcess start;
  ShellCall shell;
  FindWindowCall findWindow;
  ProfileCall profile;
};

class PlatformDouble : public Platform {
 public:
  PlatformDouble();

  // Scripts. Yes/No boxes take their answers from the front of the queue;
  // with the queue empty they answer their default button (Yes unless it is
  // No). An OK box always answers Ok and leaves the queue alone.
  void queueAnswer(Answer answer) { answers_.push_back(answer); }
  std::size_t pendingAnswers() const { return answers_.size(); }
  // File dialogs take the front path; nothing in the queue, or a queued
  // nullopt, is a cancel.
  void queueOpenFile(std::optional<QString> path) { files_.push_back(std::move(path)); }
  std::size_t pendingOpenFiles() const { return files_.size(); }

  // Settings of the simulated system.
  void setWindowsNT(bool nt) { windowsNT_ = nt; }
  void addWindow(const QString& title) { windows_.insert(title); }
  void removeWindow(const QString& title) { windows_.remove(title); }
  void setExecutableDir(const QString& dir) { executableDir_ = dir; }
  // The user's configuration folder; the executable's folder until set, so
  // a test's settings file sits in one place whichever the program picks.
  void setUserConfigDir(const QString& dir) { userConfigDir_ = dir; }
  // The user's cache folder; none until set, so that nothing is remembered
  // from one window to the next unless a test asks for it.
  void setUserCacheDir(const QString& dir) { userCacheDir_ = dir; }
  void setStartResult(bool started) { startResult_ = started; }
  void setShellResult(bool opened) { shellResult_ = opened; }

  // Profile files live in memory (path -> UTF-8 text with CR LF breaks)
  // unless real files are asked for. setProfileWriteFails makes every write
  // fail and leave the file as it was.
  void useRealProfileFiles(bool real) { realProfiles_ = real; }
  void setProfileText(const QString& file, const QString& text);
  std::optional<QString> profileText(const QString& file) const;
  void setProfileWriteFails(bool fails) { profileWriteFails_ = fails; }

  // What was called, in order.
  const std::vector<RecordedCall>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }
  std::vector<MessageRequest> messages() const;
  std::vector<OpenFileRequest> openFileRequests() const;
  std::vector<StartedProcess> started() const;
  std::vector<ShellCall> shellCalls() const;
  std::vector<FindWindowCall> findWindowCalls() const;
  std::vector<ProfileCall> profileWrites() const;

  Answer MessageBox(QWidget* parent, const MessageRequest& request) override;
  std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override;
  bool StartProcess(const QString& program, const QString& argument) override;
  bool ShellExecute(const QString& verb, const QString& target) override;
  bool FindWindow(const QString& className, const QString& title) override;
  bool IsWindowsNT() override;
  QString ExecutableDir() override;
  QString UserConfigDir() override;
  QString UserCacheDir() override;
  QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                            const QString& defaultValue) override;
  bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& value) override;

 private:
  RecordedCall& Record(CallKind kind);

  std::vector<RecordedCall> calls_;
  std::deque<Answer> answers_;
  std::deque<std::optional<QString>> files_;
  bool windowsNT_ = false;
  QSet<QString> windows_;
  QString executableDir_;
  std::optional<QString> userConfigDir_;
  QString userCacheDir_;
  bool startResult_ = true;
  bool shellResult_ = true;
  bool realProfiles_ = false;
  bool profileWriteFails_ = false;
  std::map<QString, std::string> profiles_;
};

// Installs a double for its lifetime and puts back the platform that was in
// use before.
class ScopedDouble : public PlatformDouble {
 public:
  ScopedDouble() : previous_(Installed()) { Install(this); }
  ~ScopedDouble() override { Install(previous_); }
  ScopedDouble(const ScopedDouble&) = delete;
  ScopedDouble& operator=(const ScopedDouble&) = delete;

 private:
  Platform* previous_;
};

}  // namespace platform
