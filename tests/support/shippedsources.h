#pragma once

#include <QDir>
#include <QStringList>

// The readable sources of a shipped library in the project's data folder
// ("layouts", "shapes"), in name order, which is the order of their records.
inline QStringList shippedSources(const char* folder)
{
    const QDir dir(QStringLiteral(QM_SOURCE_DIR "/data/") + QLatin1String(folder));
    QStringList paths;
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}
