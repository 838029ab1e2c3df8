#include "report/qt/report_document.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include "report/worked_example.h"

namespace pali {
namespace {

constexpr double kMarginPt = 10 / 25.4 * 72;
constexpr double kA4LongSidePt = 841.89;
constexpr double kA4ShortSidePt = 595.28;
// Where the report of the worked example is left in the build tree, for a look at the pages.
// One file per test process: CTest runs the tests of this suite side by side.
const QString kPdfPath = QStringLiteral(WORKED_EXAMPLE_PDF).replace(
    QStringLiteral(".pdf"), QStringLiteral("-%1.pdf").arg(QCoreApplication::applicationPid()));

QString Extract(const QStringList& options)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PDFTOTEXT), options + QStringList{kPdfPath, QStringLiteral("-")});
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

std::vector<Page> ExtractPages()
{
    static const QRegularExpression pageOrWord(QString::fromLatin1(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Page> pages;
    for (const auto& match : pageOrWord.globalMatch(Extract({QStringLiteral("-bbox")}))) {
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
    QStringList recorded;
    for (const PrintedLine& line : WorkedExampleReport()) {
        recorded.append(QString::fromStdString(line.text));
    }
    const QString layout = Extract({QStringLiteral("-layout")});
    EXPECT_EQ(ReadableLines(layout.split(QRegularExpression(QStringLiteral("[\n\f]")))),
              ReadableLines(recorded));
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
        EXPECT_NEAR(WordOn(page, text).xMin, rule.xMin + (column - 1) * advance, advance / 4)
            << text.toStdString();
    };
    expectColumn(QStringLiteral("STRATOANG.ATTRITO(gradi)LUNGHEZZA(mt)"), 6);
    expectColumn(QStringLiteral("PESO"), 44);
    expectColumn(QStringLiteral("LAT."), 78);
    expectColumn(QStringLiteral("30"), 21);
    expectColumn(QStringLiteral("34"), 21);
    expectColumn(QStringLiteral("1,8"), 56);
    expectColumn(QStringLiteral("0,8"), 81);
}

TEST(ReportDocument, FileThatCannotBeWrittenIsAFailure)
{
    EXPECT_FALSE(ReportDocument(WorkedExampleReport()).SaveAsPdf(
        QStringLiteral("/nonexistent-folder/report.pdf")));
}

}  // namespace
}  // namespace pali
