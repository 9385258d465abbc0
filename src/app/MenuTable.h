#pragma once
// The main window's menu bar and drop-down entries, in index order, and where the drop-downs have
// their separator lines.

#include <vector>

inline constexpr int kMenuCount = 7;
inline const char* const kMenuCaptions[kMenuCount] = {"File", "View", "Help", "Ride!", "Edit", "Terraform", "Folder"};
inline const std::vector<const char*> kDropMenuCaptions[3] = {
    {"Validate Media List", "Start Passive File Scan", "Start Agressive File Scan", "Exit"},
    {"Trakora Information", "Settings..."},
    {"Contents...", "Halvorn Studios", "Check for Updates", "About..."},
};
// Each separator line sits directly above one of these entries.
inline const std::vector<int> kSeparatorsAbove[3] = {{1, 3}, {1}, {1, 3}};
