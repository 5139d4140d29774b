#pragma once

#include <QString>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <string>

// The control of `window` named `name`. Throws when there is none, so that a
// mistyped name fails its test instead of crashing it.
template <typename Control = QWidget>
Control* FindControl(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::invalid_argument(std::string("no control named ") + name);
    }
    return found;
}

// A program text as a text box shows it: lines apart without CR.
inline QString Shown(const std::u32string& programText) {
    return QString::fromStdU32String(programText).replace(QStringLiteral("\r\n"), "\n");
}

// One typed character. QTest knows keys only for ASCII; any other character
// arrives as text with no key, as an input method would send it.
inline void TypeCharacter(QWidget* widget, QChar c) {
    if (c.unicode() < 128) {
        QTest::keyClick(widget, c.toLatin1());
    } else {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void TypeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        TypeCharacter(widget, c);
    }
}
