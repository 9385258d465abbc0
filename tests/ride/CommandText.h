#pragma once
// A program command as comparable text: the program, then each argument marked "path:" (converted
// for a Windows program under Wine) or "text:" (handed over as it is).

#include "platform/ProgramStart.h"

#include <QStringList>

inline QStringList DescribeCommand(const ProgramCommand& c)
{
    QStringList out{c.Program};
    for (const ProgramArgument& a : c.Arguments)
        out << (a.IsPath ? QStringLiteral("path:") : QStringLiteral("text:")) + a.Text;
    return out;
}
