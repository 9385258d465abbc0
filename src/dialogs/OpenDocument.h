#pragma once
// Opening a file or a web address with whatever the desktop opens it with (the help page, the
// maker's web site, a folder). The desktop's answer is not examined: a missing file or an
// unreachable site shows whatever the desktop shows.

#include <QString>

// target is a web address ("https://...") or a path; a path is opened as a local file.
void OpenDocument(const QString& target);
