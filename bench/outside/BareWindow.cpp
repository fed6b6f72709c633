// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline scripts/measure holds the game against: the least a Qt Widgets program does to
// show a window of the title window's size, and, with --timer, the same window woken by one
// empty 10 ms timer, as the game's buzzer poll wakes it while a round runs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(384, 210);
    window.show();
    QTimer timer;
    if (QApplication::arguments().contains(QStringLiteral("--timer"))) {
        QObject::connect(&timer, &QTimer::timeout, [] {});
        timer.start(10);
    }
    return QApplication::exec();
}
