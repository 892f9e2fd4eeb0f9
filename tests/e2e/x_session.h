// A private X server for one test program, and the real input a person would give it.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace kavrena::testing {

// How long a test waits for what the program must do: a wait ends as soon as it happens, and
// this is long enough for a sanitizer build starting beside the rest of the suite on 2 cores.
inline constexpr int kPatienceMs = 30'000;

class VirtualDisplay {
public:
    VirtualDisplay(); // starts Xvfb on a free display
    // A display that runs already, and the environment its programs need besides DISPLAY.
    VirtualDisplay(QString name, const QProcessEnvironment& environment);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool isRunning() const { return !name_.isEmpty(); }
    // ":N"
    const QString& name() const { return name_; }
    // The environment of a program that is to appear on this display.
    QProcessEnvironment environment() const;

private:
    QProcess server_;
    QString name_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

// xdotool against one display.
class XInput {
public:
    explicit XInput(const VirtualDisplay& display)
        : environment_(display.environment()) {}

    // xdotool's output, trimmed; nothing when it failed.
    std::optional<QString> run(const QStringList& arguments) const;
    // The id of the visible window whose name is exactly the given one, waiting up to the timeout.
    std::optional<QString> waitForWindow(const QString& name, int timeoutMs = kPatienceMs) const;
    bool waitUntilGone(const QString& name, int timeoutMs = kPatienceMs) const;

    void clickAt(const QString& window, int x, int y) const;
    void key(const QString& keys) const;
    void focus(const QString& window) const;
    // The title a window manager shows: the window's _NET_WM_NAME.
    QString shownTitle(const QString& window) const;

private:
    QProcessEnvironment environment_;
};

} // namespace kavrena::testing
