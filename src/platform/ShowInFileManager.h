#pragma once
// "Folder": the desktop's file manager opened on the folder of a file, with the file selected.
//
// Windows: Explorer /select,"<file>" (no blank after the comma, the path in double quotes).
// Linux: the session bus's org.freedesktop.FileManager1 ShowItems with the file's URI, which the
// usual file managers answer. The call does not wait: when no file manager answers (no session bus,
// no such service, an error reply), openFolder is called later with the folder that holds the file,
// so the user still gets the folder from whatever opens folders on that desktop.

#include <QString>

#include <functional>

void ShowInFileManager(const QString& filePath, const std::function<void(const QString& folder)>& openFolder);
