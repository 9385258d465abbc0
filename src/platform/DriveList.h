#pragma once
// The drives a folder chooser offers. On Windows they are the drive letters. On Linux they are the
// mounted file systems a user would pick a folder from: the root, the home folder, and removable
// media (mounted below /media, /run/media or /mnt) - not the system's pseudo file systems, boot
// partitions or container layers.

#include <QList>
#include <QString>
#include <QStringList>

struct DriveEntry {
    QString Label;   // what the drive list shows
    QString Folder;  // the folder that choosing the drive opens, native, with a final separator

    bool operator==(const DriveEntry&) const = default;
};

// The drives of this machine, in the order the list shows them.
QList<DriveEntry> UserDrives();

// The Linux choice itself, for any set of mount points (those of ready volumes) and home folder:
// the root first, then the home folder, then the removable media in path order.
QList<DriveEntry> ChooseUserDrives(const QStringList& mountPoints, const QString& homeFolder);

// The index of the drive a folder lies on: the entry whose folder is the longest leading part of
// it (letter case ignored on Windows); -1 when none is.
int DriveOfFolder(const QList<DriveEntry>& drives, const QString& folder);
