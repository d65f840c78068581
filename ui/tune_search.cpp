// tune_search.cpp: the tune folder and the lookup of a file by its path.
#include "tune_search.h"

#include <QDir>
#include <QFileInfo>

QString MusicFolder(const QString& programDir) {
  QString dir = programDir;
  if (!dir.endsWith('/')) dir += '/';
  return dir + "Music/";
}

QString FindFile(const QString& path) {
  const QFileInfo info(path);
  const QString wanted = info.fileName();
  if (wanted.isEmpty()) return "";
  QString found;
  const QDir dir = info.dir();
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
    const QString name = entry.fileName();
    if (name == wanted) return name;
    if (found.isEmpty() && name.compare(wanted, Qt::CaseInsensitive) == 0) found = name;
  }
  return found;
}
