// clip_store.cpp: looks the clips up among the program's Qt resources (":/SOUNDS/<id>").
#include "clip_store.h"

#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QString>

std::vector<std::uint8_t> FindClip(std::string_view type, int id) {
  const QString wanted = QString::fromUtf8(type.data(), static_cast<qsizetype>(type.size()));
  if (wanted.isEmpty() || wanted.contains(u'/')) return {};
  // Resource types are the folders at the top of the resource tree, which is
  // built into the program and never changes; their names are compared as
  // the stored ones stand, ignoring case.
  static const QStringList folders =
      QDir(QStringLiteral(":/")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& folder : folders) {
    if (folder.compare(wanted, Qt::CaseInsensitive) != 0) continue;
    const QString path = QStringLiteral(":/") + folder + u'/' + QString::number(id);
    if (!QFileInfo(path).isFile()) return {};
    QResource clip(path);
    const QByteArray bytes = clip.uncompressedData();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  }
  return {};
}
