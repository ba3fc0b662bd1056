#include "render/htmlpage.h"

#include "base/ansi.h"
#include "base/messageservice.h"
#include "base/wholefile.h"
#include "render/pageexport.h"
#include "storage/settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int WebTitleLength = 100;
const QByteArray kLineEnd = "\r\n";
const QByteArray kGenerator = R"(<META NAME="GENERATOR" CONTENT="Tamberlyn / Quillmaze 97">)";
const QByteArray kPictureEnd = R"(" ALT="Quillmaze 97 Puzzle"></CENTER><P>)";
const QByteArray kRule = "<HR><P>";

QByteArray wrap(const QByteArray& tag, const QByteArray& inner)
{
    return '<' + tag + '>' + inner + "</" + tag + '>';
}

} // namespace

QString webTitle(const QString& typed)
{
    QString title = typed;
    while (title.startsWith(u' '))
        title.remove(0, 1);
    while (title.endsWith(u' '))
        title.chop(1);
    return title.left(WebTitleLength);
}

QString htmlPictureName(const QString& htmlPath)
{
    const QString name = QFileInfo(htmlPath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot < 0 ? name : name.left(dot)) + QStringLiteral(".JPG");
}

QByteArray htmlBlockLine(const HtmlTextBlock& block)
{
    QByteArray line = "<FONT SIZE=" + QByteArray::number(block.fontSize) + '>' + unicodeToAnsi(block.text) + "</FONT>";
    if (block.bold)
        line = wrap("B", line);
    if (block.italic)
        line = wrap("I", line);
    if (block.center)
        line = wrap("CENTER", line);
    return line + "<P>";
}

QByteArray htmlPage(const HtmlSettings& settings, const QString& pictureName)
{
    QByteArray page;
    const auto line = [&page](int indent, const QByteArray& text) { page += QByteArray(indent, ' ') + text + kLineEnd; };
    const auto block = [&line](const HtmlTextBlock& b) {
        if (!b.text.isEmpty())
            line(2, htmlBlockLine(b));
    };
    line(0, "<HTML>");
    line(1, "<HEAD>");
    line(2, "<TITLE>" + unicodeToAnsi(settings.webTitle) + "</TITLE>");
    line(2, kGenerator);
    line(1, "</HEAD>");
    line(1, "<BODY>");
    block(settings.firstHeader);
    block(settings.secondHeader);
    if (settings.horizontalUpper)
        line(2, kRule);
    line(2, "<CENTER><IMG SRC=\"" + unicodeToAnsi(pictureName) + kPictureEnd);
    if (settings.horizontalLower)
        line(2, kRule);
    block(settings.firstFooter);
    block(settings.secondFooter);
    line(1, "</BODY>");
    line(0, "</HTML>");
    return page;
}

bool writeHtmlExport(const QString& htmlPath, const HtmlSettings& settings, const QImage& image, int quality)
{
    const QString pictureName = htmlPictureName(htmlPath);
    WholeFile file(htmlPath);
    if (!file.open())
        return false;
    // The picture goes first: a picture that failed never has a new page
    // pointing at it, and the page takes its place only when complete.
    writeJpegFile(QFileInfo(htmlPath).dir().filePath(pictureName), image, quality);
    if (!file.write(htmlPage(settings, pictureName)) || !file.commit())
        throw IoError(QStringLiteral("Unable to write the file %1: %2").arg(htmlPath, file.errorString()));
    return true;
}
