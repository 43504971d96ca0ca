#include "support/PdfReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kelvora::test::PdfReader {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString info(const QString& pdf, int page = 0) {
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    return run(QStringLiteral("pdfinfo"), arguments << pdf);
}

} // namespace

int pageCount(const QString& pdf) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QSizeF pageSize(const QString& pdf, int page) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts"))
            .match(info(pdf, page));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

QStringList pageTexts(const QString& pdf, bool layout) {
    QStringList arguments{pdf, QStringLiteral("-")};
    if (layout)
        arguments.prepend(QStringLiteral("-layout"));
    QStringList pages = run(QStringLiteral("pdftotext"), arguments).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QImage pageImage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
         QString::number(page), QStringLiteral("-l"), QString::number(page),
         QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QStringList images(const QString& pdf) {
    QStringList placed;
    const QStringList lines =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() > 11)
            placed << fields.at(0) + QLatin1Char(' ') + fields.at(10); // page, object ID
    }
    return placed;
}

QStringList printedLines(const QString& pdf, int page)
{
    const QStringList pages = pageTexts(pdf, true);
    QStringList lines;
    for (int p = 0; p < pages.size(); ++p)
        if (page == 0 || p + 1 == page)
            for (const QString& line : pages.at(p).split(QLatin1Char('\n')))
                if (!line.simplified().isEmpty())
                    lines << line.simplified();
    return lines;
}

} // namespace kelvora::test::PdfReader
