// tune_search.h: where the tune files are looked for and how one is found by name.
#pragma once

#include <QString>

// The folder of the tune files: "Music/" inside the program's folder, with
// '/' as the separator and no doubled separator when the folder already ends
// in one.
QString MusicFolder(const QString& programDir);

// The name of the ordinary file at path as the folder spells it, or "" when
// there is none. The name is matched without regard to case, as a file
// lookup on a case-blind system would do, so that the caller can insist on
// the exact spelling itself. Folders, hidden files and anything that is not
// a plain file (or a link to one) are not found.
QString FindFile(const QString& path);
