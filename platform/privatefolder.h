#pragma once
#include <QString>

// A folder only the current user may enter (mode 0700), for what one copy of the program hands
// to another: the runtime folder of the session when there is one, else one in the temporary
// folder named for the user. A folder that exists but belongs to someone else is refused (an
// empty text), one with looser permissions is tightened. base overrides the parent folder.
QString PrivateFolder(const QString &base = {});

// Writes text as the whole content of path through a temporary file that replaces it, so that a
// reader sees the old content or the new one and never a part; the file is readable only by the
// user. False when it cannot be written.
bool WriteFileAtomically(const QString &path, const QByteArray &content);
