#pragma once
// Finds a dialog's control by object name. A missing control throws, which fails the test
// instead of letting it go on with a null pointer.
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

#include "widgets/ControlId.h"

template <typename T>
T& FindChild(QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (!child) throw std::runtime_error("no control named " + name.toStdString());
    return *child;
}

template <typename T>
T& FindChild(QObject& parent, const char* name) {
    return FindChild<T>(parent, QString::fromLatin1(name));
}

// The control with a dialog id, by the name widgets::WithId gives it.
template <typename T>
T& FindChild(QObject& parent, int id) {
    return FindChild<T>(parent, quillora::widgets::ControlName(id));
}
