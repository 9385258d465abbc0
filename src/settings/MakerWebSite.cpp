#include "settings/MakerWebSite.h"

QString VersionCheckAddress(int major, int minor, int revision)
{
    return QLatin1String(kMakerHomePage) + QStringLiteral("versioncheck.cfm?RVLT=") + QString::number(major)
        + QString::number(minor) + QString::number(revision) + QLatin1Char('0');
}

QString VersionCheckAddress()
{
    return VersionCheckAddress(RIDEVAULT_VERSION_MAJOR, RIDEVAULT_VERSION_MINOR, RIDEVAULT_VERSION_PATCH);
}
