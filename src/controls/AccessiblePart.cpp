#include "controls/AccessiblePart.h"

#include <QWindow>

AccessiblePart::AccessiblePart(QWidget* owner, QAccessible::Role role)
    : m_owner(owner)
    , m_role(role)
{
}

QWindow* AccessiblePart::window() const
{
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessiblePart::parent() const
{
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner.data()) : nullptr;
}

QRect AccessiblePart::rect() const
{
    if (!m_owner)
        return {};
    const QRect local = LocalRect();
    return local.isEmpty() ? QRect() : QRect(m_owner->mapToGlobal(local.topLeft()), local.size());
}

void* AccessiblePart::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

void AccessiblePartCache::Clear()
{
    for (QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
    m_ids.clear();
}

void NotifyAccessible(QWidget* widget, QAccessible::Event event, int child)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent note(widget, event);
    if (child >= 0)
        note.setChild(child);
    QAccessible::updateAccessibility(&note);
}
