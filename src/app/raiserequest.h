#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace amorisk {

class FreshTimeActivation;

// How a refused second start asks the running program to come forward. The
// lock file alone decides who runs; only its holder listens here, so a
// socket left behind by a crash is never taken for a running program.
class RaiseChannel : public QObject
{
    Q_OBJECT

public:
    explicit RaiseChannel(QString serverPath, QObject *parent = nullptr);
    ~RaiseChannel() override;

    // The socket beside the lock file: <folder>/amorisk.socket for amorisk.lock.
    static QString pathBeside(const QString &lockPath);

    // For the lock holder: each request brings the visible window forward
    // (see raiseVisibleWindow). The socket is taken once the first window
    // has painted, so the start-up does not wait for the network library.
    void listen();
    // For a refused start. False when nothing took the request (an older
    // program, or no program listening); nothing else happens then.
    bool request() const;

    // Restores, raises and activates what the user works in: the exit screen,
    // the reading or the input window, and a modal box over it if one is open.
    void raiseVisibleWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void listenNow();

    QString m_path;
    bool m_listening = false;
    std::unique_ptr<FreshTimeActivation> m_activation;
};

} // namespace amorisk
