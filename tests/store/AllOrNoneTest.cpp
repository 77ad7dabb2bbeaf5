// Saving all or none where the system itself gets in the way: replacements
// refused half-way (append-only files, mount points), writes in place into a
// file swapped meanwhile, attributes and access control lists, and a backup
// store someone tampered with.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "store/Apply.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"
#include "tests/support/ChildProcess.h"

namespace fs = std::filesystem;
using test_support::InChild;

namespace {

class AllOrNone : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_ = fs::temp_directory_path() /
            ("quib-allornone-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(temp_);
    dir_ = temp_ / "emulator";
    root_ = temp_ / "state" / "backups";
    fs::create_directories(dir_);
    for (const char* name : kNames) Put(name, std::string("old ") + name + "\r\n");
  }
  void TearDown() override {
    Unblock();
    std::error_code ec;
    fs::remove_all(temp_, ec);
  }
  fs::path Put(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<save_set::Entry> NewFiles() const {
    std::vector<save_set::Entry> files;
    for (const char* name : kNames) files.push_back({dir_ / name, std::string("new ") + name});
    return files;
  }
  // The folder as SetUp left it: the old bytes and no other file.
  void ExpectUntouched() const {
    for (const char* name : kNames)
      EXPECT_EQ(Read(dir_ / name), std::string("old ") + name + "\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"quib.blt", "quib.cfg", "quib.inp", "quib.thm"}));
  }
  backups::Store MakeStore() const { return backups::Store(root_, dir_); }
  // Lifts what a test put in the way of a rename.
  void Unblock() {
    for (const fs::path& path : undo_) std::system(("chattr -a '" + path.string() + "'").c_str());
    for (const fs::path& path : mounts_) ::umount(path.c_str());
    undo_.clear();
    mounts_.clear();
  }

  static constexpr const char* kNames[] = {"quib.cfg", "quib.blt", "quib.inp", "quib.thm"};
  fs::path temp_, dir_, root_;
  std::vector<fs::path> undo_, mounts_;
};

// The third of four renames is refused by the system after the write check
// passed: an append-only file (EPERM) or a file with something mounted on it
// (EBUSY). The two files replaced before go back.
TEST_F(AllOrNone, ARenameRefusedHalfWayPutsBackTheFilesReplaced) {
  if (::geteuid() != 0) GTEST_SKIP() << "append-only files and bind mounts need root";
  struct Case {
    const char* what;
    std::function<std::string(const fs::path&)> block;
  };
  const Case cases[] = {
      {"append-only",
       [&](const fs::path& p) -> std::string {
         if (std::system(("chattr +a '" + p.string() + "' 2>/dev/null").c_str()) != 0)
           return "chattr +a failed: it needs CAP_LINUX_IMMUTABLE, e2fsprogs and a file system "
                  "with the flag";
         undo_.push_back(p);
         return "";
       }},
      {"mount point",
       [&](const fs::path& p) -> std::string {
         if (::mount(p.c_str(), p.c_str(), nullptr, MS_BIND, nullptr) != 0)
           return std::string("a bind mount needs CAP_SYS_ADMIN: ") + std::strerror(errno);
         mounts_.push_back(p);
         return "";
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path blocked = dir_ / "quib.inp";
    if (const std::string problem = c.block(blocked); !problem.empty()) GTEST_SKIP() << problem;
    auto store = MakeStore();
    try {
      backups::SaveWithBackup(NewFiles(), store);
      FAIL() << "saved";
    } catch (const save_set::SaveSetError& error) {
      const std::string text = error.what();
      EXPECT_EQ(
          text.rfind("Nothing was saved: Cannot create file \"" + blocked.string() + "\". ", 0), 0u)
          << text;
      EXPECT_NE(text.find(" The files already replaced were put back."), std::string::npos) << text;
      EXPECT_TRUE(error.saved().empty());
    }
    ExpectUntouched();
    EXPECT_TRUE(store.List().empty());
    Unblock();
  }
}

// A file written in place is written only while it is still the one
// prepared: another file renamed over it meanwhile is left alone.
TEST_F(AllOrNone, AWriteInPlaceGoesOnlyIntoTheFilePrepared) {
  const fs::path p = dir_ / "quib.cfg";
  fs::create_hard_link(p, temp_ / "linked.cfg");
  atomic_file::PendingFile pending(p, "new\r\n");
  ASSERT_TRUE(pending.inPlace());
  const fs::path other = Put("other", "someone else's\r\n");
  fs::rename(other, p);
  try {
    pending.Commit();
    FAIL() << "written";
  } catch (const FileError& error) {
    EXPECT_EQ(error.reason(), "It was replaced by another file while it was being saved.");
  }
  EXPECT_FALSE(pending.damaged());
  EXPECT_EQ(Read(p), "someone else's\r\n");
  EXPECT_EQ(Read(temp_ / "linked.cfg"), "old quib.cfg\r\n");
}

// The backup store is private and never reached through a link: folders
// 0700 (an older 0755 one is tightened), a linked or another user's root,
// folder or set refused by name with nothing saved, a planted link never
// listed, read or followed by pruning.
TEST_F(AllOrNone, TheBackupStoreIsPrivateAndFollowsNoLink) {
  auto store = MakeStore();
  backups::SaveWithBackup(NewFiles(), store);
  for (const fs::path& folder : {root_, store.Folder(), store.List().at(0).folder})
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::mask, fs::perms::owner_all) << folder;
  fs::permissions(store.Folder(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
  store.List();
  EXPECT_EQ(fs::status(store.Folder()).permissions() & fs::perms::mask, fs::perms::owner_all);

  // A planted link named like a set, pointing at a folder of files.
  const fs::path elsewhere = temp_ / "elsewhere";
  fs::create_directories(elsewhere);
  std::ofstream(elsewhere / "quib.cfg") << "planted";
  fs::create_directory_symlink(elsewhere, store.Folder() / "9999999999-2099-01-01T00-00-00.000Z");
  ASSERT_EQ(store.List().size(), 1u);
  // A link in place of a set's file is refused by name.
  const auto set = store.List().at(0);
  fs::rename(set.folder / "quib.cfg", temp_ / "kept.cfg");
  fs::create_symlink(elsewhere / "quib.cfg", set.folder / "quib.cfg");
  try {
    store.Read(set);
    FAIL() << "read through a link";
  } catch (const backups::BackupError& error) {
    EXPECT_NE(std::string(error.what())
                  .find((set.folder / "quib.cfg").string() + "\" is a symbolic link"),
              std::string::npos)
        << error.what();
  }
  store.Prune(0);
  EXPECT_TRUE(store.List().empty());
  EXPECT_EQ(Read(elsewhere / "quib.cfg"), "planted");

  // A linked root, a linked store folder, another user's store folder.
  struct Case {
    const char* what;
    fs::path refused;
    std::function<void()> plant;
  };
  const fs::path key = store.Folder();
  // Moves a folder away and leaves a link to it in its place.
  auto linkAway = [&](const fs::path& folder, const char* real) {
    return [&, folder, real] {
      fs::rename(folder, temp_ / real);
      fs::create_directory_symlink(temp_ / real, folder);
    };
  };
  const Case cases[] = {
      {"linked root", root_, linkAway(root_, "real-root")},
      {"linked folder", key, linkAway(key, "real-key")},
      {"another user's folder", key,
       [&] {
         fs::create_directories(key);
         ASSERT_EQ(::chown(key.c_str(), test_support::NobodyUid(), test_support::NobodyGid()), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // (The last case.) Only root can give a folder to another user.
    if (std::string(c.what) == "another user's folder" && ::geteuid() != 0)
      GTEST_SKIP() << "another user's folder can only be made as root";
    fs::remove_all(temp_ / "state");
    fs::remove_all(temp_ / "real-root");
    fs::remove_all(temp_ / "real-key");
    backups::SaveWithBackup(NewFiles(), store);  // a good store first
    for (const char* name : kNames) Put(name, std::string("old ") + name + "\r\n");
    c.plant();
    try {
      backups::SaveWithBackup(NewFiles(), store);
      FAIL() << "saved";
    } catch (const backups::BackupError& error) {
      const std::string text = error.what();
      EXPECT_EQ(text.rfind("Nothing was saved: ", 0), 0u) << text;
      EXPECT_NE(text.find("\"" + c.refused.string() + "\""), std::string::npos) << text;
    }
    ExpectUntouched();
  }
}

// posix_acl_access as the kernel keeps it: a user entry for nobody.
std::string AclGivingNobody(unsigned perms) {
  auto add = [](std::string& acl, std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
    for (int i = 0; i < 2; ++i) acl += static_cast<char>((tag >> (8 * i)) & 0xff);
    for (int i = 0; i < 2; ++i) acl += static_cast<char>((perm >> (8 * i)) & 0xff);
    for (int i = 0; i < 4; ++i) acl += static_cast<char>((id >> (8 * i)) & 0xff);
  };
  std::string acl("\x02\0\0\0", 4);
  add(acl, 0x01, 6, 0xffffffff);                                                 // owner
  add(acl, 0x02, static_cast<std::uint16_t>(perms), test_support::NobodyUid());  // nobody
  add(acl, 0x04, 4, 0xffffffff);                                                 // group
  add(acl, 0x10, static_cast<std::uint16_t>(perms | 4), 0xffffffff);             // mask
  add(acl, 0x20, 0, 0xffffffff);                                                 // others
  return acl;
}

std::string Attribute(const fs::path& p, const char* name) {
  char value[256];
  const ssize_t size = ::getxattr(p.c_str(), name, value, sizeof value);
  return size < 0 ? "<none>" : std::string(value, static_cast<std::size_t>(size));
}

// A replaced file keeps its extended attributes and access control list,
// with the same mode; one that cannot be given an attribute is written in
// place instead. A folder that takes no new files gets its files written in
// place.
TEST_F(AllOrNone, AttributesAndAccessListsStayAndOtherwiseTheFileIsWrittenInPlace) {
  const fs::path p = dir_ / "quib.cfg";
  ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
  const std::string acl = AclGivingNobody(6);
  ASSERT_EQ(::setxattr(p.c_str(), "user.note", "kept", 4, 0), 0) << std::strerror(errno);
  ASSERT_EQ(::setxattr(p.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0)
      << std::strerror(errno);
  struct stat before {};
  ::stat(p.c_str(), &before);
  {
    atomic_file::PendingFile pending(p, "new\r\n");
    EXPECT_FALSE(pending.inPlace());
    pending.Commit();
  }
  struct stat after {};
  ::stat(p.c_str(), &after);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
  EXPECT_EQ(Attribute(p, "user.note"), "kept");
  EXPECT_EQ(Attribute(p, "system.posix_acl_access"), acl);
  EXPECT_EQ(Read(p), "new\r\n");

  if (::geteuid() != 0) GTEST_SKIP() << "the rest acts as another user and needs root";
  // nobody's own files: one with an attribute only root may set (a file
  // capability), in a folder everyone may write; one in a folder nobody may
  // not write. nobody saves both in place.
  const std::string capability(
      "\x00\x00\x00\x02\x00\x04\x00\x00\x00\x00\x00\x00"
      "\x00\x00\x00\x00\x00\x00\x00\x00",
      20);
  struct Case {
    const char* name;
    unsigned folderMode;
    bool withCapability;
  };
  for (const Case& c : {Case{"quib.inp", 0777, true}, Case{"quib.thm", 0755, false}}) {
    SCOPED_TRACE(c.name);
    const fs::path q = dir_ / c.name;
    ASSERT_EQ(::chown(q.c_str(), test_support::NobodyUid(), test_support::NobodyGid()), 0);
    if (c.withCapability) {
      ASSERT_EQ(
          ::setxattr(q.c_str(), "security.capability", capability.data(), capability.size(), 0), 0)
          << std::strerror(errno);
    }
    ASSERT_EQ(::chmod(dir_.c_str(), c.folderMode), 0);
    struct stat qBefore {};
    ::stat(q.c_str(), &qBefore);
    EXPECT_EQ(InChild(
                  [&]() -> std::string {
                    atomic_file::PendingFile pending(q, "new\r\n");
                    if (!pending.inPlace()) return "not in place";
                    pending.Commit();
                    return "";
                  },
                  true),
              "");
    struct stat qAfter {};
    ::stat(q.c_str(), &qAfter);
    EXPECT_EQ(qAfter.st_ino, qBefore.st_ino);
    EXPECT_EQ(Read(q), "new\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"quib.blt", "quib.cfg", "quib.inp", "quib.thm"}));
  }
}

}  // namespace
