#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// Failing disks for the writers' tests, on the real file system.

// While alive, no file of this process can grow beyond `bytes`: a write that
// would pass the limit writes what fits and then fails with "File too
// large", as a write fails on a disk that has filled up. The signal that
// would otherwise end the process is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};

// While alive, the calling thread works as the ordinary user "nobody" when
// the process runs as root, so that file permissions hold for it (root may
// write a read-only file). The thread's saved user stays root, which lets it
// return; other threads are not affected. Does nothing for other users.
class OrdinaryUser {
public:
    static constexpr uid_t Nobody = 65534;

    OrdinaryUser()
        : m_switched(geteuid() == 0)
    {
        if (m_switched) {
            syscall(SYS_setresgid, Nobody, Nobody, -1);
            syscall(SYS_setresuid, Nobody, Nobody, 0);
        }
    }
    ~OrdinaryUser()
    {
        if (m_switched) {
            syscall(SYS_setresuid, 0, 0, 0);
            syscall(SYS_setresgid, 0, 0, 0);
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    bool m_switched;
};

// Lets everyone create files in the folder, so that only a file's own
// permissions stop an ordinary user from writing it.
inline void openFolderToEveryone(const QString& folder)
{
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                      | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

inline void makeReadOnly(const QString& file)
{
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

// Every file of a folder with its bytes: what a failed write must leave
// exactly as it was (a leftover temporary file shows up as a new entry).
inline QMap<QString, QByteArray> folderContent(const QString& folder)
{
    QMap<QString, QByteArray> content;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        content.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return content;
}
