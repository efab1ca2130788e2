// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace hueloupe {

// Where the running instance answers on the session bus.
inline constexpr char kInstanceService[] = "org.hueloupe.Hueloupe";
inline constexpr char kInstancePath[] = "/org/hueloupe/Hueloupe";
inline constexpr char kInstanceInterface[] = "org.hueloupe.Hueloupe";
// The status of a pick that picked nothing: cancelled, failed or never answered.
inline constexpr int kNothingPicked = 1;

// A pick another process asked for: its format string (empty: the last one used) and whether
// the text also goes on the clipboard.
struct PickRequest {
    QString format;
    bool copy = true;
};

// The answer owed to a Pick call: the exit status the caller ends with, and the text it prints.
// Copies share one answer; the first answer() goes out, later ones are ignored, and one never
// given goes out as status 1 (nothing picked) when the last copy is gone.
class PickReply {
public:
    PickReply(const QDBusConnection& bus, const QDBusMessage& call);
    void answer(int status, const QString& text = {}) const;
    // Calls left once the caller has left the bus (it ended, or gave up waiting) while the
    // answer is still owed; never after the answer went out.
    void whenCallerLeaves(std::function<void()> left) const;

private:
    struct Pending;
    std::shared_ptr<Pending> pending_;
};

// This process as the one instance: it owns kInstanceService and answers Activate() and
// Pick(format: s, copy: b) -> (status: i, text: s), and on the same object the desktop's
// org.freedesktop.Application (DesktopApplication). Pick's reply waits for the pick handler's
// answer. Without a session bus, claim() says so and the process simply runs alone.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.hueloupe.Hueloupe")

public:
    enum class Claim { Claimed, Taken, NoBus };
    using PickHandler = std::function<void(const PickRequest&, const PickReply&)>;

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Exports the object and takes the name. Taken: another instance holds it.
    Claim claim();
    // Who does a requested pick; without one, a Pick is answered with status 1 at once.
    void setPickHandler(PickHandler handler);

public slots:  // on the bus
    void Activate();
    int Pick(const QString& format, bool copy, const QDBusMessage& call, QString& text);

signals:
    // The window is wanted in front; the token (maybe empty) lets the desktop allow it.
    void activateRequested(const QString& activationToken);
    // The desktop's "pick" action: a pick in the window, as a press in the colour well starts.
    void pickActionRequested(const QString& activationToken);

private:
    QDBusConnection bus_;
    bool claimed_ = false;
    PickHandler pickHandler_;
};

}  // namespace hueloupe
