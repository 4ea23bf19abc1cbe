#include "office/document.h"

#include "office/document_p.h"
#include "office/error.h"
#include "office/oxml_p.h"
#include "office/wordapp.h"
#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <cstring>

namespace office {

namespace {

constexpr const char *documentType = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void *data, size_t size) override { bytes.append(static_cast<const char *>(data), qsizetype(size)); }
};

QByteArray toBytes(const pugi::xml_document &xml)
{
    ByteWriter writer;
    xml.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

constexpr unsigned parseFlags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

// The namespaces the document layer writes; added to the root when a template lacks them.
const char *const namespaces[][2] = {
    {"xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main"},
    {"xmlns:r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"},
    {"xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
    {"xmlns:a", "http://schemas.openxmlformats.org/drawingml/2006/main"},
    {"xmlns:wps", "http://schemas.microsoft.com/office/word/2010/wordprocessingShape"},
    {"xmlns:wpg", "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup"},
};

bool isPageAnchor(pugi::xml_node anchor)
{
    const char *uri = anchor.child("a:graphic").child("a:graphicData").attribute("uri").value();
    return std::strcmp(anchor.child("wp:positionH").attribute("relativeFrom").value(), "page") == 0
        && std::strcmp(anchor.child("wp:positionV").attribute("relativeFrom").value(), "page") == 0
        && (std::strcmp(uri, shapes::shapeUri) == 0 || std::strcmp(uri, shapes::groupUri) == 0);
}

// Every start of a bookmark in the main part, in document order.
template <typename F> void forEachBookmark(pugi::xml_node root, F &&f)
{
    struct Walker : pugi::xml_tree_walker {
        F *f;
        bool for_each(pugi::xml_node &n) override
        {
            if (n.type() == pugi::node_element && std::strcmp(n.name(), "w:bookmarkStart") == 0)
                return (*f)(n);
            return true;
        }
    } walker;
    walker.f = &f;
    root.traverse(walker);
}

// The roots whose bookmarks are the document's: the body, then every header and footer.
std::vector<pugi::xml_node> bookmarkRoots(const DocumentData &data)
{
    std::vector<pugi::xml_node> roots{data.body};
    for (const auto &story : data.stories)
        roots.push_back(story->xml.document_element());
    return roots;
}

pugi::xml_node findBookmark(const DocumentData &data, const QString &name)
{
    pugi::xml_node found;
    const QString wanted = name.toCaseFolded();
    for (pugi::xml_node root : bookmarkRoots(data)) {
        forEachBookmark(root, [&](pugi::xml_node n) {
            if (QString::fromUtf8(n.attribute("w:name").value()).toCaseFolded() == wanted) {
                found = n;
                return false;
            }
            return true;
        });
        if (found)
            break;
    }
    return found;
}

// A part named by a relationship target relative to the folder of `source`.
QString partOf(const QString &source, QString target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    return QDir::cleanPath((slash < 0 ? QString() : source.left(slash + 1)) + target);
}

// The relationships part of `part`: "word/document.xml" has "word/_rels/document.xml.rels".
QString relsOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

// The main part's relationships, read into `rels`: its Relationships element; an empty node
// when the main part has no relationships or they do not parse.
pugi::xml_node mainRelationships(const DocumentData &data, pugi::xml_document &rels)
{
    const QByteArray bytes = data.package.part(relsOf(data.mainPart));
    if (bytes.isEmpty() || !rels.load_buffer(bytes.constData(), size_t(bytes.size()), parseFlags))
        return {};
    return rels.child("Relationships");
}

} // namespace

QString DocumentData::relatedPart(const char *typeSuffix) const
{
    pugi::xml_document rels;
    for (pugi::xml_node rel : mainRelationships(*this, rels).children("Relationship"))
        if (QString::fromUtf8(rel.attribute("Type").value()).endsWith(QLatin1String(typeSuffix))
            && std::strcmp(rel.attribute("TargetMode").value(), "External") != 0)
            return partOf(mainPart, QString::fromUtf8(rel.attribute("Target").value()));
    return QString();
}

std::unique_ptr<DocumentData> DocumentData::load(const QString &path)
{
    auto data = std::make_unique<DocumentData>();
    data->package = Package::read(path);
    const QString broken = QStringLiteral("Файл не є документом Word (.docx, .dotx): %1").arg(path);

    pugi::xml_document rels;
    const QByteArray relBytes = data->package.part(QStringLiteral("_rels/.rels"));
    if (!rels.load_buffer(relBytes.constData(), size_t(relBytes.size()), parseFlags))
        throw Error(broken, path);
    for (pugi::xml_node rel : rels.child("Relationships").children("Relationship")) {
        if (QString::fromUtf8(rel.attribute("Type").value()).endsWith(QLatin1String("/officeDocument"))) {
            QString target = QString::fromUtf8(rel.attribute("Target").value());
            while (target.startsWith(QLatin1Char('/')))
                target.remove(0, 1);
            data->mainPart = target;
        }
    }
    const QByteArray main = data->package.part(data->mainPart);
    if (data->mainPart.isEmpty() || main.isEmpty() || !data->xml.load_buffer(main.constData(), size_t(main.size()), parseFlags))
        throw Error(broken, path);
    pugi::xml_node root = data->xml.child("w:document");
    data->body = root.child("w:body");
    if (!data->body)
        throw Error(broken, path);
    for (const auto &ns : namespaces)
        if (!root.attribute(ns[0]))
            root.append_attribute(ns[0]) = ns[1];

    data->shapes = data->xml.append_child("w:r");
    // Shapes already anchored to the page join the shape run; the highest ids and z-orders
    // carry on from them.
    std::vector<pugi::xml_node> anchors;
    for (pugi::xpath_node x : data->body.select_nodes(".//wp:anchor"))
        anchors.push_back(x.node());
    for (pugi::xpath_node x : data->body.select_nodes(".//wp:docPr | .//wps:cNvPr"))
        data->nextId = std::max(data->nextId, x.node().attribute("id").as_uint() + 1);
    for (pugi::xml_node anchor : anchors) {
        data->nextZ = std::max(data->nextZ, anchor.attribute("relativeHeight").as_uint() + 1);
        pugi::xml_node drawing = anchor.parent();
        if (!isPageAnchor(anchor) || !oxml::isElement(drawing, "w:drawing"))
            continue;
        pugi::xml_node run = drawing.parent();
        data->shapes.append_move(drawing);
        bool empty = true;
        for (pugi::xml_node c : run.children())
            if (c.type() == pugi::node_element && std::strcmp(c.name(), "w:rPr") != 0)
                empty = false;
        if (empty)
            run.parent().remove_child(run);
    }

    // Headers and footers: the title block of a plan stands in its footer, on every sheet.
    pugi::xml_document mainRels;
    for (pugi::xml_node rel : mainRelationships(*data, mainRels).children("Relationship")) {
        const QString type = QString::fromUtf8(rel.attribute("Type").value());
        if (!type.endsWith(QLatin1String("/header")) && !type.endsWith(QLatin1String("/footer")))
            continue;
        auto story = std::make_unique<Story>();
        story->part = partOf(data->mainPart, QString::fromUtf8(rel.attribute("Target").value()));
        const QByteArray bytes = data->package.part(story->part);
        if (bytes.isEmpty() || !story->xml.load_buffer(bytes.constData(), size_t(bytes.size()), parseFlags))
            throw Error(broken, path);
        data->stories.push_back(std::move(story));
    }
    data->fullName = QFileInfo(path).absoluteFilePath();
    return data;
}

QByteArray DocumentData::mainXml()
{
    pugi::xml_node first = body.child("w:p");
    if (!first)
        first = body.prepend_child("w:p");
    first.append_move(shapes);
    const QByteArray main = toBytes(xml);
    xml.append_move(shapes);
    return main;
}

QByteArray DocumentData::contentXml(const QByteArray &main)
{
    QByteArray all = main;
    for (const auto &story : stories)
        all += toBytes(story->xml);
    return all;
}

QByteArray DocumentData::serialize(const QByteArray &main)
{

    pugi::xml_document types;
    const QByteArray typeBytes = package.part(QStringLiteral("[Content_Types].xml"));
    types.load_buffer(typeBytes.constData(), size_t(typeBytes.size()), parseFlags);
    pugi::xml_node typesRoot = types.child("Types");
    const QByteArray partName = (QLatin1Char('/') + mainPart).toUtf8();
    pugi::xml_node override;
    for (pugi::xml_node o : typesRoot.children("Override"))
        if (partName == o.attribute("PartName").value())
            override = o;
    if (!override) {
        override = typesRoot.append_child("Override");
        override.append_attribute("PartName") = partName.constData();
        override.append_attribute("ContentType");
    }
    override.attribute("ContentType") = documentType;

    Package out = package;
    out.setPart(QStringLiteral("[Content_Types].xml"), toBytes(types));
    out.setPart(mainPart, main);
    for (const auto &story : stories)
        out.setPart(story->part, toBytes(story->xml));
    return out.write();
}

Document::Document(WordApp *app, std::unique_ptr<DocumentData> data) : m_app(app), m_data(std::move(data)) {}

Document::~Document() = default;

Bookmark Document::Bookmarks(const QString &name)
{
    pugi::xml_node start = findBookmark(*m_data, name);
    if (!start)
        throw Error(QStringLiteral("У документі немає закладки «%1»").arg(name));
    return Bookmark(m_data.get(), start.internal_object());
}

bool Document::HasBookmark(const QString &name) const
{
    return bool(findBookmark(*m_data, name));
}

QStringList Document::BookmarkNames() const
{
    QStringList names;
    for (pugi::xml_node root : bookmarkRoots(*m_data))
        forEachBookmark(root, [&](pugi::xml_node n) {
            names << QString::fromUtf8(n.attribute("w:name").value());
            return true;
        });
    return names;
}

Table Document::Tables(int index)
{
    int i = 0;
    for (pugi::xml_node t : m_data->body.children("w:tbl"))
        if (++i == index)
            return Table(t.internal_object());
    throw Error(QStringLiteral("У документі немає таблиці %1").arg(index));
}

int Document::TablesCount() const
{
    int n = 0;
    for ([[maybe_unused]] pugi::xml_node t : m_data->body.children("w:tbl"))
        ++n;
    return n;
}

QString Document::Variables(const QString &name) const
{
    const QString settings = m_data->relatedPart("/settings");
    if (settings.isEmpty())
        return QString();
    pugi::xml_document xml;
    const QByteArray bytes = m_data->package.part(settings);
    if (!xml.load_buffer(bytes.constData(), size_t(bytes.size()), parseFlags))
        return QString();
    const QByteArray wanted = name.toUtf8();
    for (pugi::xml_node v : xml.child("w:settings").child("w:docVars").children("w:docVar"))
        if (wanted == v.attribute("w:name").value())
            return QString::fromUtf8(v.attribute("w:val").value());
    return QString();
}

QString Document::Text() const
{
    return oxml::textOf(m_data->body);
}

QString Document::SaveAs(const QString &fileName)
{
    return saveInto(m_app->DefaultFolder(), fileName, true);
}

QString Document::SaveAsNew(const QString &fileName)
{
    return saveInto(m_app->DefaultFolder(), fileName, false);
}

QString Document::saveInto(const QString &folder, const QString &fileName, bool replace)
{
    QString name = fileName;
    if (name.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive))
        name += QLatin1Char('x');
    else if (!name.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive))
        name += QLatin1String(".docx");
    QString path = QDir(folder).absoluteFilePath(name);
    const QByteArray main = m_data->mainXml();
    if (replace)
        writeFileSafely(path, m_data->serialize(main));
    else
        path = writeNewFileSafely(path, m_data->serialize(main));
    m_data->savedContent = m_data->contentXml(main);
    m_data->fullName = QDir::cleanPath(path);
    return m_data->fullName;
}

QString Document::FullName() const
{
    return m_data->fullName;
}

void Document::PrintOut()
{
    QString path = m_data->fullName;
    const QByteArray main = m_data->mainXml();
    if (path.isEmpty() || m_data->contentXml(main) != m_data->savedContent) {
        path = QDir::temp().filePath(QStringLiteral("zova-print-") + QUuid::createUuid().toString(QUuid::WithoutBraces)
                                     + QStringLiteral(".docx"));
        writeFileSafely(path, m_data->serialize(main));
    }
    if (!platform::desktop().printFile(path))
        throw Error(QStringLiteral("Неможливо надрукувати документ: %1").arg(path), path);
}

bool Document::ShowDocument(const QString &fileName)
{
    if (QFileInfo(fileName).isRelative())
        QDir().mkpath(m_app->WorkFolder());
    return platform::desktop().openFile(saveInto(m_app->WorkFolder(), fileName, false));
}

void Document::Close()
{
    m_app->close(this);
}

} // namespace office
