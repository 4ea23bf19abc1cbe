// Packs WordprocessingML sources into a Word template (.dotx):
//   zova_dotxpack <out.dotx> <document.xml or body.xml> <styles.xml> <settings.xml> [headerN.xml|footerN.xml ...]
// A source whose root is not w:document is a body: its paragraphs and tables are wrapped into a
// document. A body without a section gets an A4 portrait one. Header and footer parts go in as
// word/<name>.xml with a relationship whose id is <name> ("footer1"), which the section's
// w:footerReference names. Every part is checked to be well-formed XML, so a broken template
// stops the build with the file and the offset.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>
#include <zip.h>

namespace {

const char *const documentNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\""
    " xmlns:wpg=\"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup\"";

const char *const contentTypesHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "<Override PartName=\"/word/settings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>";

const char *const packageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "</Relationships>";

const char *const documentRelsHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings\" Target=\"settings.xml\"/>";

// A4 portrait; margins 20 mm top and bottom, 30 mm left, 15 mm right (in twentieths of a point).
const char *const defaultSection =
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1134\" w:right=\"850\" w:bottom=\"1134\" w:left=\"1701\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/>"
    "</w:sectPr>";

bool readFile(const std::string &path, std::string &out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

bool wellFormed(const std::string &text, const std::string &path)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result r = doc.load_buffer(text.data(), text.size());
    if (!r)
        std::cerr << path << ": offset " << r.offset << ": " << r.description() << "\n";
    return bool(r);
}

std::string documentFrom(const std::string &source)
{
    if (source.find("<w:document") != std::string::npos)
        return source;
    std::string body = source;
    if (body.compare(0, 5, "<?xml") == 0)
        body.erase(0, body.find("?>") + 2);
    if (body.find("<w:sectPr") == std::string::npos)
        body += defaultSection;
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:document") + documentNamespaces
        + "><w:body>" + body + "</w:body></w:document>";
}

// "footer1" for ".../footer1.xml"; empty unless the file is a header or footer part.
std::string storyName(const std::string &path)
{
    const std::string stem = std::filesystem::path(path).stem().string();
    for (const char *kind : {"header", "footer"}) {
        const std::string k = kind;
        if (stem.size() > k.size() && stem.compare(0, k.size(), k) == 0
            && stem.find_first_not_of("0123456789", k.size()) == std::string::npos)
            return stem;
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::cerr << "usage: zova_dotxpack <out.dotx> <document.xml> <styles.xml> <settings.xml> [headerN.xml|footerN.xml ...]\n";
        return 2;
    }
    const std::string out = argv[1];
    std::string document, styles, settings;
    if (!readFile(argv[2], document) || !readFile(argv[3], styles) || !readFile(argv[4], settings)) {
        std::cerr << "zova_dotxpack: cannot read the sources of " << out << "\n";
        return 1;
    }
    document = documentFrom(document);
    if (!wellFormed(document, argv[2]) || !wellFormed(styles, argv[3]) || !wellFormed(settings, argv[4]))
        return 1;

    std::string contentTypes = contentTypesHead;
    std::string documentRels = documentRelsHead;
    std::vector<std::pair<std::string, std::string>> stories;
    for (int i = 5; i < argc; ++i) {
        const std::string name = storyName(argv[i]);
        std::string text;
        if (name.empty()) {
            std::cerr << argv[i] << ": only headerN.xml and footerN.xml parts can be added\n";
            return 1;
        }
        if (!readFile(argv[i], text) || !wellFormed(text, argv[i]))
            return 1;
        const std::string kind = name.compare(0, 6, "header") == 0 ? "header" : "footer";
        contentTypes += "<Override PartName=\"/word/" + name
                        + ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml." + kind
                        + "+xml\"/>";
        documentRels += "<Relationship Id=\"" + name
                        + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + kind
                        + "\" Target=\"" + name + ".xml\"/>";
        stories.emplace_back("word/" + name + ".xml", text);
    }
    contentTypes += "</Types>";
    documentRels += "</Relationships>";

    std::vector<std::pair<std::string, std::string>> parts = {
        {"[Content_Types].xml", contentTypes}, {"_rels/.rels", packageRels},
        {"word/_rels/document.xml.rels", documentRels}, {"word/document.xml", document},
        {"word/styles.xml", styles}, {"word/settings.xml", settings}};
    parts.insert(parts.end(), stories.begin(), stories.end());

    std::filesystem::create_directories(std::filesystem::path(out).parent_path());
    const std::string temp = out + ".tmp";
    int error = 0;
    zip_t *zip = zip_open(temp.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) {
        std::cerr << "zova_dotxpack: cannot create " << temp << "\n";
        return 1;
    }
    for (const auto &[name, data] : parts) {
        zip_source_t *src = zip_source_buffer(zip, data.data(), data.size(), 0);
        if (!src || zip_file_add(zip, name.c_str(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            std::cerr << "zova_dotxpack: cannot add " << name << " to " << temp << "\n";
            zip_discard(zip);
            return 1;
        }
    }
    if (zip_close(zip) != 0) {
        std::cerr << "zova_dotxpack: cannot write " << temp << "\n";
        zip_discard(zip);
        return 1;
    }
    std::filesystem::rename(temp, out);
    return 0;
}
