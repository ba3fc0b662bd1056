#pragma once

#include "base/paths.h"
#include "support/guiapplication.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Running the command-line tool qmaze of the build.

// The shipped files, used read only as qmaze's program directory.
inline QString shippedDataDir() { return QStringLiteral(QM_DATA_DIR); }
inline QString qmazeProgram() { return QStringLiteral(QM_BIN_DIR "/qmaze"); }

struct QmazeRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs qmaze with the given program directory (the shipped one by default)
// in workingDir (the current one when empty), started through `wrapper` (a
// program and its arguments) when one is given.
inline QmazeRun runQmaze(const QStringList& arguments, const QString& programDir = shippedDataDir(),
                         const QString& workingDir = QString(), const QStringList& wrapper = {})
{
    ensureGuiApplication();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kProgramDirEnv), programDir);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    if (wrapper.isEmpty())
        process.start(qmazeProgram(), arguments);
    else
        process.start(wrapper.first(), wrapper.mid(1) + QStringList{qmazeProgram()} + arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
