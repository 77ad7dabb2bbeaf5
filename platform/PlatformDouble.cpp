#include "platform/PlatformDouble.h"

#include <QDir>
#include <QFile>

#include "platform/ProfileFile.h"

namespace platform {
namespace {

std::string Bytes(const QString& text) { return text.toUtf8().toStdString(); }

std::filesystem::path ProfilePath(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

template <typename T, typename Field>
std::vector<T> Collect(const std::vector<RecordedCall>& calls, CallKind kind, Field field) {
  std::vector<T> result;
  for (const RecordedCall& call : calls) {
    if (call.kind == kind) result.push_back(call.*field);
  }
  return result;
}

}  // namespace

PlatformDouble::PlatformDouble() : executableDir_(QDir::tempPath() + u'/') {}

RecordedCall& PlatformDouble::Record(CallKind kind) {
  RecordedCall& call = calls_.emplace_back();
  call.kind = kind;
  return call;
}

void PlatformDouble::setProfileText(const QString& file, const QString& text) {
  profiles_[file] = Bytes(text);
}

std::optional<QString> PlatformDouble::profileText(const QString& file) const {
  const auto found = profiles_.find(file);
  if (found == profiles_.end()) return std::nullopt;
  return QString::fromStdString(found->second);
}

std::vector<MessageRequest> PlatformDouble::messages() const {
  return Collect<MessageRequest>(calls_, CallKind::MessageBox, &RecordedCall::message);
}

std::vector<OpenFileRequest> PlatformDouble::openFileRequests() const {
  return Collect<OpenFileRequest>(calls_, CallKind::OpenFile, &RecordedCall::openFile);
}

std::vector<StartedProcess> PlatformDouble::started() const {
  return Collect<StartedProcess>(calls_, CallKind::StartProcess, &RecordedCall::start);
}

std::vector<ShellCall> PlatformDouble::shellCalls() const {
  return Collect<ShellCall>(calls_, CallKind::ShellExecute, &RecordedCall::shell);
}

std::vector<FindWindowCall> PlatformDouble::findWindowCalls() const {
  return Collect<FindWindowCall>(calls_, CallKind::FindWindow, &RecordedCall::findWindow);
}

std::vector<ProfileCall> PlatformDouble::profileWrites() const {
  return Collect<ProfileCall>(calls_, CallKind::WriteProfile, &RecordedCall::profile);
}

Answer PlatformDouble::MessageBox(QWidget* parent, const MessageRequest& request) {
  RecordedCall& call = Record(CallKind::MessageBox);
  call.parent = parent;
  call.message = request;
  if (request.buttons == Buttons::Ok) {
    call.answer = Answer::Ok;
  } else if (!answers_.empty()) {
    call.answer = answers_.front();
    answers_.pop_front();
  } else {
    call.answer = request.defaultButton == Answer::No ? Answer::No : Answer::Yes;
  }
  return call.answer;
}

std::optional<QString> PlatformDouble::OpenFile(QWidget* parent, const OpenFileRequest& request) {
  RecordedCall& call = Record(CallKind::OpenFile);
  call.parent = parent;
  call.openFile = request;
  if (!files_.empty()) {
    call.chosenFile = files_.front();
    files_.pop_front();
  }
  return call.chosenFile;
}

bool PlatformDouble::StartProcess(const QString& program, const QString& argument) {
  Record(CallKind::StartProcess).start = {program, argument, CommandLine(program, argument)};
  return startResult_;
}

bool PlatformDouble::ShellExecute(const QString& verb, const QString& target) {
  Record(CallKind::ShellExecute).shell = {verb, target};
  return shellResult_;
}

bool PlatformDouble::FindWindow(const QString& className, const QString& title) {
  Record(CallKind::FindWindow).findWindow = {className, title};
  return windows_.contains(title);
}

bool PlatformDouble::IsWindowsNT() {
  Record(CallKind::IsWindowsNT);
  return windowsNT_;
}

QString PlatformDouble::ExecutableDir() {
  Record(CallKind::ExecutableDir);
  return executableDir_;
}

QString PlatformDouble::UserConfigDir() { return userConfigDir_.value_or(executableDir_); }

QString PlatformDouble::UserCacheDir() { return userCacheDir_; }

QString PlatformDouble::ReadProfileString(const QString& file, const QString& section,
                                          const QString& key, const QString& defaultValue) {
  Record(CallKind::ReadProfile).profile = {file, section, key, defaultValue};
  if (realProfiles_) {
    return QString::fromStdString(
        profile::ReadFile(ProfilePath(file), Bytes(section), Bytes(key), Bytes(defaultValue)));
  }
  const auto found = profiles_.find(file);
  if (found == profiles_.end()) return defaultValue;
  const std::optional<std::string> value = profile::Read(found->second, Bytes(section), Bytes(key));
  return value ? QString::fromStdString(*value) : defaultValue;
}

bool PlatformDouble::WriteProfileString(const QString& file, const QString& section,
                                        const QString& key, const QString& value) {
  Record(CallKind::WriteProfile).profile = {file, section, key, value};
  if (profileWriteFails_) return false;
  if (realProfiles_) {
    return profile::WriteFile(ProfilePath(file), Bytes(section), Bytes(key), Bytes(value));
  }
  const auto found = profiles_.find(file);
  const std::optional<std::string> text =
      profile::Write(found == profiles_.end() ? std::string() : found->second, Bytes(section),
                     Bytes(key), Bytes(value));
  if (!text) return false;
  profiles_[file] = *text;
  return true;
}

}  // namespace platform
