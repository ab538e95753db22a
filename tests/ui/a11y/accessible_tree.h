#pragma once
// Walking what assistive technology sees of a window.

#include <QAccessible>
#include <QString>
#include <QWidget>

#include <vector>

namespace tessaline::ui::test {

inline QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every object below `root`, depth first.
inline void CollectBelow(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& found) {
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i); child != nullptr) {
            found.push_back(child);
            CollectBelow(child, found);
        }
    }
}

// The objects below `root` with that role and name.
inline std::vector<QAccessibleInterface*> FindAll(QAccessibleInterface* root,
                                                  QAccessible::Role role, const QString& name) {
    std::vector<QAccessibleInterface*> all;
    CollectBelow(root, all);
    std::vector<QAccessibleInterface*> matching;
    for (QAccessibleInterface* object : all) {
        if (object->role() == role && object->text(QAccessible::Name) == name) {
            matching.push_back(object);
        }
    }
    return matching;
}

} // namespace tessaline::ui::test
