#pragma once

#include <QFile>
#include <QString>

#include <memory>

// A headerless file of fixed-size records (collections, shape and layout
// libraries). Opening reports failure by its result; every failure after a
// successful open (seek, read, write, truncate) throws IoError, as the file
// commands expect. The file is closed when the object goes away.
//
// A failed change leaves the file as it was: a record written in place or
// appended is taken back (the bytes it covered are put back and the file
// returns to its length; a file this object created goes away again), and a
// removal writes the remaining records beside the file and puts them in its
// place in one rename.
class RecordFile {
public:
    enum class Mode { ReadOnly, ReadWrite, ReadWriteCreate, CreateEmpty };

    RecordFile(QString path, qint64 recordSize);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // ReadWriteCreate opens for reading and writing and creates the file when
    // it cannot be opened; CreateEmpty creates it with length 0 (truncating).
    bool open(Mode mode);
    void close();

    // Whole records; trailing bytes of an incomplete record are ignored.
    qint64 count() const;

    // Reads record n (from 0) into buffer. Throws IoError when the record is
    // missing or the read fails.
    void read(qint64 n, void* buffer);
    // Reads record n through a fresh copy, so that after a failure `record`
    // is exactly what it was.
    template <typename Record>
    void readWhole(qint64 n, Record& record)
    {
        auto fresh = std::make_unique<Record>();
        read(n, fresh.get());
        record = *fresh;
    }
    // Reads `size` bytes at `offset` within record n (used to list titles
    // without reading whole records).
    void readPart(qint64 n, qint64 offset, void* buffer, qint64 size);
    void write(qint64 n, const void* buffer);
    // Appends after the last whole record; returns the new record's index.
    qint64 append(const void* buffer);
    // Removes record n: every later record moves one place forward and the
    // file is one record shorter (the bytes of an incomplete last record are
    // dropped). The new file replaces the old one whole, after which this
    // object is closed. An index outside the file changes nothing.
    void remove(qint64 n);

    const QString& path() const { return m_path; }

private:
    void seek(qint64 position);
    [[noreturn]] void fail(const QString& action) const;
    // Puts back what a failed write covered: the bytes it overwrote at
    // position and the file's length.
    void takeBack(qint64 position, const QByteArray& overwritten, qint64 length);

    QString m_path;
    qint64 m_recordSize;
    std::unique_ptr<QFile> m_file;
    bool m_created = false; // opened by creating the file
};
