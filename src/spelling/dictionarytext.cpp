#include "spelling/dictionarytext.h"

#include "base/ansi.h"

namespace {

QString normalisedName(std::string_view name)
{
    QString result = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).trimmed().toLower();
    result.remove(u'-');
    result.remove(u'_');
    return result;
}

} // namespace

DictionaryEncoding::DictionaryEncoding(std::string_view name)
{
    const QString n = normalisedName(name);
    if (n == u"utf8")
        m_kind = Kind::Utf8;
    else if (n == u"microsoftcp1252" || n == u"cp1252" || n == u"windows1252")
        m_kind = Kind::Windows1252;
    else
        m_kind = Kind::Latin1;
}

std::optional<std::string> DictionaryEncoding::encode(const QString& text) const
{
    QByteArray bytes;
    switch (m_kind) {
    case Kind::Utf8:
        bytes = text.toUtf8();
        break;
    case Kind::Latin1:
        for (QChar ch : text)
            if (ch.unicode() > 0xFF)
                return std::nullopt;
        bytes = text.toLatin1();
        break;
    case Kind::Windows1252:
        if (!fitsWindows1252(text))
            return std::nullopt;
        bytes = unicodeToAnsi(text);
        break;
    }
    return bytes.toStdString();
}

QString DictionaryEncoding::decode(std::string_view bytes) const
{
    const auto size = static_cast<qsizetype>(bytes.size());
    switch (m_kind) {
    case Kind::Utf8:
        return QString::fromUtf8(bytes.data(), size);
    case Kind::Windows1252:
        return ansiToUnicode(QByteArrayView(bytes.data(), size));
    case Kind::Latin1:
        break;
    }
    return QString::fromLatin1(bytes.data(), size);
}

bool fitsWindows1252(const QString& text)
{
    for (QChar ch : text) {
        if (ch != u'?' && unicodeToAnsiChar(ch) == '?')
            return false;
    }
    return true;
}

QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}
