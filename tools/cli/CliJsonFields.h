#pragma once
// Strict reading of one JSON object for the "write" commands: every key must be present with a
// value of the right kind, and a key nobody asked for is an error (a misspelt key would otherwise
// be dropped without a word). Errors are CliErrors that name the object and the key.

#include "CliCommon.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <cmath>

class CliJsonFields {
public:
    CliJsonFields(const QJsonValue& value, const QString& where) : m_where(where)
    {
        if (!value.isObject())
            throw CliError(QStringLiteral("%1 must be a JSON object").arg(where));
        m_object = value.toObject();
    }

    bool Has(const char* key) const { return m_object.contains(QLatin1String(key)); }

    QJsonValue Value(const char* key)
    {
        const QString name = QLatin1String(key);
        if (!m_object.contains(name))
            throw CliError(QStringLiteral("%1: %2 is missing").arg(m_where, name));
        m_read.insert(name);
        return m_object.value(name);
    }

    // A whole number between min and max.
    qint64 Whole(const char* key, qint64 min, qint64 max)
    {
        const QJsonValue v = Value(key);
        const double d = v.toDouble(0.5);
        if (!v.isDouble() || d != std::floor(d) || d < double(min) || d > double(max))
            throw CliError(QStringLiteral("%1: %2 must be a whole number from %3 to %4")
                               .arg(m_where, QLatin1String(key)).arg(min).arg(max));
        return static_cast<qint64>(d);
    }
    qint32 Long(const char* key) { return static_cast<qint32>(Whole(key, INT32_MIN, INT32_MAX)); }

    double Number(const char* key)
    {
        const QJsonValue v = Value(key);
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            throw CliError(QStringLiteral("%1: %2 must be a number").arg(m_where, QLatin1String(key)));
        return v.toDouble();
    }

    bool Boolean(const char* key)
    {
        const QJsonValue v = Value(key);
        if (!v.isBool())
            throw CliError(QStringLiteral("%1: %2 must be true or false").arg(m_where, QLatin1String(key)));
        return v.toBool();
    }

    QString Text(const char* key)
    {
        const QJsonValue v = Value(key);
        if (!v.isString())
            throw CliError(QStringLiteral("%1: %2 must be a string").arg(m_where, QLatin1String(key)));
        return v.toString();
    }

    QJsonArray Array(const char* key)
    {
        const QJsonValue v = Value(key);
        if (!v.isArray())
            throw CliError(QStringLiteral("%1: %2 must be an array").arg(m_where, QLatin1String(key)));
        return v.toArray();
    }

    // Call once every field was taken: a key left over is a mistake in the input.
    void RequireNoOthers() const
    {
        for (const QString& key : m_object.keys())
            if (!m_read.contains(key))
                throw CliError(QStringLiteral("%1: unknown key %2").arg(m_where, key));
    }

private:
    QJsonObject m_object;
    QString m_where;
    QSet<QString> m_read;
};
