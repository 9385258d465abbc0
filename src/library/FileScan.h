#pragma once
// The file scan: walks the media folders a step at a time and turns every new track or package
// file into a record. The main window owns one FileScan and its timer: it calls StartFileScan
// (then sets the timer to TimerInterval() and shows StatusText()), and on each tick calls
// FileScanStep; when that returns False the scan is over and the timer goes off.
//
// A scan only adds records: files already known are refused by AddMediaRecord, so a rescan adds
// just the new ones; a file that is a known record's file under another path moves or brings back
// that record instead (AddMediaRecord.h). Nothing is saved here.

#include "library/MediaRecord.h"
#include "library/NameScheme.h"
#include "library/PassiveFileSearch.h"

#include <QString>
#include <QStringList>

#include <functional>

inline constexpr qint32 kScanFilesPerStep = 2;
inline constexpr int kPassiveScanInterval = 200;   // ms per tick in the background
inline constexpr int kAggressiveScanInterval = 1;  // ms per tick under the hourglass
inline constexpr char kAggressiveScanStatus[] = "Aggressive File Scan in Progress...";
inline constexpr char kPassiveScanStatus[] = "Passive File Scan in Progress...";

// Called with the table index of each record the scan adds, so the list can show it at once.
using AddRowCallback = std::function<void(qint32 recordIndex)>;

// The walk the scan uses: the folders in order, ".tktrack" then ".tkpack".
void PrepareMediaSearch(PassiveFileSearch& search, const QStringList& mediaPaths,
                        qint32 filesPerStep);

class FileScan {
public:
    // Starts (or restarts from the beginning) a scan of the media folders.
    void StartFileScan(bool aggressive, const QStringList& mediaPaths);
    // One timer tick: one search step, then a record (and a row) for each newly found file.
    // False when the walk is complete; the scan is then no longer running.
    bool FileScanStep(MediaTable& table, const NameScheme& scheme, const AddRowCallback& addRow);

    bool IsRunning() const { return m_running; }
    bool IsAggressive() const { return m_aggressive; }
    int TimerInterval() const { return m_aggressive ? kAggressiveScanInterval : kPassiveScanInterval; }
    // Status bar field 0: the scan's text while it runs, "" when idle.
    QString StatusText() const;
    const PassiveFileSearch& Search() const { return m_search; }

private:
    PassiveFileSearch m_search;
    qint32 m_scanAddIndex = 0;  // next found file to hand to AddMediaRecord
    bool m_running = false;
    bool m_aggressive = false;
};
