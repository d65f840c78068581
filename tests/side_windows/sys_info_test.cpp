// sys_info_test.cpp: finding and starting the system-information program,
// with fake and with real registry, file lookup and launcher.
#include "sys_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <optional>

#include "fake_registry.h"
#include "get_key_value.h"
#include "registry_standin.h"
#include "side_doubles.h"

namespace {

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Blanks, both quotes and the shell's favourite characters: all of it is
// part of the name and nothing of it may be interpreted.
const std::string kAwkwardPath = "C:\\Program Files\\It's \"Info\"; rm -rf ~ & echo $(id) `x` | more > out.exe";

struct SysInfoCase {
  const char* what;
  std::optional<FakeValue> place1;  // PATH under the first key
  std::optional<FakeValue> place2;  // MSINFO under the second key
  std::vector<std::string> files;   // ordinary files that exist
  bool launchSucceeds;
  bool launchThrows;
  std::vector<std::string> expectedLookups;
  std::vector<std::string> expectedStarts;
  bool expectMessage;
};

void PrintTo(const SysInfoCase& c, std::ostream* os) { *os << c.what; }

class StartSysInfoRuns : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoRuns, TheProgramOrTheMessage) {
  const SysInfoCase& c = GetParam();
  FakeRegistry registry;
  if (c.place1) registry.Set(kPathKey, "PATH", *c.place1);
  if (c.place2) registry.Set(kFolderKey, "MSINFO", *c.place2);
  FakeLauncher launcher;
  launcher.succeeds = c.launchSucceeds;
  launcher.throws = c.launchThrows;
  std::vector<std::string> lookups;
  const SysInfoServices services{&registry, &launcher, [&](const std::string& path) {
                                   lookups.push_back(path);
                                   return std::find(c.files.begin(), c.files.end(), path) != c.files.end();
                                 }};
  RecordingDialogs dialogs;

  StartSysInfo(services, dialogs);

  EXPECT_EQ(lookups, c.expectedLookups);
  EXPECT_EQ(launcher.started, c.expectedStarts);
  if (c.expectMessage) {
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(dialogs.boxes[0].title, "Wirangga");
    EXPECT_EQ(dialogs.boxes[0].buttons, MsgButtons::OK);
    EXPECT_EQ(dialogs.boxes[0].icon, MsgIcon::None);
  } else {
    EXPECT_TRUE(dialogs.boxes.empty());
  }
}

const std::string kTool = "C:\\Windows\\System32\\msinfo32.exe";
const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kInFolder = kFolder + "\\MSINFO32.EXE";

INSTANTIATE_TEST_SUITE_P(
    Cases, StartSysInfoRuns,
    ::testing::Values(
        SysInfoCase{"place_one_is_started_without_a_file_check", Text(kTool), Text(kFolder), {}, true, false, {},
                    {kTool}, false},
        SysInfoCase{"place_two_with_the_file_present_starts_it", std::nullopt, Text(kFolder), {kInFolder}, true,
                    false, {kInFolder}, {kInFolder}, false},
        SysInfoCase{"place_two_with_the_file_missing_shows_the_message", std::nullopt, Text(kFolder), {}, true,
                    false, {kInFolder}, {}, true},
        SysInfoCase{"neither_place_shows_the_message", std::nullopt, std::nullopt, {}, true, false, {}, {}, true},
        SysInfoCase{"a_failed_start_shows_the_message", Text(kTool), std::nullopt, {}, false, false, {}, {kTool},
                    true},
        SysInfoCase{"a_start_that_throws_shows_the_message", Text(kTool), std::nullopt, {}, true, true, {}, {kTool},
                    true},
        SysInfoCase{"a_failed_start_from_place_two_shows_the_message", std::nullopt, Text(kFolder), {kInFolder},
                    false, false, {kInFolder}, {kInFolder}, true},
        // A first place of an unknown type answers true without a path: the
        // empty path is what gets started, and its failure tells the player.
        SysInfoCase{"place_one_of_another_type_ends_the_search", FakeValue{3, "xx"}, Text(kFolder), {kInFolder},
                    false, false, {}, {""}, true},
        SysInfoCase{"an_awkward_path_reaches_the_launcher_as_one_program", Text(kAwkwardPath), std::nullopt, {}, true,
                    false, {}, {kAwkwardPath}, false}),
    [](const ::testing::TestParamInfo<SysInfoCase>& info) { return std::string(info.param.what); });

TEST(StartSysInfo, ReadsTheSecondPlaceOnlyAfterTheFirstFailed) {
  FakeRegistry registry;
  registry.Set(kFolderKey, "MSINFO", Text(kFolder));
  registry.keys[kPathKey];  // the key is there, its value is not
  FakeLauncher launcher;
  RecordingDialogs dialogs;
  StartSysInfo({&registry, &launcher, [](const std::string&) { return true; }}, dialogs);
  const std::vector<std::string> expected = {
      std::string("open ") + kPathKey + " 0 0x2003F",   "query PATH", "close 1",
      std::string("open ") + kFolderKey + " 0 0x2003F", "query MSINFO", "close 2"};
  EXPECT_EQ(registry.calls, expected);
  EXPECT_EQ(launcher.started, std::vector<std::string>{kInFolder});
}

// --- the machine's own file lookup and launcher ---------------------------

void WriteFile(const QString& path, const QByteArray& content, bool executable) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
  file.close();
  if (executable) {
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0755), 0);
  }
}

bool WaitForFile(const QString& path) {
  // Only a bound against a hang: a started program writes within moments.
  QDeadlineTimer deadline(20000);
  while (!QFile::exists(path)) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(10);
  }
  return true;
}

TEST(PlatformSysInfo, LooksUpOrdinaryFilesOnly) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WriteFile(dir.filePath("MSINFO32.EXE"), "x", false);
  WriteFile(dir.filePath(".hidden"), "x", false);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  PlatformSysInfo platform;
  const auto exists = platform.Services().FileExists;
  const auto at = [&](const char* name) { return dir.filePath(name).toStdString(); };
  EXPECT_TRUE(exists(at("MSINFO32.EXE")));
  EXPECT_FALSE(exists(at("msinfo32.exe")));
  EXPECT_FALSE(exists(at(".hidden")));
  EXPECT_FALSE(exists(at("folder")));
  EXPECT_FALSE(exists(at("missing")));
}

TEST(PlatformSysInfo, StartsAProgramWithAnAwkwardNameAsItIsWithoutAShell) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Run through a shell, this name would create "pwned" and never find the
  // program; started as a path it runs and leaves its mark.
  const QString name = QStringLiteral("It's \"Info\"; touch pwned & echo $(touch pwned) | tee pwned.sh");
  const QString program = dir.filePath(name);
  const QString marker = dir.filePath("started");
  WriteFile(program, "#!/bin/sh\necho started > '" + QFile::encodeName(marker) + "'\n", true);
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));

  PlatformSysInfo platform;
  const bool started = platform.Services().launcher->Start(program.toStdString());
  const bool ran = WaitForFile(marker);
  QDir::setCurrent(previous);

  EXPECT_TRUE(started);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(QFile::exists(dir.filePath("pwned")));
}

TEST(PlatformSysInfo, ReportsAProgramThatCannotStart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WriteFile(dir.filePath("not-executable"), "#!/bin/sh\n", false);
  PlatformSysInfo platform;
  Launcher& launcher = *platform.Services().launcher;
  EXPECT_FALSE(launcher.Start(dir.filePath("missing").toStdString()));
  EXPECT_FALSE(launcher.Start(dir.filePath("not-executable").toStdString()));
  EXPECT_FALSE(launcher.Start(dir.path().toStdString()));
  EXPECT_FALSE(launcher.Start(""));
}

// --- the stand-in registry --------------------------------------------------

class StandInRegistryTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    WriteFile(At("plain-file"), "x", false);
    WriteFile(At("monitor"), "#!/bin/sh\n", true);
    WriteFile(At("other-monitor"), "#!/bin/sh\n", true);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    ASSERT_EQ(chmod(QFile::encodeName(At("folder")).constData(), 0755), 0);
  }
  QString At(const char* name) const { return dir_.filePath(name); }
  std::string Path(const char* name) const { return At(name).toStdString(); }

  QTemporaryDir dir_;
};

TEST_F(StandInRegistryTest, AnswersThePathOfTheFirstExecutableCandidate) {
  StandInRegistry registry({Path("missing"), Path("folder"), Path("plain-file"), Path("monitor"),
                            Path("other-monitor")});
  std::string keyVal;
  EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kPathKey, "PATH", keyVal));
  EXPECT_EQ(keyVal, Path("monitor"));
}

TEST_F(StandInRegistryTest, FailsEveryOtherLookup) {
  StandInRegistry registry({Path("monitor")});
  struct Lookup {
    RegRoot root;
    const char* key;
    const char* value;
  };
  for (const Lookup& lookup : {Lookup{kHKeyLocalMachine, kFolderKey, "MSINFO"},
                               Lookup{kHKeyLocalMachine, kPathKey, "Path"},
                               Lookup{kHKeyLocalMachine, kPathKey, ""},
                               Lookup{kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\msinfo", "PATH"},
                               Lookup{static_cast<RegRoot>(0x80000001u), kPathKey, "PATH"}}) {
    std::string keyVal = "before";
    EXPECT_FALSE(GetKeyValue(registry, lookup.root, lookup.key, lookup.value, keyVal)) << lookup.key << " " << lookup.value;
    EXPECT_EQ(keyVal, "");
  }
}

TEST_F(StandInRegistryTest, WithNoCandidateThereTheButtonShowsTheMessage) {
  StandInRegistry registry({Path("missing"), Path("plain-file")});
  FakeLauncher launcher;
  RecordingDialogs dialogs;
  StartSysInfo({&registry, &launcher, [](const std::string&) { return true; }}, dialogs);
  EXPECT_TRUE(launcher.started.empty());
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "System Information Is Unavailable At This Time");
}

TEST_F(StandInRegistryTest, FindsAProgramInstalledAfterItWasMade) {
  StandInRegistry registry({Path("later")});
  std::string keyVal;
  EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kPathKey, "PATH", keyVal));
  WriteFile(At("later"), "#!/bin/sh\n", true);
  EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kPathKey, "PATH", keyVal));
  EXPECT_EQ(keyVal, Path("later"));
}

TEST(StandInRegistry, LooksInAbsolutePlacesOnly) {
  const auto& programs = StandInRegistry::WellKnownPrograms();
  EXPECT_FALSE(programs.empty());
  for (const std::string& path : programs) EXPECT_TRUE(path.starts_with("/usr/bin/")) << path;
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs the program without the tests' environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Wirangga"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
