#include "ui/widgets/AccessibleSkin.h"

#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/TarnPushButton.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const char RoleProperty[] = "mousecfgAccessibleRole";

QAccessible::Role roleOf(const QWidget *widget, QAccessible::Role fallback)
{
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? QAccessible::Role(role.toInt()) : fallback;
}

// What every push button of the skin shares: its text as the name when it has no other, a click
// that runs after the reader's request is answered (it may open a menu or a modal dialog, whose own
// event loop would otherwise hold the answer back until it closes), and its open menu as its child in
// the tree, so a reader finds the menu where it opened.
class PushButtonAccessible : public QAccessibleWidget
{
public:
    PushButtonAccessible(QPushButton *button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    { }

    QPushButton *pushButton() const { return static_cast<QPushButton *>(widget()); }
    QMenu *openMenu() const
    {
        QMenu *menu = pushButton()->menu();
        return menu && menu->isVisible() ? menu : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = pushButton()->text();
        return text;
    }

    int childCount() const override { return openMenu() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        QMenu *menu = openMenu();
        return index == 0 && menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        QMenu *menu = openMenu();
        return menu && child && child->object() == menu ? 0 : -1;
    }

protected:
    void clickLater() const
    {
        if (pushButton()->isEnabled())
            QMetaObject::invokeMethod(pushButton(), &QAbstractButton::click, Qt::QueuedConnection);
    }
};

// A skinned push button: a tab of the page tabs, one of an exclusive group, or a plain button.
class SkinButtonAccessible : public PushButtonAccessible
{
public:
    explicit SkinButtonAccessible(TarnPushButton *button)
        : PushButtonAccessible(button, QAccessible::Button)
    {
        // A tab's selection is its checked state; tell the reader when it moves.
        QObject::connect(button, &QAbstractButton::toggled, button, [button](bool) {
            if (roleOf(button, QAccessible::Button) != QAccessible::PageTab)
                return;
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(button, changed);
            QAccessible::updateAccessibility(&event);
        });
    }

    TarnPushButton *button() const { return static_cast<TarnPushButton *>(widget()); }

    QAccessible::Role role() const override { return roleOf(button(), QAccessible::Button); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const bool checked = button()->isChecked();
        switch (role()) {
        case QAccessible::PageTab:
            state.selectable = true;
            state.selected = checked;
            break;
        case QAccessible::RadioButton:
            state.checkable = true;
            state.checked = checked;
            break;
        default:
            state.checkable = button()->isCheckable();
            state.checked = checked;
            state.pressed = button()->isDown();
            break;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            clickLater();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction())
            return { QStringLiteral("space") };
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// A push button that only opens its menu (the pages' menu buttons): a menu button whose open menu
// is its child in the tree, pressed as a click presses it.
class SkinMenuButtonAccessible : public PushButtonAccessible
{
public:
    explicit SkinMenuButtonAccessible(QPushButton *button)
        : PushButtonAccessible(button, QAccessible::ButtonMenu)
    { }

    QStringList actionNames() const override
    {
        QStringList names;
        if (pushButton()->isEnabled())
            names << showMenuAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            clickLater();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// A label: a button to the reader when it is clickable, else the role it was given, or plain text.
class SkinLabelAccessible : public QAccessibleWidget
{
public:
    explicit SkinLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QLabel *label() const { return static_cast<QLabel *>(widget()); }
    TarnLabel *clickable() const
    {
        auto *label = qobject_cast<TarnLabel *>(widget());
        return label && label->isClickable() ? label : nullptr;
    }

    QAccessible::Role role() const override
    {
        return roleOf(label(), clickable() ? QAccessible::Button : QAccessible::StaticText);
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if ((t == QAccessible::Name && text.isEmpty()) || t == QAccessible::Value)
            text = label()->text();
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (clickable() && label()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            if (TarnLabel *label = clickable())
                QMetaObject::invokeMethod(label, &TarnLabel::activate, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// A custom control given a role: its description as its value, and "Press" when it can be
// activated (an invokable activate() that does what a click does).
class SkinWidgetAccessible : public QAccessibleWidget
{
public:
    explicit SkinWidgetAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Client)
    { }

    QAccessible::Role role() const override { return roleOf(widget(), QAccessible::Client); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }

    bool canActivate() const { return widget()->metaObject()->indexOfMethod("activate()") >= 0; }

    QStringList actionNames() const override
    {
        QStringList names;
        if (canActivate() && widget()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            if (canActivate())
                QMetaObject::invokeMethod(widget(), "activate", Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// The main window: a frame named after the product.
class SkinWindowAccessible : public QAccessibleWidget
{
public:
    explicit SkinWindowAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    { }
};

// Names a title-less menu after the control that opened it, as it opens (one menu may serve several
// buttons), so a reader announces what the menu is for.
class MenuNamer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto *menu = qobject_cast<QMenu *>(watched);
        if (!menu || !menu->title().isEmpty())
            return false;
        QWidget *opener = openerOf(menu);
        if (!opener || qobject_cast<QMenu *>(opener) || opener == menu)
            return false;
        if (menu->accessibleName().isEmpty() || menu->property(NamedByOpener).toBool()) {
            QAccessibleInterface *openerInterface = QAccessible::queryAccessibleInterface(opener);
            const QString name = openerInterface ? openerInterface->text(QAccessible::Name) : QString();
            if (!name.isEmpty()) {
                menu->setAccessibleName(name);
                menu->setProperty(NamedByOpener, true);
            }
        }
        return false;
    }

private:
    static constexpr const char *NamedByOpener = "mousecfgMenuNamedByOpener";

    // The button holding the menu down while it opens (it may not have the focus when a reader
    // pressed it), else the control with the focus.
    static QWidget *openerOf(QMenu *menu)
    {
        const auto widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets) {
            auto *button = qobject_cast<QPushButton *>(widget);
            if (button && button->menu() == menu && button->isDown())
                return button;
        }
        return QApplication::focusWidget();
    }
};

QAccessibleInterface *skinFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("TarnPushButton"))
        return new SkinButtonAccessible(static_cast<TarnPushButton *>(widget));
    if (className == QLatin1String("TarnMenuButton"))
        return new SkinMenuButtonAccessible(static_cast<QPushButton *>(widget));
    if (className == QLatin1String("TarnLabel")
        || (className == QLatin1String("QLabel") && widget->property(RoleProperty).isValid()))
        return new SkinLabelAccessible(static_cast<QLabel *>(widget));
    if (className == QLatin1String("MousecfgWidget") && widget->isWindow())
        return new SkinWindowAccessible(widget);
    if (className == QLatin1String("QWidget") && widget->property(RoleProperty).isValid())
        return new SkinWidgetAccessible(widget);
    return nullptr;
}

} // namespace

void InstallAccessibleSkin()
{
    // After QApplication's own factory, which is asked last, and before the first skinned widget
    // exists, as interfaces are made once per widget.
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    QAccessible::installFactory(skinFactory);
    qApp->installEventFilter(new MenuNamer(qApp));
}

void SetAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(RoleProperty, int(role));
}
