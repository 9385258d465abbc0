#include "controls/ControlsAccessibility.h"

#include "controls/AccessiblePart.h"
#include "controls/AdvListAccessibility.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"

#include <QAccessibleWidget>

namespace {

class AccessibleTextButton : public QAccessibleWidget {
public:
    explicit AccessibleTextButton(ucTextButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        // A name the owner gave wins over the caption ("..." buttons say what they choose).
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Button()->Caption();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} << QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            Button()->PerformClick();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ucTextButton* Button() const { return static_cast<ucTextButton*>(widget()); }
};

class AccessibleStatusField : public AccessiblePart {
public:
    AccessibleStatusField(ucStatusBar* bar, int index)
        : AccessiblePart(bar, QAccessible::StaticText)
        , m_index(index)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Owner() ? Bar()->FieldText(m_index) : QString();
    }
    QAccessible::State state() const override { return {}; }

protected:
    QRect LocalRect() const override { return Bar()->FieldTextRect(m_index); }

private:
    ucStatusBar* Bar() const { return static_cast<ucStatusBar*>(Owner()); }
    int m_index;
};

class AccessibleTab : public AccessiblePart {
public:
    AccessibleTab(ucTabHead* head, int index)
        : AccessiblePart(head, QAccessible::PageTab)
        , m_index(index)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Owner() ? Head()->TabTitle(m_index) : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = Owner() && Head()->CurrentTab() == m_index;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && Owner())
            Head()->ShowTab(m_index);
    }

protected:
    QRect LocalRect() const override { return Head()->TabRect(m_index); }

private:
    ucTabHead* Head() const { return static_cast<ucTabHead*>(Owner()); }
    int m_index;
};

// A control whose children are its parts, one per index, counted by the control.
template <typename Control, typename Part>
class AccessiblePartOwner : public QAccessibleWidget {
public:
    AccessiblePartOwner(Control* control, QAccessible::Role role, int (Control::*count)() const)
        : QAccessibleWidget(control, role)
        , m_count(count)
    {
    }
    int childCount() const override { return (Owned()->*m_count)(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return m_parts.Get(index, [&] { return new Part(Owned(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

private:
    Control* Owned() const { return static_cast<Control*>(widget()); }
    int (Control::*m_count)() const;
    mutable AccessiblePartCache m_parts;
};

} // namespace

QAccessibleInterface* ControlsAccessibleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("ucTextButton"))
        return new AccessibleTextButton(static_cast<ucTextButton*>(object));
    if (className == QLatin1String("ucFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (className == QLatin1String("ucStatusBar"))
        return new AccessiblePartOwner<ucStatusBar, AccessibleStatusField>(
            static_cast<ucStatusBar*>(object), QAccessible::StatusBar, &ucStatusBar::FieldCount);
    if (className == QLatin1String("ucTabHead"))
        return new AccessiblePartOwner<ucTabHead, AccessibleTab>(static_cast<ucTabHead*>(object),
                                                                 QAccessible::PageTabList, &ucTabHead::TabCount);
    if (className == QLatin1String("ucAdvList"))
        return NewAdvListAccessible(static_cast<ucAdvList*>(object));
    return nullptr;
}

void InstallControlsAccessibility()
{
    // Qt keeps its factories for the process; installing ours twice would only ask it twice.
    static const bool installed = [] {
        QAccessible::installFactory(ControlsAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
