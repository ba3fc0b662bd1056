#include "pagelayout/layouttext.h"

#include "base/ansi.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

namespace {

struct KindName {
    const char* section;
    ObjectKind kind;
    const char* objectName; // the designer's name; numbered kinds get " n"
    bool numbered;
};

constexpr KindName kKinds[] = {
    {"Title", ObjectKind::Title, "Title", false},
    {"Puzzle", ObjectKind::Puzzle, "Puzzle", false},
    {"Words", ObjectKind::WordList, "Words / Clues", false},
    {"Bonus", ObjectKind::Bonus, "Bonus Question", false},
    {"Text", ObjectKind::Text, "Text", true},
    {"Bitmap", ObjectKind::Bitmap, "Bitmap", true},
    {"Rectangle", ObjectKind::Rectangle, "Rectangle", true},
    {"Circle", ObjectKind::Circle, "Circle", true},
};

const KindName* findKind(const QByteArray& section)
{
    for (const KindName& kind : kKinds) {
        if (section == kind.section)
            return &kind;
    }
    return nullptr;
}

// Value parsers: each gives nothing for a value it does not accept.
std::optional<bool> flag(const QByteArray& value)
{
    const QByteArray lower = value.toLower();
    if (lower == "yes")
        return true;
    if (lower == "no")
        return false;
    return std::nullopt;
}

std::optional<int> integer(const QByteArray& value, int low, int high)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < low || n > high)
        return std::nullopt;
    return n;
}

std::optional<double> decimal(const QByteArray& value)
{
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok || !std::isfinite(d) || d <= 0)
        return std::nullopt;
    return d;
}

// "#RRGGBB" as the record's 0x00BBGGRR.
std::optional<std::int32_t> colour(const QByteArray& value)
{
    if (value.size() != 7 || value[0] != '#')
        return std::nullopt;
    bool ok = false;
    const uint rgb = value.mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

std::optional<int> alignment(const QByteArray& value)
{
    const QByteArray lower = value.toLower();
    if (lower == "left")
        return 1;
    if (lower == "centre" || lower == "center")
        return 2;
    if (lower == "right")
        return 3;
    return std::nullopt;
}

std::optional<std::array<int, 4>> rectangle(const QByteArray& value)
{
    const QList<QByteArray> parts = value.split(',');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<int, 4> rect{};
    for (int i = 0; i < 4; ++i) {
        const auto n = integer(parts[i].trimmed(), 0, 32767);
        if (!n)
            return std::nullopt;
        rect[i] = *n;
    }
    return rect;
}

QByteArray ansi(const QByteArray& utf8) { return unicodeToAnsi(QString::fromUtf8(utf8)); }

// Applies one "Key = Value" to an object; false when the key is unknown or
// the value is not accepted.
using ObjectSetter = std::function<bool(LayoutObject&, const QByteArray&)>;

template <typename Parse, typename Store>
ObjectSetter setter(Parse parse, Store store)
{
    return [parse, store](LayoutObject& object, const QByteArray& value) {
        const auto parsed = parse(value);
        if (parsed)
            store(object, *parsed);
        return parsed.has_value();
    };
}

ObjectSetter flagField(std::uint8_t LayoutObject::*field)
{
    return setter(flag, [field](LayoutObject& o, bool v) { o.*field = v ? 1 : 0; });
}

ObjectSetter colourField(Int32 LayoutObject::*field)
{
    return setter(colour, [field](LayoutObject& o, std::int32_t v) { o.*field = v; });
}

template <typename Field>
ObjectSetter integerField(Field LayoutObject::*field, int low, int high)
{
    return setter([low, high](const QByteArray& v) { return integer(v, low, high); },
                       [field](LayoutObject& o, int v) { o.*field = v; });
}

const std::map<QByteArray, ObjectSetter>& objectSetters()
{
    static const std::map<QByteArray, ObjectSetter> setters = {
        {"ObjRect", setter(rectangle, [](LayoutObject& o, const std::array<int, 4>& r) {
             o.setRect(r[0], r[1], r[2], r[3]);
         })},
        {"ObjName", [](LayoutObject& o, const QByteArray& v) { o.ObjName.assign(ansi(v)); return !v.isEmpty(); }},
        {"FontName", [](LayoutObject& o, const QByteArray& v) { o.FontName.assign(ansi(v)); return !v.isEmpty(); }},
        {"BitmapFile", [](LayoutObject& o, const QByteArray& v) { o.BitmapFile.assign(ansi(v)); return true; }},
        {"ObjText", [](LayoutObject& o, const QByteArray& v) {
             o.setText(ansi(QByteArray(v).replace("\\n", "\r\n")));
             return true;
         }},
        {"FontSize", integerField(&LayoutObject::FontSize, 1, 500)},
        {"GridLineWidth", integerField(&LayoutObject::GridLineWidth, 1, 100)},
        {"NumColumns", integerField(&LayoutObject::NumColumns, 1, 50)},
        {"BorderWidth", integerField(&LayoutObject::BorderWidth, 1, 100)},
        {"TextAlign", setter(alignment, [](LayoutObject& o, int v) { o.TextAlign = v; })},
        {"FontColor", colourField(&LayoutObject::FontColor)},
        {"CellColor", colourField(&LayoutObject::CellColor)},
        {"GridLineColor", colourField(&LayoutObject::GridLineColor)},
        {"FillColor", colourField(&LayoutObject::FillColor)},
        {"BorderColor", colourField(&LayoutObject::BorderColor)},
        {"FontBold", flagField(&LayoutObject::FontBold)},
        {"FontItalic", flagField(&LayoutObject::FontItalic)},
        {"FontUnderline", flagField(&LayoutObject::FontUnderline)},
        {"FontStrikeOut", flagField(&LayoutObject::FontStrikeOut)},
        {"LowerCaseLetters", flagField(&LayoutObject::LowerCaseLetters)},
        {"Transparent", flagField(&LayoutObject::Transparent)},
        {"MakeFit", flagField(&LayoutObject::MakeFit)},
        {"FillShape", flagField(&LayoutObject::FillShape)},
        {"UseBorder", flagField(&LayoutObject::UseBorder)},
    };
    return setters;
}

// The page as described, before pixel sizes are worked out.
struct PageValues {
    QByteArray name;
    QByteArray paper;
    bool inches = true;
    double width = 0;
    double height = 0;
    bool portrait = true;
    int zoom = 1;
};

bool setPageValue(PageValues& page, const QByteArray& key, const QByteArray& value)
{
    static const QList<QByteArray> papers = {"Letter", "Legal", "A4", "A5", "B5", "Executive", "Custom"};
    if (key == "LayoutName") {
        page.name = ansi(value);
        return !page.name.isEmpty() && page.name.size() <= 20;
    }
    if (key == "PaperName") {
        page.paper = value;
        return papers.contains(value);
    }
    if (key == "Units") {
        page.inches = value == "inches";
        return value == "inches" || value == "centimetres";
    }
    if (key == "PageWidth" || key == "PageHeight") {
        const auto size = decimal(value);
        (key == "PageWidth" ? page.width : page.height) = size.value_or(0);
        return size.has_value();
    }
    if (key == "Portrait") {
        const auto portrait = flag(value);
        page.portrait = portrait.value_or(true);
        return portrait.has_value();
    }
    if (key == "DesignZoom") {
        const auto zoom = integer(value, 1, 3);
        page.zoom = zoom.value_or(1);
        return zoom.has_value();
    }
    return false;
}

int pixelsPerUnit(bool inches, int zoom) { return inches ? 24 * (zoom + 1) : 10 * (zoom + 1); }

class Parser {
public:
    explicit Parser(PageLayoutRecord& layout) : m_layout(layout) {}

    bool parse(QByteArrayView text, QString* error)
    {
        std::memset(&m_layout, 0, sizeof m_layout);
        const QList<QByteArray> lines = text.toByteArray().split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            m_line = i + 1;
            if (!parseLine(lines[i].trimmed()))
                return fail(error);
        }
        m_line = 0;
        if (!finishPage() || !checkObjects())
            return fail(error);
        return true;
    }

private:
    bool parseLine(const QByteArray& line)
    {
        if (line.isEmpty() || line.startsWith('#'))
            return true;
        if (line.startsWith('[') && line.endsWith(']'))
            return startSection(line.mid(1, line.size() - 2).trimmed());
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return problem(QStringLiteral("expected \"Key = Value\""));
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (m_section.isEmpty())
            return problem(QStringLiteral("\"%1\" outside a section").arg(QString::fromUtf8(key)));
        if (m_section == "Page")
            return setPageValue(m_page, key, value) || badValue(key, value);
        const auto& setters = objectSetters();
        const auto found = setters.find(key);
        if (found == setters.end())
            return problem(QStringLiteral("unknown key \"%1\"").arg(QString::fromUtf8(key)));
        return found->second(m_layout.object(m_objects), value) || badValue(key, value);
    }

    bool startSection(const QByteArray& section)
    {
        m_section = section;
        if (section == "Page")
            return true;
        const KindName* kind = findKind(section);
        if (!kind)
            return problem(QStringLiteral("unknown section \"%1\"").arg(QString::fromUtf8(section)));
        if (m_objects == PageLayoutRecord::MaxObjects)
            return problem(QStringLiteral("more than %1 objects").arg(PageLayoutRecord::MaxObjects));
        const int sameKind = ++m_kindCount[static_cast<int>(kind->kind)];
        if (!kind->numbered && sameKind > 1)
            return problem(QStringLiteral("a page holds one %1 at most").arg(QString::fromLatin1(kind->section)));
        LayoutObject& object = m_layout.object(++m_objects);
        object = newLayoutObject(kind->kind);
        object.ObjName.assign(kind->numbered ? QByteArray(kind->objectName) + ' ' + QByteArray::number(sameKind)
                                             : QByteArray(kind->objectName));
        return true;
    }

    bool finishPage()
    {
        if (m_page.name.isEmpty() || m_page.paper.isEmpty() || m_page.width <= 0 || m_page.height <= 0)
            return problem(QStringLiteral("[Page] needs LayoutName, PaperName, PageWidth and PageHeight"));
        const int ppu = pixelsPerUnit(m_page.inches, m_page.zoom);
        const double widthPixels = std::trunc(m_page.width * ppu);
        const double heightPixels = std::trunc(m_page.height * ppu);
        if (widthPixels > 32767 || heightPixels > 32767)
            return problem(QStringLiteral("the page is too large"));
        m_layout.LayoutName.assign(m_page.name);
        m_layout.PaperName.assign(m_page.paper);
        m_layout.PageWidth = m_page.width;
        m_layout.PageHeight = m_page.height;
        m_layout.PageWidthPixels = static_cast<std::int16_t>(widthPixels);
        m_layout.PageHeightPixels = static_cast<std::int16_t>(heightPixels);
        m_layout.UnitsInches = m_page.inches ? 1 : 0;
        m_layout.Portrait = m_page.portrait ? 1 : 0;
        m_layout.DesignZoom = static_cast<std::int16_t>(m_page.zoom);
        m_layout.ObjectCount = static_cast<std::int16_t>(m_objects);
        return true;
    }

    bool checkObjects()
    {
        for (int n = 1; n <= m_objects; ++n) {
            const LayoutObject& o = m_layout.object(n);
            const bool inside = o.left() >= 0 && o.top() >= 0 && o.left() < o.right() && o.top() < o.bottom()
                                && o.right() <= m_layout.PageWidthPixels && o.bottom() <= m_layout.PageHeightPixels;
            if (!inside)
                return problem(QStringLiteral("object %1 (%2) does not lie inside the page of %3 x %4 pixels")
                                   .arg(n)
                                   .arg(o.ObjName.text())
                                   .arg(int(m_layout.PageWidthPixels))
                                   .arg(int(m_layout.PageHeightPixels)));
        }
        return true;
    }

    bool badValue(const QByteArray& key, const QByteArray& value)
    {
        return problem(QStringLiteral("bad value \"%1\" for %2").arg(QString::fromUtf8(value), QString::fromUtf8(key)));
    }

    bool problem(const QString& text)
    {
        m_problem = m_line > 0 ? QStringLiteral("line %1: %2").arg(m_line).arg(text) : text;
        return false;
    }

    bool fail(QString* error)
    {
        if (error)
            *error = m_problem;
        return false;
    }

    PageLayoutRecord& m_layout;
    PageValues m_page;
    QByteArray m_section;
    int m_objects = 0;
    std::map<int, int> m_kindCount;
    int m_line = 0;
    QString m_problem;
};

} // namespace

bool parseLayoutText(QByteArrayView text, PageLayoutRecord& layout, QString* error)
{
    return Parser(layout).parse(text, error);
}
