#pragma once

#include <QAccessible>
#include <QStringList>

namespace vortalex::test {

// What a screen reader finds under `root` with nothing to read: the object names of the nodes,
// at any depth, that have neither a name nor a value.
inline QStringList silentAccessibleNodes(QObject* root) {
    QStringList silent;
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(root)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        if (node == nullptr) {
            continue;
        }
        if (node->text(QAccessible::Name).isEmpty() && node->text(QAccessible::Value).isEmpty()) {
            silent.append(node->object() != nullptr ? node->object()->objectName()
                                                    : QStringLiteral("(no object)"));
        }
        for (int i = 0; i < node->childCount(); ++i) {
            pending.append(node->child(i));
        }
    }
    return silent;
}

} // namespace vortalex::test
