// SPDX-License-Identifier: MIT

#include "qt/report_document.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include "core/report/worked_example.h"

namespace pali {
namespace {

constexpr double kMarginPt = 10 / 25.4 * 72;
constexpr double kA4LongSidePt = 841.89;
constexpr double kA4ShortSidePt = 595.28;

// Where a report is left in the build tree, for a look at the pages. One file
// per test process: CTest runs the tests of this suite side by side.
QString PdfPath(const QString& name)
{
    return QStringLiteral(WORKED_EXAMPLE_PDF)
        .replace(QStringLiteral("worked_example_report.pdf"),
                 QStringLiteral("%1-%2.pdf").arg(name).arg(QCoreApplication::applicationPid()));
}

const QString kPdfPath = PdfPath(QStringLiteral("worked_example_report"));

QString Extract(const QStringList& options, const QString& pdf = kPdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PDFTOTEXT), options + QStringList{pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) {
        throw std::runtime_error("pdftotext failed; poppler-utils comes with scripts/install-deps test");
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

struct Word {
    double xMin, yMin, xMax, yMax;
    QString text;
};

struct Page {
    double width, height;
    std::vector<Word> words;
};

std::vector<Page> ExtractPages(const QString& pdf = kPdfPath)
{
    static const QRegularExpression pageOrWord(QString::fromLatin1(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Page> pages;
    for (const auto& match : pageOrWord.globalMatch(Extract({QStringLiteral("-bbox")}, pdf))) {
        if (!match.captured(1).isEmpty()) {
            pages.push_back({match.captured(1).toDouble(), match.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({match.captured(3).toDouble(), match.captured(4).toDouble(),
                                          match.captured(5).toDouble(), match.captured(6).toDouble(),
                                          match.captured(7)});
        }
    }
    return pages;
}

// Lines as a reader sees them: runs of blanks count as one, blank lines not at all.
QStringList ReadableLines(const QStringList& lines)
{
    QStringList readable;
    for (const QString& line : lines) {
        if (!line.simplified().isEmpty()) {
            readable.append(line.simplified());
        }
    }
    return readable;
}

QStringList RecordedLines(const std::vector<PrintedLine>& lines)
{
    QStringList recorded;
    for (const PrintedLine& line : lines) {
        recorded.append(QString::fromStdString(line.text));
    }
    return recorded;
}

QStringList LayoutLines(const QString& pdf)
{
    return Extract({QStringLiteral("-layout")}, pdf).split(QRegularExpression(QStringLiteral("[\n\f]")));
}

class RenderedReport : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(ReportDocument(WorkedExampleReport()).SaveAsPdf(kPdfPath));
        pages_ = ExtractPages();
    }

    static void TearDownTestSuite() { QFile::remove(kPdfPath); }

    static const Word& WordOn(const Page& page, const QString& text)
    {
        for (const Word& word : page.words) {
            if (word.text == text) {
                return word;
            }
        }
        throw std::runtime_error("no word " + text.toStdString());
    }

    static std::vector<Page> pages_;
};

std::vector<Page> RenderedReport::pages_;

TEST_F(RenderedReport, EveryLineIsOnPaperInItsOrder)
{
    EXPECT_EQ(ReadableLines(LayoutLines(kPdfPath)), ReadableLines(RecordedLines(WorkedExampleReport())));
}

TEST_F(RenderedReport, LandscapeA4PagesContinueWhenOneIsFull)
{
    ASSERT_GE(pages_.size(), 2U);
    for (const Page& page : pages_) {
        EXPECT_NEAR(page.width, kA4LongSidePt, 1);
        EXPECT_NEAR(page.height, kA4ShortSidePt, 1);
    }
}

TEST_F(RenderedReport, EveryGlyphStaysInsideTheMargins)
{
    for (const Page& page : pages_) {
        for (const Word& word : page.words) {
            const QString where = word.text.left(20);
            EXPECT_GE(word.xMin, kMarginPt - 1) << where.toStdString();
            EXPECT_GE(word.yMin, kMarginPt - 1) << where.toStdString();
            EXPECT_LE(word.xMax, page.width - kMarginPt + 1) << where.toStdString();
            EXPECT_LE(word.yMax, page.height - kMarginPt + 1) << where.toStdString();
        }
    }
}

TEST_F(RenderedReport, FaceIsCondensedOnlyAsMuchAsTheWidestLineNeeds)
{
    const Word& widest = WordOn(pages_.front(), QString(122, QLatin1Char('*')));
    const double available = pages_.front().width - 2 * kMarginPt;
    EXPECT_LE(widest.xMax - widest.xMin, available);
    EXPECT_GE(widest.xMax - widest.xMin, 0.97 * available);
}

TEST_F(RenderedReport, LayerValuesStandUnderTheirHeadings)
{
    const Page& page = pages_.front();
    const Word& rule = WordOn(page, QString(122, QLatin1Char('*')));
    const double advance = (rule.xMax - rule.xMin) / 122;
    const auto expectColumn = [&](const QString& text, int column) {
        EXPECT_NEAR(WordOn(page, text).xMin, rule.xMin + (column - 1) * advance, advance / 4) << text.toStdString();
    };
    expectColumn(QStringLiteral("STRATOANG.ATTRITO(gradi)LUNGHEZZA(mt)"), 6);
    expectColumn(QStringLiteral("PESO"), 44);
    expectColumn(QStringLiteral("LAT."), 78);
    expectColumn(QStringLiteral("30"), 21);
    expectColumn(QStringLiteral("34"), 21);
    expectColumn(QStringLiteral("1,8"), 56);
    expectColumn(QStringLiteral("0,8"), 81);
}

// A box may hold any length of text. A line too wide for the page continues
// on the lines below it, and the face stays as wide as for any other report.
class LongDiameterReport : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(ReportDocument(WorkedExampleReportWithDiameter(LongDiameter())).SaveAsPdf(kLongPdf));
    }

    static void TearDownTestSuite() { QFile::remove(kLongPdf); }

    // The continuation lines of the diameter hold digits only: joined back to
    // the line they continue, they give the line as composed.
    static QStringList JoinedLines(const QStringList& lines)
    {
        static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
        QStringList joined;
        for (const QString& line : lines) {
            if (!joined.isEmpty() && digitsOnly.match(line).hasMatch()) {
                joined.back() += line;
            } else {
                joined.append(line);
            }
        }
        return joined;
    }

    static inline const QString kLongPdf = PdfPath(QStringLiteral("long_diameter_report"));
};

TEST_F(LongDiameterReport, EveryOtherLineReadsAsInTheUsualReport)
{
    const QStringList onPaper = JoinedLines(ReadableLines(LayoutLines(kLongPdf)));
    QStringList expected = ReadableLines(RecordedLines(WorkedExampleReport()));
    const auto diameterLine = expected.indexOf(QStringLiteral("DIAMETRO DEL PALO (cm)=60"));
    ASSERT_GE(diameterLine, 0);
    expected[diameterLine] = QStringLiteral("DIAMETRO DEL PALO (cm)=") + QString::fromStdString(LongDiameter());
    EXPECT_EQ(onPaper, expected);
}

TEST_F(LongDiameterReport, EveryFullLineSpansThePageInsideItsMargins)
{
    const std::vector<Page> pages = ExtractPages(kLongPdf);
    ASSERT_GT(pages.size(), 2U);
    int fullLines = 0;
    for (const Page& page : pages) {
        const double available = page.width - 2 * kMarginPt;
        for (const Word& word : page.words) {
            EXPECT_GE(word.xMin, kMarginPt - 1) << word.text.left(20).toStdString();
            EXPECT_LE(word.xMax, page.width - kMarginPt + 1) << word.text.left(20).toStdString();
            if (word.text.size() == 122) {
                EXPECT_GE(word.xMax - word.xMin, 0.97 * available) << word.text.left(20).toStdString();
                ++fullLines;
            }
        }
    }
    EXPECT_GT(fullLines, 1600);
}

TEST(ReportDocument, FileThatCannotBeWrittenIsAFailure)
{
    EXPECT_FALSE(ReportDocument(WorkedExampleReport()).SaveAsPdf(QStringLiteral("/nonexistent-folder/report.pdf")));
}

}  // namespace
}  // namespace pali
