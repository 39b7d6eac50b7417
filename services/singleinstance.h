#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

namespace ql {

// Keeps a program to one running copy per user.
//
// The first copy takes a lock file and listens on a local socket, both named
// after the executable's file name and the user id and kept in the user's
// runtime folder ($XDG_RUNTIME_DIR, else the temporary folder). A later copy
// finds the lock taken, connects to the socket, sends "activate" and is told
// to end; the first copy emits activationRequested and brings its window
// forward. A copy that crashed leaves both files behind: QLockFile sees that
// the process named in the lock is gone and takes it over, and the old socket
// file is removed before listening again.
//
//   SingleInstance guard;
//   if (!guard.start())
//       return 0;                         // before any window is shown
//   QObject::connect(&guard, &SingleInstance::activationRequested, &window,
//                    [&] { SingleInstance::bringToFront(&window); });
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // The executable's file name and the user id, e.g. "quillon-1000".
    static QString defaultKey();

    // True for the first copy, which keeps the lock and listens from now on.
    // False when another copy is running: it has been asked to come forward
    // and this copy should end with status 0. When the lock cannot be taken
    // for any other reason (no writable runtime folder) the program runs
    // unguarded rather than not at all, and start() returns true.
    bool start();
    bool isPrimary() const { return m_server != nullptr; }

    // Shows, restores and raises a window that may be hidden or minimised.
    static void bringToFront(QWidget *window);

    static constexpr const char *ActivateMessage = "activate\n";

signals:
    void activationRequested();

private:
    void acceptConnection();

    QString m_key;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace ql
