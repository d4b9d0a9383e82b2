#include "WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace WindowAccessibility
{

namespace
{

// The widgets given a role; the factory is asked about every widget of the program.
QHash<const QObject *, QAccessible::Role> &roles()
{
    static QHash<const QObject *, QAccessible::Role> given;
    return given;
}

QAccessibleInterface *interfaceWithRole(const QString &, QObject *object)
{
    const auto role = roles().constFind(object);
    if (role == roles().cend()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget *>(object), *role);
}

} // namespace

void giveRole(QWidget *widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceWithRole);
        return true;
    }();
    Q_UNUSED(installed);
    roles().insert(widget, role);
    // An interface made before the role was given (a name set while the widget was built asks
    // for one) would keep the old role; the next question then makes one through the factory.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget); made->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    QObject::connect(widget, &QObject::destroyed, [widget] {
        roles().remove(widget);
    });
}

} // namespace WindowAccessibility
