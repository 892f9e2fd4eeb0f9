#include "x_session.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

namespace kavrena::testing {

VirtualDisplay::VirtualDisplay() {
    // Xvfb picks a free display and writes its number on the given descriptor.
    server_.setProgram(QStringLiteral("Xvfb"));
    server_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                          QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")});
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start();
    if (!server_.waitForStarted(10'000))
        return;
    QElapsedTimer clock;
    clock.start();
    while (!server_.canReadLine() && clock.elapsed() < 15'000)
        server_.waitForReadyRead(100);
    const QString number = QString::fromLatin1(server_.readLine()).trimmed();
    if (!number.isEmpty())
        name_ = QLatin1Char(':') + number;
}

VirtualDisplay::VirtualDisplay(QString name, const QProcessEnvironment& environment)
    : name_(std::move(name))
    , environment_(environment) {}

VirtualDisplay::~VirtualDisplay() {
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    if (!server_.waitForFinished(5'000))
        server_.kill();
    server_.waitForFinished(5'000);
}

QProcessEnvironment VirtualDisplay::environment() const {
    QProcessEnvironment environment = environment_;
    environment.insert(QStringLiteral("DISPLAY"), name_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}

std::optional<QString> XInput::run(const QStringList& arguments) const {
    QProcess xdotool;
    xdotool.setProcessEnvironment(environment_);
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(10'000) || xdotool.exitStatus() != QProcess::NormalExit ||
        xdotool.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

std::optional<QString> XInput::waitForWindow(const QString& name, int timeoutMs) const {
    const QString exactly = QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$');
    QElapsedTimer clock;
    clock.start();
    do {
        const auto found = run({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), exactly});
        if (found && !found->isEmpty())
            return found->split(QLatin1Char('\n')).constFirst();
        QThread::msleep(50);
    } while (clock.elapsed() < timeoutMs);
    return std::nullopt;
}

bool XInput::waitUntilGone(const QString& name, int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    do {
        if (!waitForWindow(name, 0))
            return true;
        QThread::msleep(50);
    } while (clock.elapsed() < timeoutMs);
    return false;
}

void XInput::clickAt(const QString& window, int x, int y) const {
    run({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x),
         QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}

void XInput::key(const QString& keys) const {
    run(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} +
        keys.split(QLatin1Char(' ')));
}

void XInput::focus(const QString& window) const {
    run({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
}

QString XInput::shownTitle(const QString& window) const {
    QProcess xprop;
    xprop.setProcessEnvironment(environment_);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_NAME")});
    xprop.waitForFinished(10'000);
    // _NET_WM_NAME(UTF8_STRING) = "信息"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype open = line.indexOf(QLatin1Char('"'));
    return open < 0 ? QString() : line.mid(open + 1, line.lastIndexOf(QLatin1Char('"')) - open - 1);
}

} // namespace kavrena::testing
