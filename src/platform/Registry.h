#pragma once
// The registry, read only: the one place the program looks there is the simulator's installation
// folder. On Windows it is the live registry (RegOpenKeyExA / RegQueryValueExA). On Linux the
// simulator runs under Wine, so the current user's registry is the Wine prefix's "user.reg"
// ($WINEPREFIX, else ~/.wine) and the local machine's is its "system.reg"; Windows paths read there
// are mapped to Linux paths through the prefix's drive links ("dosdevices/c:" and so on).

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// Root keys, as the 32-bit handle values Windows gives them.
inline constexpr quint32 kHkeyCurrentUser = 0x80000001u;
inline constexpr quint32 kHkeyLocalMachine = 0x80000002u;

// Value types.
inline constexpr quint32 kRegSz = 1;
inline constexpr quint32 kRegExpandSz = 2;
inline constexpr quint32 kRegBinary = 3;
inline constexpr quint32 kRegDword = 4;
inline constexpr quint32 kRegMultiSz = 7;

// The value buffer holds this many characters; a longer value fails the query.
inline constexpr int kRegValueBufferSize = 1024;

class Registry {
public:
    // The current user's registry (on Linux: the Wine prefix of $WINEPREFIX, else ~/.wine).
    static Registry CurrentUser();
#ifndef Q_OS_WIN
    // The registry of one Wine prefix folder.
    static Registry WinePrefix(const QString& prefixFolder);
#endif

    // Reads a text value of root\subKey. False when the key cannot be opened, the value cannot be
    // queried, or it is empty (value becomes ""). Otherwise True whatever the value's type, with
    // value set only for a text (REG_SZ) or number (REG_DWORD) value; a final character of code 0
    // is dropped. The key is closed on every path.
    bool RegGetStringValue(quint32 rootKey, const QString& subKey, const QString& valueName,
                           QString& value) const;

    // A Windows path read from this registry as a path of this machine: unchanged on Windows; under
    // Wine, the drive letter becomes the folder its "dosdevices" link points at (by default "c:" is
    // the prefix's "drive_c" and "z:" is "/") and each further name is matched ignoring letter case
    // against what exists. "" when the path has no drive this prefix knows.
    QString LocalPath(const QString& windowsPath) const;

    // Where the values come from, for messages ("the Windows registry", "Wine prefix /home/me/.wine").
    QString Describe() const;

private:
    Registry() = default;
    QString m_winePrefix;
};

// The rules both sides apply once a value was queried into the 1024-character buffer: `data` is
// the bytes the query reported as used (narrow text for text values). Empty data: value = "", False.
// A last byte of code 0 is dropped; REG_SZ sets value to the text, REG_DWORD to the number's decimal
// text; every other type leaves value as it was. True from here on.
bool TakeQueriedRegistryValue(quint32 type, QByteArrayView data, QString& value);
