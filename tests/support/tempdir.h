#pragma once

#include "base/paths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A temporary folder used as both program directory and start directory, so a
// test never touches the shipped libraries or the user's files.
class TestFolders {
public:
    TestFolders()
    {
        m_savedProgram = programDirectory();
        m_savedStart = startDirectory();
        QDir().mkpath(m_dir.path() + QStringLiteral("/program"));
        QDir().mkpath(m_dir.path() + QStringLiteral("/start"));
        setProgramDirectory(programDir());
        setStartDirectory(startDir());
    }
    ~TestFolders()
    {
        setProgramDirectory(m_savedProgram);
        setStartDirectory(m_savedStart);
    }

    QString programDir() const { return m_dir.path() + QStringLiteral("/program"); }
    QString startDir() const { return m_dir.path() + QStringLiteral("/start"); }
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_savedProgram;
    QString m_savedStart;
};
