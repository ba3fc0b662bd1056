#include "wordlist/badwordlist.h"

#include "base/latin1.h"
#include "base/messageservice.h"
#include "base/paths.h"

#include <QFile>
#include <QFileInfo>

#include <iterator>

namespace {

// English offensive and vulgar words and word stems, 3 to 11 letters. Few
// short stems on purpose: every entry is searched in every grid, and a short
// one made of common letters would turn up by chance in most dense grids.
constexpr const char* kBuiltIn[] = {
    "fuck",    "shit",    "cunt",     "bitch",    "whore",   "slut",        "twat",    "wank",
    "prick",   "cock",    "dick",     "pussy",    "bastard", "arse",        "asshole", "piss",
    "crap",    "bollock", "bugger",   "tits",     "dildo",   "dyke",        "fag",     "nigger",
    "nigga",   "spic",    "chink",    "kike",     "wetback", "gook",        "retard",  "skank",
    "jizz",    "semen",   "penis",    "vagina",   "clit",    "porn",        "orgasm",  "blowjob",
    "handjob", "rimjob",  "buttplug", "dumbass",  "jackass", "douche",      "scrotum", "nutsack",
    "tosser",  "bellend", "shag",     "sodomy",   "rapist",  "fudgepacker", "schlong", "smegma",
    "jap",     "tranny",
};
static_assert(std::size(kBuiltIn) == BadWordList::BuiltInCount);

// Splits a stream of bytes into lines, keeping the first 15 bytes of each.
class LineReader {
public:
    explicit LineReader(BadWordList& list) : m_list(list) {}

    // Feeds more bytes; returns false once the list is full.
    bool feed(QByteArrayView bytes)
    {
        for (const char ch : bytes) {
            if (full())
                return false;
            if (m_afterCr) {
                m_afterCr = false;
                if (ch == '\n')
                    continue; // CR LF is one line end
            }
            if (ch == '\r' || ch == '\n') {
                endLine();
                m_afterCr = ch == '\r';
            } else {
                if (m_length < BadWordList::EntryLength)
                    m_line[m_length++] = ch;
                m_inLine = true;
            }
        }
        return !full();
    }

    // The text ended: a line that has bytes but no line end still counts.
    void finish()
    {
        if (m_inLine && !full())
            endLine();
    }

private:
    bool full() const { return m_list.count() >= BadWordList::MaxEntries; }
    void endLine()
    {
        m_list.append(QByteArrayView(m_line, m_length));
        m_length = 0;
        m_inLine = false;
    }

    BadWordList& m_list;
    char m_line[BadWordList::EntryLength];
    int m_length = 0;
    bool m_inLine = false;
    bool m_afterCr = false;
};

} // namespace

QByteArrayView builtInBadWord(int k) { return QByteArrayView(kBuiltIn[k - 1]); }

void BadWordList::loadBuiltIn()
{
    m_count = 0;
    for (int k = 1; k <= BuiltInCount; ++k)
        append(builtInBadWord(k));
}

void BadWordList::GetBadList() { GetBadList(programFile(QString::fromLatin1(kBadListFile))); }

void BadWordList::GetBadList(const QString& path)
{
    loadBuiltIn();
    if (!QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    LineReader reader(*this);
    char buffer[4096];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            throw IoError(QStringLiteral("Unable to read %1.").arg(path));
        if (got == 0)
            break;
        if (!reader.feed(QByteArrayView(buffer, got)))
            return;
    }
    reader.finish();
}

void BadWordList::upperCase()
{
    for (int k = 0; k < m_count; ++k) {
        auto& entry = m_entries[k];
        for (int i = 0; i < entry.size(); ++i)
            entry.chars[i] = static_cast<char>(UpperAscii(static_cast<unsigned char>(entry.chars[i])));
    }
}

BadWordList BadWordList::loadUpperCased()
{
    BadWordList list;
    list.GetBadList();
    list.upperCase();
    return list;
}

void BadWordList::setEntries(std::initializer_list<QByteArrayView> entries)
{
    m_count = 0;
    for (const QByteArrayView entry : entries)
        append(entry);
}

void BadWordList::append(QByteArrayView entry)
{
    if (m_count < MaxEntries)
        m_entries[m_count++].assign(entry);
}

void BadWordList::appendLines(QByteArrayView text)
{
    LineReader reader(*this);
    if (reader.feed(text))
        reader.finish();
}
