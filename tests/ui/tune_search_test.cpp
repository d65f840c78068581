// tune_search_test.cpp: the tune folder beside the program and the lookup of a file by its name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tune_search.h"

namespace {

TEST(TuneSearch, TheMusicFolderLiesInsideTheProgramsFolderWithoutADoubledSeparator) {
  EXPECT_EQ(MusicFolder("/opt/wirangga"), "/opt/wirangga/Music/");
  EXPECT_EQ(MusicFolder("/opt/wirangga/"), "/opt/wirangga/Music/");
  EXPECT_EQ(MusicFolder("/"), "/Music/");
  // A folder whose name ends in a blank is a folder like any other.
  EXPECT_EQ(MusicFolder("/home/a b "), "/home/a b /Music/");
}

TEST(TuneSearch, AFileIsFoundUnderTheNameTheFolderGivesIt) {
  QTemporaryDir dir;
  for (const char* name : {"Music1.mid", "music2.mid", ".Music3.mid"}) {
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("Music4.mid"));
  struct Row {
    const char* asked;
    const char* found;
  };
  const Row rows[] = {
      {"Music1.mid", "Music1.mid"}, {"MUSIC1.MID", "Music1.mid"}, {"Music2.mid", "music2.mid"},
      {".Music3.mid", ""},          {"Music4.mid", ""},           {"Music5.mid", ""},
      {"", ""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(FindFile(dir.path() + "/" + r.asked).toStdString(), r.found) << r.asked;
  }
  EXPECT_EQ(FindFile(dir.path() + "/no such folder/Music1.mid"), "");
}

}  // namespace
