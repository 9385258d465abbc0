#pragma once
// AccessiblePart: what assistive technology sees of a piece of a control that is no widget of its
// own (a tab of the tab head, a field of the status bar, a cell of the list). The control's own
// interface creates its parts on demand, registers them and deletes them with itself.

#include <QAccessibleInterface>
#include <QHash>
#include <QPointer>
#include <QWidget>

class AccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessiblePart(QWidget* owner, QAccessible::Role role);

    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return m_role; }
    void setText(QAccessible::Text, const QString&) override {}
    // rect() in screen coordinates from LocalRect(), in the owner's.
    QRect rect() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // No actions unless a part offers some.
    QStringList actionNames() const override { return {}; }
    void doAction(const QString&) override {}
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    virtual QRect LocalRect() const = 0;
    QWidget* Owner() const { return m_owner; }

private:
    QPointer<QWidget> m_owner;
    QAccessible::Role m_role;
};

// The parts of one control by key, registered with QAccessible while they are alive.
class AccessiblePartCache {
public:
    ~AccessiblePartCache() { Clear(); }
    template <typename Make>
    QAccessibleInterface* Get(qint64 key, Make make)
    {
        const auto found = m_ids.constFind(key);
        if (found != m_ids.constEnd())
            return QAccessible::accessibleInterface(*found);
        QAccessibleInterface* part = make();
        m_ids.insert(key, QAccessible::registerAccessibleInterface(part));
        return part;
    }
    void Clear();

private:
    QHash<qint64, QAccessible::Id> m_ids;
};

// Tells assistive technology that something of widget changed; child -1 is the widget itself.
// Costs nothing while no assistive technology listens.
void NotifyAccessible(QWidget* widget, QAccessible::Event event, int child = -1);
