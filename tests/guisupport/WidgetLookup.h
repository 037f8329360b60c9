#pragma once
// Finds a dialog's control by object name. A missing control throws, which fails the test
// instead of letting it go on with a null pointer.
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

template <typename T>
T& FindChild(QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child) throw std::runtime_error(std::string("no control named ") + name);
    return *child;
}
