#pragma once

// Helpers for widget tests: act on a modal dialog once it is up, and keep a picture of a window.

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace widgettesting {

/// Runs `act` on the modal widget named `name` as soon as the event loop shows it; gives up (and
/// the waiting exec() stays open, which the test then sees) after about two seconds.
inline void whenModal(const QString &name, std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, name, act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name) {
            timer->deleteLater();
            timer->stop();
            act(modal);
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

/// Saves a picture of `widget` as <name>.png into ZOVA_SCREENSHOT_DIR when that is set.
inline void keepPicture(QWidget *widget, const QString &name)
{
    const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

/// Types the text into the widget key by key, as the operator's keyboard would: each character
/// arrives as a key press and release carrying it (any letter, Cyrillic and apostrophes included).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace widgettesting
