#include "result/resultdocument.h"

#include "platform/version.h"
#include "result/resultpicture.h"
#include "result/scoringtext.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <optional>

namespace wellbox {

namespace {

// Characters that would turn the text after them around, past the end of a typed name.
constexpr std::array kDirectionControls{QChar::DirLRE, QChar::DirRLE, QChar::DirLRO,
                                        QChar::DirRLO, QChar::DirPDF, QChar::DirLRI,
                                        QChar::DirRLI, QChar::DirFSI, QChar::DirPDI};
// Characters that would break a line or fake a column of the kept text.
constexpr std::array kBreakingCategories{QChar::Other_Control, QChar::Separator_Line,
                                         QChar::Separator_Paragraph};

// The most of a detail that is kept: a name may be 32,767 characters, which would run over
// many pages.
constexpr qsizetype kLongestDetail = 100;
// The most combining marks kept on one character: more are stacked ever higher and, on a name of
// one letter with thousands of accents, drawn over the lines above it.
constexpr int kMostMarks = 4;

bool isMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// `shown` with the combining marks past the first few on each character left out.
QString withFewMarks(const QString& shown) {
    QString kept;
    kept.reserve(shown.size());
    int marks = 0;
    for (const char32_t c : shown.toUcs4()) {
        marks = isMark(c) ? marks + 1 : 0;
        if (marks <= kMostMarks)
            kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

// A text as kept: each character of the two tables above shows as the replacement character,
// so that a typed name reads as typed and can neither fake a line of the result nor turn it.
QString text(QString shown) {
    for (QChar& c : shown)
        if (std::ranges::find(kDirectionControls, c.direction()) != kDirectionControls.end() ||
            std::ranges::find(kBreakingCategories, c.category()) != kBreakingCategories.end())
            c = QChar::ReplacementCharacter;
    return shown;
}

// A text of the report in the user's language, as kept.
QString text(const Phrase& phrase) {
    return text(ui::scoringText(phrase));
}

// A detail entered, shortened where it is long, and then marked so.
QString detailText(const Phrase& detail) {
    const QString whole = text(detail);
    const QString few = withFewMarks(whole);
    if (whole.size() <= kLongestDetail && few.size() == whole.size())
        return whole;
    QString head = few.left(kLongestDetail);
    if (head.back().isHighSurrogate())
        head.chop(1);
    while (!head.isEmpty() && head.back().isSpace())
        head.chop(1);
    return QCoreApplication::translate("wellbox::ResultDocument",
                                       "%1\u2026 (shortened from %2 characters)")
        .arg(head, QLocale().toString(whole.size()));
}

QString escaped(const Phrase& phrase) {
    return text(phrase).toHtmlEscaped();
}

// Sizes of the printed page, in points.
constexpr struct {
    qreal bodyFont;
    qreal margin;
    int resolution;       // dots per inch of the PDF
    qreal pictureHeight;  // its width follows
    qreal captionPadding; // around the picture and its caption beside it
} kPageSizes{
    .bodyFont = 9.0,
    .margin = 36.0,
    .resolution = 300,
    .pictureHeight = 150.0,
    .captionPadding = 4.0,
};

// The parts of a kept result, each under its heading.
constexpr std::array<const char*, 4> kPartHeadings{
    QT_TRANSLATE_NOOP("wellbox::ResultDocument", "Your result"),
    QT_TRANSLATE_NOOP("wellbox::ResultDocument", "How it compares"),
    QT_TRANSLATE_NOOP("wellbox::ResultDocument", "What would change it"),
    QT_TRANSLATE_NOOP("wellbox::ResultDocument", "How it was worked out")};
enum Part { YourResult, HowItCompares, WhatWouldChangeIt, HowItWasWorkedOut };

QString heading(Part part) {
    return QCoreApplication::translate("wellbox::ResultDocument", kPartHeadings[part]);
}

QString headingHtml(Part part) {
    return QStringLiteral("<h3 style='margin-top:10px'>%1</h3>").arg(heading(part).toHtmlEscaped());
}

// The result texts with the band, then what the values mean.
std::vector<Phrase> resultLines(const ResultReport& report) {
    std::vector<Phrase> lines = report.resultTexts;
    if (report.band)
        lines.push_back(*report.band);
    return lines;
}

std::vector<Phrase> comparisonLines(const ResultOutlook& outlook) {
    return outlook.comparison ? std::vector{*outlook.comparison} : std::vector<Phrase>{};
}

std::vector<Phrase> whatIfLines(const ResultOutlook& outlook) {
    std::vector<Phrase> lines;
    for (const WhatIf& whatIf : outlook.whatIfs)
        lines.push_back(whatIf.line);
    return lines;
}

// What an object of the document draws: the picture, or, where the format names one, the key
// of a part of its caption.
constexpr int kPictureObject = QTextFormat::UserObject + 1;
constexpr int kKeyProperty = QTextFormat::UserProperty + 1;

QTextCharFormat objectFormat(std::optional<PictureKey> key) {
    QTextCharFormat format;
    format.setObjectType(kPictureObject);
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    if (key)
        format.setProperty(kKeyProperty, static_cast<int>(*key));
    return format;
}

// The result's picture in the document, drawn in vectors on whatever device lays it out and
// prints it, so that a PDF and a printer both draw it sharp. One document holds one picture.
class PictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    PictureObject(ResultPictureData picture, QObject* parent)
        : QObject(parent)
        , m_picture(std::move(picture)) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QPaintDevice* device = document->documentLayout()->paintDevice();
        if (format.hasProperty(kKeyProperty)) {
            const qreal side = QFontMetricsF(document->defaultFont(), device).height();
            return {side, side};
        }
        constexpr qreal PointsPerInch = 72, ScreenDpi = 96;
        const qreal height =
            kPageSizes.pictureHeight * (device ? device->logicalDpiY() : ScreenDpi) / PointsPerInch;
        const QSizeF natural = naturalSize(m_picture);
        return {height * natural.width() / natural.height(), height};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        if (format.hasProperty(kKeyProperty))
            paintKey(*painter, rect, static_cast<PictureKey>(format.intProperty(kKeyProperty)),
                     PictureInk::paper());
        else
            paintPicture(*painter, rect, m_picture, PictureInk::paper());
    }

private:
    ResultPictureData m_picture;
};

// The head of the page: the suite and its version, the calculator, when, the details entered.
QString headerHtml(const QString& calculator, const QString& madeAt, const ResultReport& report) {
    QString html = QStringLiteral("<h2>%1</h2><p><b>%2</b><br>%3</p><table cellpadding='2'>")
                       .arg(versionedTitle().toHtmlEscaped(), calculator.toHtmlEscaped(),
                            madeAt.toHtmlEscaped());
    for (const ReportDetail& detail : report.details)
        html += QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>")
                    .arg(escaped(detail.label), detailText(detail.value).toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

// Lines that belong together share a paragraph, which keeps the page to one.
QString linesHtml(const std::vector<Phrase>& lines, const char* style) {
    QStringList shown;
    for (const Phrase& line : lines)
        shown << escaped(line);
    return shown.isEmpty() ? QString()
                           : QStringLiteral("<p style='%1'>%2</p>")
                                 .arg(QLatin1String(style), shown.join(QStringLiteral("<br>")));
}

// The picture with its caption beside it, each part after its key.
void insertPicture(QTextCursor& cursor, const ResultPictureData& picture) {
    QTextTableFormat beside;
    beside.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    beside.setCellPadding(kPageSizes.captionPadding);
    beside.setCellSpacing(0);
    QTextTable* table = cursor.insertTable(1, 2, beside);
    const QString object(QChar::ObjectReplacementCharacter);
    table->cellAt(0, 0).firstCursorPosition().insertText(object, objectFormat(std::nullopt));
    QTextTableCellFormat middle;
    middle.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    table->cellAt(0, 1).setFormat(middle);
    QTextCursor caption = table->cellAt(0, 1).firstCursorPosition();
    for (const CaptionPart& part : captionParts(picture)) {
        if (caption.position() != table->cellAt(0, 1).firstPosition())
            caption.insertBlock();
        caption.insertText(object, objectFormat(part.key));
        caption.insertText(u' ' + text(part.text), QTextCharFormat());
    }
}

// The table of how the result was worked out, ruled, then the notes on the model.
QString workingsHtml(const ResultReport& report) {
    const auto& h = report.headings;
    QString html = QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' width='100%'>"
                                  "<tr><th align='left'>%1</th><th align='left'>%2</th>"
                                  "<th align='right'>%3</th></tr>")
                       .arg(escaped(h[0]), escaped(h[1]), escaped(h[2]));
    for (const ReportRow& row : report.rows)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td align='right'>%3</td></tr>")
                    .arg(escaped(row.item), escaped(row.answer), escaped(row.points));
    return headingHtml(HowItWasWorkedOut) + html + QStringLiteral("</table>") +
           linesHtml(report.notes, "");
}

// What other equations and tables give for the same entries: their lines, then the goals with a
// tab between the columns, then the notes on them.
QStringList estimatesText(const ResultEstimates& estimates) {
    if (estimates.empty())
        return {};
    QStringList lines{QString()};
    for (const auto* phrases : {&estimates.bodyMass, &estimates.secondEstimate})
        for (const Phrase& line : *phrases)
            lines << text(line);
    if (estimates.goals.empty())
        return lines;
    lines << QString() << text(estimates.goalHeadings[0]) + u'\t' + text(estimates.goalHeadings[1]);
    for (const GoalLine& goal : estimates.goals)
        lines << text(goal.goal) + u'\t' + text(goal.calories);
    for (const Phrase& note : estimates.goalNotes)
        lines << text(note);
    return lines;
}

// The same as paragraphs and a ruled table.
QString estimatesHtml(const ResultEstimates& estimates) {
    std::vector<Phrase> lines = estimates.bodyMass;
    lines.insert(lines.end(), estimates.secondEstimate.begin(), estimates.secondEstimate.end());
    QString html = linesHtml(lines, "");
    if (estimates.goals.empty())
        return html;
    html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='3'>"
                           "<tr><th align='left'>%1</th><th align='right'>%2</th></tr>")
                .arg(escaped(estimates.goalHeadings[0]), escaped(estimates.goalHeadings[1]));
    for (const GoalLine& goal : estimates.goals)
        html += QStringLiteral("<tr><td>%1</td><td align='right'>%2</td></tr>")
                    .arg(escaped(goal.goal), escaped(goal.calories));
    return html + QStringLiteral("</table>") + linesHtml(estimates.goalNotes, "");
}

} // namespace

ResultDocument::ResultDocument(QString calculator, QDateTime madeAt, ResultReport report)
    : m_calculator(std::move(calculator))
    , m_madeAt(std::move(madeAt))
    , m_report(std::move(report)) {}

QString ResultDocument::madeAtText() const {
    // In the way of the user's locale; the C and POSIX locales name no way of their own, and
    // take that of the sources' English.
    const QLocale system;
    const QLocale locale =
        system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
    return locale.toString(m_madeAt.date(), QLocale::LongFormat) + u' ' +
           locale.toString(m_madeAt.time(), QLocale::ShortFormat);
}

QString ResultDocument::plainText() const {
    QStringList lines{versionedTitle(), m_calculator, madeAtText(), QString()};
    for (const ReportDetail& detail : m_report.details)
        lines << text(detail.label) + QStringLiteral(": ") + detailText(detail.value);
    lines << QString() << heading(YourResult);
    for (const Phrase& result : resultLines(m_report))
        lines << text(result);
    for (const Phrase& remark : m_report.remarks)
        lines << text(remark);
    lines << estimatesText(m_report.estimates);
    // The picture by its caption, a part to a line.
    lines << QString();
    for (const CaptionPart& part : captionParts(m_report.outlook.picture))
        lines << text(part.text);
    const std::array<std::pair<Part, std::vector<Phrase>>, 2> outlook{
        {{HowItCompares, comparisonLines(m_report.outlook)},
         {WhatWouldChangeIt, whatIfLines(m_report.outlook)}}};
    for (const auto& [part, shown] : outlook) {
        if (shown.empty())
            continue;
        lines << QString() << heading(part);
        for (const Phrase& line : shown)
            lines << text(line);
    }
    lines << QString() << heading(HowItWasWorkedOut);
    const auto& h = m_report.headings;
    lines << QStringList{text(h[0]), text(h[1]), text(h[2])}.join(u'\t');
    for (const ReportRow& row : m_report.rows)
        lines << QStringList{text(row.item), text(row.answer), text(row.points)}.join(u'\t');
    lines << QString();
    for (const Phrase& note : m_report.notes)
        lines << text(note);
    return lines.join(u'\n') + u'\n';
}

std::unique_ptr<QTextDocument> ResultDocument::textDocument() const {
    auto document = std::make_unique<QTextDocument>();
    QFont font = document->defaultFont();
    font.setPointSizeF(kPageSizes.bodyFont);
    document->setDefaultFont(font);
    document->setHtml(headerHtml(m_calculator, madeAtText(), m_report) + headingHtml(YourResult) +
                      linesHtml(resultLines(m_report), "font-weight:bold") +
                      linesHtml(m_report.remarks, "") + estimatesHtml(m_report.estimates));
    document->documentLayout()->registerHandler(
        kPictureObject, new PictureObject(m_report.outlook.picture, document.get()));
    QTextCursor cursor(document.get());
    cursor.movePosition(QTextCursor::End);
    insertPicture(cursor, m_report.outlook.picture);
    // Then how the result compares and what would change it, and how it was worked out.
    cursor.movePosition(QTextCursor::End);
    const std::vector<Phrase> compares = comparisonLines(m_report.outlook);
    const std::vector<Phrase> changes = whatIfLines(m_report.outlook);
    cursor.insertHtml((compares.empty() ? QString() : headingHtml(HowItCompares)) +
                      linesHtml(compares, "") +
                      (changes.empty() ? QString() : headingHtml(WhatWouldChangeIt)) +
                      linesHtml(changes, "") + workingsHtml(m_report));
    return document;
}

QByteArray ResultDocument::pdf() const {
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&page);
        writer.setResolution(kPageSizes.resolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(
            QMarginsF(kPageSizes.margin, kPageSizes.margin, kPageSizes.margin, kPageSizes.margin),
            QPageLayout::Point);
        writer.setTitle(m_calculator);
        writer.setCreator(versionedTitle());
        const std::unique_ptr<QTextDocument> document = textDocument();
        // Laid out for the page's own margins, in the document's units of a 96 dpi screen; an
        // unpaged document would be printed within further margins of its own.
        constexpr qreal PointsPerInch = 72, DocumentDpi = 96;
        document->setPageSize(writer.pageLayout().paintRect(QPageLayout::Point).size() *
                              DocumentDpi / PointsPerInch);
        document->print(&writer);
    }
    return page.data();
}

} // namespace wellbox

#include "resultdocument.moc"
