#pragma once

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>

namespace testing_support {

// A PDF read back by poppler's independent reader (pdftotext -bbox, pdfinfo):
// every word with its box, page by page, in points from the page's top left.
class PdfText {
public:
    struct Word {
        QString text;
        double x = 0;
        double y = 0;
    };
    struct Page {
        double width = 0;
        double height = 0;
        QList<Word> words;

        // The grid cell (80 columns, 45 rows over the page) a word starts in,
        // as fractions.
        double Column(const Word& w) const { return w.x / width * 80; }
        double Row(const Word& w) const { return w.y / height * 45; }
        // The first word with this text, or an empty word at (-1, -1).
        Word Find(const QString& text) const {
            for (const Word& w : words)
                if (w.text == text)
                    return w;
            return {QString(), -1, -1};
        }
        // The words whose top lies on the grid row, left to right.
        QStringList RowWords(int row) const {
            QStringList out;
            for (const Word& w : words)
                if (std::abs(Row(w) - row) < 0.3)
                    out << w.text;
            return out;
        }
    };

    explicit PdfText(const QString& path) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        p.waitForFinished(-1);
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression page(
            QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>)re"),
            QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression word(QString::fromLatin1(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
        for (auto pm = page.globalMatch(html); pm.hasNext();) {
            const auto m = pm.next();
            Page pg{m.captured(1).toDouble(), m.captured(2).toDouble(), {}};
            for (auto wm = word.globalMatch(m.captured(3)); wm.hasNext();) {
                const auto w = wm.next();
                pg.words << Word{Unescape(w.captured(3)), w.captured(1).toDouble(), w.captured(2).toDouble()};
            }
            pages << pg;
        }
    }

    // The page count pdfinfo reports, -1 when it cannot read the file.
    static int PageCount(const QString& path) {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {path});
        p.waitForFinished(-1);
        static const QRegularExpression pages(QString::fromLatin1(R"re(^Pages:\s+(\d+))re"),
                                              QRegularExpression::MultilineOption);
        const auto m = pages.match(QString::fromUtf8(p.readAllStandardOutput()));
        return p.exitCode() == 0 && m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    QList<Page> pages;

private:
    static QString Unescape(QString s) {
        return s.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
    }
};

} // namespace testing_support
