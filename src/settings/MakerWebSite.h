#pragma once
// The maker's web site, which "Halvorn Studios" and "Check for Updates" open in the browser. The
// program only opens these addresses; it never reads an answer.

#include <QString>

// The home page; the version-check page lives beside it.
inline constexpr char kMakerHomePage[] = "https://www.halvornstudios.example/";

// kMakerHomePage + "versioncheck.cfm?RVLT=" + major, minor and revision as plain decimal digits
// with nothing between them, then "0": 1.2.3 asks with RVLT=1230, 2.0.15 with RVLT=20150.
QString VersionCheckAddress(int major, int minor, int revision);
// The same for this build's version.
QString VersionCheckAddress();
