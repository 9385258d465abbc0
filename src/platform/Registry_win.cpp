#include "platform/Registry.h"

#include "platform/NarrowText.h"

#include <QByteArray>

#include <windows.h>

namespace {

// The access the key is opened with: query, set, create and enumerate sub-keys, notify, create
// link, read control. Reading needs less, but this is the mask the program has always asked for.
constexpr REGSAM kOpenAccess = 0x2003F;

// Closes the key however the function below returns.
class OpenKey {
public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

HKEY RootHandle(quint32 rootKey)
{
    // Predefined keys are 32-bit values sign-extended to a handle, as the Windows headers make them.
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(rootKey)));
}

} // namespace

Registry Registry::CurrentUser() { return Registry(); }

bool Registry::RegGetStringValue(quint32 rootKey, const QString& subKey, const QString& valueName,
                                 QString& value) const
{
    OpenKey key;
    const QByteArray subKeyText = ToNarrowText(subKey);
    if (RegOpenKeyExA(RootHandle(rootKey), subKeyText.constData(), 0, kOpenAccess, key.out()) != ERROR_SUCCESS)
        return false;

    QByteArray buffer(kRegValueBufferSize, '\0');
    DWORD size = kRegValueBufferSize;
    DWORD type = 0;
    const QByteArray nameText = ToNarrowText(valueName);
    if (RegQueryValueExA(key.get(), nameText.constData(), nullptr, &type,
                         reinterpret_cast<LPBYTE>(buffer.data()), &size) != ERROR_SUCCESS)
        return false;
    return TakeQueriedRegistryValue(type, QByteArrayView(buffer.constData(), qsizetype(size)), value);
}

QString Registry::LocalPath(const QString& windowsPath) const { return windowsPath; }

QString Registry::Describe() const { return QStringLiteral("the Windows registry"); }
