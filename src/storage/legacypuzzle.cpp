#include "storage/legacypuzzle.h"

#include "base/messageservice.h"

#include <QFile>

#include <algorithm>
#include <cstring>

void convertLegacyPuzzle(const LegacyPuzzleRecord& legacy, const PageLayoutRecord& layout, PuzzleRecord& record)
{
    record.PageLayout = layout;
    record.Version.assign("3.0c");
    record.Title.assign(legacy.Title.view());
    record.BonusQuest.clear();
    record.Category.assign(kLegacyCategory);
    const auto side = static_cast<std::int16_t>(std::clamp<int>(legacy.GridSize, 1, cell::GridSide));
    record.GridCols = side;
    record.GridRows = side;
    const int count = std::clamp<int>(legacy.WordCount, 0, PuzzleRecord::MaxWords);
    record.WordCount = static_cast<std::int16_t>(count);
    record.AnswerGrid = legacy.Grid;
    for (int k = 1; k <= PuzzleRecord::MaxWords; ++k) {
        const bool inUse = k <= count;
        if (inUse)
            record.word(k).assign(legacy.Words[k - 1].view());
        else
            record.word(k).clear();
        record.clue(k).clear();
        record.wordStart(k) = legacy.WordStart[k - 1].get();
        record.wordEnd(k) = legacy.WordEnd[k - 1].get();
        record.wordPlaced(k) = inUse ? 1 : 0;
    }
    record.Generated = 1;
}

QzkReadResult readQzkFile(const QString& path, LegacyPuzzleRecord& legacy)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QzkReadResult::CannotOpen;
    const auto readExactly = [&](qint64 size) {
        const QByteArray bytes = file.read(size);
        if (file.error() != QFileDevice::NoError)
            throw IoError(QStringLiteral("I/O error reading %1: %2").arg(path, file.errorString()));
        return bytes;
    };
    if (readExactly(3) != "QZK")
        return QzkReadResult::Corrupt;
    const QByteArray length = readExactly(1);
    if (length.size() == 1)
        readExactly(static_cast<unsigned char>(length[0]));
    const QByteArray record = readExactly(sizeof(LegacyPuzzleRecord));
    if (record.size() != static_cast<qsizetype>(sizeof(LegacyPuzzleRecord)))
        return QzkReadResult::Corrupt;
    std::memcpy(&legacy, record.constData(), sizeof legacy);
    return QzkReadResult::Read;
}
