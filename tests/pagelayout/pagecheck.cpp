#include "tests/pagelayout/pagecheck.h"

#include "documents/drawingregion.h"
#include "office/wordapp.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace pagecheck {

bool ConvertToPdf(const QStringList &docx, const QString &outDir, const QString &workDir, int jobs, QString *error)
{
    jobs = std::max(1, std::min(jobs, int(docx.size())));
    std::vector<QStringList> chunks(jobs);
    for (qsizetype i = 0; i < docx.size(); ++i)
        chunks[i % jobs] << docx[i];
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int k = 0; k < jobs; ++k) {
        auto p = std::make_unique<QProcess>();
        const QString profile = QDir(workDir).filePath(QStringLiteral("lo-profile-%1").arg(k));
        QStringList args = {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                            QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--convert-to"),
                            QStringLiteral("pdf"), QStringLiteral("--outdir"), outDir};
        args += chunks[k];
        p->start(QStringLiteral("soffice"), args);
        processes.push_back(std::move(p));
    }
    bool ok = true;
    for (auto &p : processes) {
        if (!p->waitForFinished(600000) || p->exitCode() != 0) {
            ok = false;
            if (error)
                *error += QString::fromLocal8Bit(p->readAllStandardError());
        }
    }
    for (const QString &d : docx) {
        const QString pdf = QDir(outDir).filePath(QFileInfo(d).completeBaseName() + QStringLiteral(".pdf"));
        if (!QFileInfo::exists(pdf)) {
            ok = false;
            if (error)
                *error += QStringLiteral("no PDF of %1\n").arg(d);
        }
    }
    return ok;
}

namespace {

std::vector<Sheet> SheetsOf(const QByteArray &bbox)
{
    std::vector<Sheet> sheets;
    QXmlStreamReader xml(bbox);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto num = [&](const char *name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            sheets.push_back({QSizeF(num("width"), num("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !sheets.empty()) {
            const QRectF box(QPointF(num("xMin"), num("yMin")), QPointF(num("xMax"), num("yMax")));
            sheets.back().words.push_back({box, xml.readElementText()});
        }
    }
    return sheets;
}

} // namespace

std::vector<std::vector<Sheet>> ReadSheets(const QStringList &pdfs, int jobs)
{
    std::vector<std::vector<Sheet>> all(size_t(pdfs.size()));
    jobs = std::max(1, jobs);
    for (qsizetype first = 0; first < pdfs.size(); first += jobs) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (qsizetype i = first; i < std::min(pdfs.size(), first + jobs); ++i) {
            running.push_back(std::make_unique<QProcess>());
            running.back()->start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfs[i], QStringLiteral("-")});
        }
        for (size_t k = 0; k < running.size(); ++k) {
            running[k]->waitForFinished(120000);
            all[size_t(first) + k] = SheetsOf(running[k]->readAllStandardOutput());
        }
    }
    return all;
}

namespace {

struct Drawn {
    QString name;
    QRectF box;
};

struct Label {
    QRectF box;
    QStringList words;
};

QString at(const QRectF &r)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(r.left(), 0, 'f', 1)
        .arg(r.top(), 0, 'f', 1)
        .arg(r.right(), 0, 'f', 1)
        .arg(r.bottom(), 0, 'f', 1);
}

QString place(const Word &w, int sheet)
{
    return QStringLiteral("«%1» on sheet %2 at %3").arg(w.text).arg(sheet).arg(at(w.box));
}

constexpr double Tolerance = 0.5; // points: how far a measured box may cross a line it touches

bool within(const QRectF &outer, const QRectF &r)
{
    return outer.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(r);
}

bool enters(const QRectF &area, const QRectF &r)
{
    return area.adjusted(Tolerance, Tolerance, -Tolerance, -Tolerance).intersects(r);
}

/// The drawing regions of a sheet: the first drawing's and, on a sheet with two, the second's.
struct Regions {
    std::vector<QRectF> rects;

    bool any() const { return !rects.empty(); }
    bool hold(const QRectF &r) const
    {
        return !any() || std::any_of(rects.begin(), rects.end(), [&](const QRectF &a) { return within(a, r); });
    }
    bool entered(const QRectF &r) const
    {
        return std::any_of(rects.begin(), rects.end(), [&](const QRectF &a) { return enters(a, r); });
    }
    QString text() const
    {
        QStringList parts;
        for (const QRectF &a : rects)
            parts << at(a);
        return parts.join(QStringLiteral(" or "));
    }
};

} // namespace

QStringList CheckLayout(const QString &docx, const std::vector<Sheet> &sheets, const Expectations &expect)
{
    using documents::TemplateRegion;
    QStringList faults;
    QRectF frame, stamp, arrow;
    Regions region;
    std::vector<Drawn> drawn;
    std::vector<Label> labels;
    {
        office::WordApp app;
        office::Document &doc = app.Documents_Open(docx);
        frame = TemplateRegion(doc, QString::fromLatin1(documents::FrameVariable));
        for (const char *name : {documents::DrawingRegionVariable, documents::SecondDrawingRegionVariable}) {
            const QRectF r = TemplateRegion(doc, QString::fromLatin1(name));
            if (!r.isEmpty())
                region.rects.push_back(r);
        }
        stamp = TemplateRegion(doc, QString::fromLatin1(documents::TitleBlockVariable));
        for (int i = 1; i <= doc.ShapesCount(); ++i) {
            office::Shape s = doc.Shapes(i);
            if (s.Name() == QLatin1String(documents::NorthArrowShape))
                arrow = s.Bounds();
            else if (s.Type() == office::Shape::Kind::TextBox)
                labels.push_back({s.Bounds(), s.Text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)});
            else
                drawn.push_back({s.Name(), s.Bounds()});
        }
    }
    if (sheets.empty())
        return {QStringLiteral("the PDF has no sheets")};

    // Sheet 1: the drawing's label texts are the words that stand in its text boxes. The boxes of
    // crowded labels overlap, so each text takes the word nearest to its own box first, of all
    // the pairs, and a word that stands in two boxes goes to the nearer.
    const std::vector<Word> &first = sheets.front().words;
    std::vector<bool> isLabel(first.size(), false);
    struct Candidate {
        double distance;
        size_t label, text, word;
    };
    std::vector<Candidate> candidates;
    std::vector<std::vector<bool>> found(labels.size());
    for (size_t b = 0; b < labels.size(); ++b) {
        const Label &l = labels[b];
        found[b].assign(size_t(l.words.size()), false);
        for (qsizetype j = 0; j < l.words.size(); ++j)
            for (size_t i = 0; i < first.size(); ++i)
                if (first[i].text == l.words[j] && l.box.adjusted(-4, -4, 4, 4).contains(first[i].box.center()))
                    candidates.push_back({(first[i].box.center() - l.box.center()).manhattanLength(), b, size_t(j), i});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.distance < b.distance; });
    const auto takeLabel = [&](size_t i) {
        isLabel[i] = true;
        const Word &w = first[i];
        if (!region.hold(w.box))
            faults << QStringLiteral("label %1 leaves the drawing region %2").arg(place(w, 1), region.text());
        if (!arrow.isEmpty() && w.box.intersects(arrow))
            faults << QStringLiteral("label %1 covers the north arrow").arg(place(w, 1));
    };
    for (const Candidate &c : candidates)
        if (!found[c.label][c.text] && !isLabel[c.word]) {
            found[c.label][c.text] = true;
            takeLabel(c.word);
        }
    for (size_t b = 0; b < labels.size(); ++b)
        for (qsizetype j = 0; j < labels[b].words.size(); ++j) {
            if (found[b][size_t(j)])
                continue;
            // Labels of short sides may run into each other ("4.924.89"): the drawing's own
            // crowding, which its fixed positions make, not the page's. A word not yet taken
            // comes first; one a neighbouring label took holds this one's text as well.
            const QString &text = labels[b].words[j];
            std::optional<size_t> merged;
            for (size_t i = 0; i < first.size(); ++i)
                if (first[i].text.contains(text) && first[i].box.intersects(labels[b].box) && (!merged || (isLabel[*merged] && !isLabel[i])))
                    merged = i;
            if (!merged)
                faults << QStringLiteral("label «%1» of the drawing at %2 is not on the sheet").arg(text, at(labels[b].box));
            else if (!isLabel[*merged])
                takeLabel(*merged);
        }
    for (const Drawn &d : drawn) {
        if (!frame.isEmpty() && !within(frame, d.box))
            faults << QStringLiteral("shape «%1» at %2 leaves the frame").arg(d.name, at(d.box));
        if (!region.hold(d.box))
            faults << QStringLiteral("shape «%1» at %2 leaves the drawing region %3").arg(d.name, at(d.box), region.text());
        if (!stamp.isEmpty() && enters(stamp, d.box))
            faults << QStringLiteral("shape «%1» at %2 enters the title block").arg(d.name, at(d.box));
        if (!arrow.isEmpty() && d.box.intersects(arrow))
            faults << QStringLiteral("shape «%1» at %2 covers the north arrow").arg(d.name, at(d.box));
    }

    QStringList all;
    const int count = int(sheets.size());
    for (int k = 1; k <= count; ++k) {
        const std::vector<Word> &words = sheets[k - 1].words;
        int seen = 0; // of "Масштаб", "Аркуш", "Аркушів"
        for (size_t i = 0; i < words.size(); ++i) {
            const Word &w = words[i];
            all << w.text;
            if (!frame.isEmpty() && !within(frame, w.box))
                faults << place(w, k) + QStringLiteral(" leaves the frame");
            const bool label = k == 1 && isLabel[i];
            const bool northArrow = k == 1 && !arrow.isEmpty() && w.text == QStringLiteral("Пн")
                                    && arrow.adjusted(-2, -2, 2, 2).contains(w.box);
            bool inStamp = false;
            if (!stamp.isEmpty() && enters(stamp, w.box)) {
                inStamp = within(stamp, w.box) && !label && expect.titleBlockWords.contains(w.text);
                if (!inStamp)
                    faults << place(w, k) + QStringLiteral(" enters the title block");
            }
            if (k == 1 && !label && !northArrow && !inStamp && region.entered(w.box))
                faults << place(w, k) + QStringLiteral(" enters the drawing region");
            if (!inStamp)
                continue;
            seen += w.text == QStringLiteral("Масштаб") || w.text == QStringLiteral("Аркуш")
                    || w.text == QStringLiteral("Аркушів");
            // "Аркуш N      Аркушів M": the sheet's number and the number of sheets.
            const auto next = [&]() { return i + 1 < words.size() ? words[i + 1].text : QString(); };
            if (w.text == QStringLiteral("Аркуш") && next() != QString::number(k))
                faults << QStringLiteral("sheet %1 of %2 reads «Аркуш %3»").arg(k).arg(count).arg(next());
            if (w.text == QStringLiteral("Аркушів") && next() != QString::number(count))
                faults << QStringLiteral("sheet %1 of %2 reads «Аркушів %3»").arg(k).arg(count).arg(next());
        }
        if (!stamp.isEmpty() && seen != 3)
            faults << QStringLiteral("sheet %1 has no whole title block in %2").arg(k).arg(at(stamp));
    }
    for (const QString &w : expect.wholeWords)
        if (!all.contains(w))
            faults << QStringLiteral("«%1» does not stand whole on any sheet").arg(w);
    return faults;
}

QStringList CheckLabelsClear(const QString &docx, const std::vector<Sheet> &sheets)
{
    struct TextBox {
        QRectF box;
        QStringList words;
        bool label = false;
    };
    std::vector<TextBox> boxes;
    {
        office::WordApp app;
        office::Document &doc = app.Documents_Open(docx);
        for (int i = 1; i <= doc.ShapesCount(); ++i) {
            office::Shape s = doc.Shapes(i);
            if (s.Type() != office::Shape::Kind::TextBox)
                continue;
            const QString text = s.Text();
            boxes.push_back({s.Bounds(), text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts),
                             s.FontSize() >= 10 && text.contains(QRegularExpression(QStringLiteral("\\d")))});
        }
    }

    QStringList faults;
    for (size_t k = 0; k < sheets.size(); ++k) {
        const std::vector<Word> &words = sheets[k].words;
        // The words of each box on this sheet: for each of its texts the nearest word that reads
        // it inside the box, or a word that holds it (short labels run into each other, "4.924.89");
        // a box stands on the sheet where every one of its texts is found, and the drawings on the
        // sheets where most of the boxes stand (a table's numbers on another sheet may happen to
        // lie under a box).
        std::vector<std::vector<size_t>> of(boxes.size());
        std::vector<bool> used(words.size(), false);
        for (size_t b = 0; b < boxes.size(); ++b) {
            const QRectF near = boxes[b].box.adjusted(-4, -4, 4, 4);
            std::vector<size_t> found;
            for (const QString &text : boxes[b].words) {
                std::optional<size_t> best;
                for (size_t i = 0; i < words.size(); ++i) {
                    if (used[i] || words[i].text != text || !near.contains(words[i].box.center()))
                        continue;
                    const double d = (words[i].box.center() - boxes[b].box.center()).manhattanLength();
                    if (!best || d < (words[*best].box.center() - boxes[b].box.center()).manhattanLength())
                        best = i;
                }
                for (size_t i = 0; i < words.size() && !best; ++i)
                    if (words[i].text.contains(text) && words[i].box.intersects(boxes[b].box))
                        best = i;
                if (!best)
                    break;
                found.push_back(*best);
            }
            if (found.size() != size_t(boxes[b].words.size()))
                continue;
            for (size_t i : found)
                used[i] = true;
            of[b] = found;
        }
        const auto standing = std::count_if(of.begin(), of.end(), [](const std::vector<size_t> &w) { return !w.empty(); });
        if (standing == 0 || 2 * size_t(standing) < boxes.size())
            continue;
        for (size_t a = 0; a < boxes.size(); ++a) {
            if (!boxes[a].label)
                continue;
            for (size_t b = 0; b < boxes.size(); ++b) {
                if (b == a || (boxes[b].label && b < a)) // two labels are told once
                    continue;
                for (size_t wa : of[a])
                    for (size_t wb : of[b])
                        if (wa == wb || enters(words[wa].box, words[wb].box))
                            faults << QStringLiteral("label %1 covers %2").arg(place(words[wa], int(k) + 1),
                                                                              place(words[wb], int(k) + 1));
            }
        }
    }
    return faults;
}

QStringList CheckRemnants(const std::vector<Sheet> &sheets, const QRectF &titleBlock, const Closing &closing)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    // A heading's word may hold a soft hyphen ("сільсько\u00ADгосподарські"): the page shows it
    // whole, or broken there into "сільсько-" and "господарські".
    const QChar softHyphen(0x00AD);
    QStringList known;
    for (const QStringList *texts : {&closing.lines, &closing.headings})
        for (const QString &t : *texts)
            for (const QString &word : t.split(blanks, Qt::SkipEmptyParts)) {
                known << QString(word).remove(softHyphen);
                const QStringList parts = word.split(softHyphen, Qt::SkipEmptyParts);
                for (qsizetype i = 0; parts.size() > 1 && i < parts.size(); ++i)
                    known << parts[i] + (i + 1 < parts.size() ? QStringLiteral("-") : QString());
            }
    QStringList faults;
    for (size_t k = 1; k < sheets.size(); ++k) {
        QStringList body;
        bool onlyClosing = true;
        for (const Word &w : sheets[k].words) {
            if (!titleBlock.isEmpty() && enters(titleBlock, w.box))
                continue;
            body << w.text;
            onlyClosing = onlyClosing && known.contains(QString(w.text).remove(softHyphen));
        }
        if (onlyClosing)
            faults << QStringLiteral("sheet %1 of %2 holds only what closes the sheet before: «%3»")
                          .arg(k + 1)
                          .arg(sheets.size())
                          .arg(body.join(QLatin1Char(' ')));
    }
    return faults;
}

QStringList CheckCatalogueEnd(const std::vector<Sheet> &sheets, const std::vector<std::pair<QString, QString>> &vertices,
                              int least)
{
    if (vertices.empty())
        return {};
    // The vertex rows on a sheet: an X beside its Y on the same line, the Y just right of it.
    const auto rowsOf = [&](const Sheet &sheet, const std::pair<QString, QString> &vertex) {
        int rows = 0;
        for (const Word &x : sheet.words) {
            if (x.text != vertex.first)
                continue;
            for (const Word &y : sheet.words)
                if (y.text == vertex.second && std::abs(y.box.bottom() - x.box.bottom()) < 2
                    && y.box.left() > x.box.right() && y.box.left() - x.box.right() < 100) {
                    ++rows;
                    break;
                }
        }
        return rows;
    };
    // Vertex 1 stands twice, first and closing the ring: the close is on the last sheet it stands on.
    int closing = -1, firstRows = 0;
    for (size_t k = 0; k < sheets.size(); ++k)
        if (const int rows = rowsOf(sheets[k], vertices.front())) {
            closing = int(k);
            firstRows = rows;
        }
    if (closing < 0)
        return {QStringLiteral("the catalogue's closing row «1 %1 %2» stands on no sheet").arg(vertices.front().first,
                                                                                        vertices.front().second)};
    int before = firstRows - 1; // vertex 1's own row where it stands on the closing sheet too
    for (size_t i = 1; i < vertices.size(); ++i)
        before += rowsOf(sheets[size_t(closing)], vertices[i]) > 0;
    if (before >= least || before == int(vertices.size()))
        return {};
    return {QStringLiteral("sheet %1 of %2 closes the catalogue with %3 vertex rows before the closing row, where "
                           "it takes at least %4")
                .arg(closing + 1)
                .arg(sheets.size())
                .arg(before)
                .arg(least)};
}

} // namespace pagecheck
