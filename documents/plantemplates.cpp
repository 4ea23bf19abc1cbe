#include "documents/plantemplates.h"

namespace documents {

namespace {

ZovaTemplate row(uint8_t paper, uint8_t variant, double x, double y, int16_t land, int16_t neighbour,
                 int16_t area, int16_t catalogue)
{
    static const char *const prefixes[] = {"", "plma4p", "plma4l", "plma3p", "plma3l"};
    static const char *const suffixes[] = {"", "", "_k", "_kepr", "_kepa", "_epr", "_epa", "_epr_kom", "_epr_grom"};
    ZovaTemplate t;
    t.Paper = paper;
    t.Variant = variant;
    t.FileName = QString::fromLatin1(prefixes[paper]) + QString::fromLatin1(suffixes[variant]) + QStringLiteral(".dotx");
    t.CentreX = x;
    t.CentreY = y;
    t.LandTable = land;
    t.NeighbourTable = neighbour;
    t.AreaTable = area;
    t.CatalogueTable = catalogue;
    return t;
}

} // namespace

const std::vector<ZovaTemplate> &ZovaTemplates()
{
    //                                      paper variant  x    y  land neighb area catalogue
    static const std::vector<ZovaTemplate> templates = {
        row(1, 1, 300, 260, 2, 3, 4, 0), row(1, 2, 250, 240, 3, 4, 5, 2), row(1, 3, 250, 240, 4, 3, 5, 2),
        row(1, 4, 250, 240, 4, 3, 5, 2), row(1, 5, 300, 260, 3, 2, 4, 0), row(1, 6, 300, 260, 3, 2, 4, 0),
        row(1, 7, 300, 260, 3, 2, 4, 0), row(1, 8, 300, 260, 3, 2, 4, 0),
        row(2, 1, 350, 150, 1, 3, 4, 0), row(2, 2, 350, 150, 1, 3, 4, 5), row(2, 3, 250, 200, 2, 1, 4, 5),
        row(2, 4, 250, 200, 2, 1, 4, 5), row(2, 5, 250, 200, 2, 1, 4, 0), row(2, 6, 250, 200, 2, 1, 4, 0),
        row(3, 1, 450, 350, 2, 3, 4, 0), row(3, 2, 450, 350, 3, 4, 5, 2), row(3, 3, 450, 350, 4, 2, 5, 3),
        row(3, 4, 450, 350, 4, 2, 5, 3), row(3, 5, 450, 350, 3, 2, 4, 0), row(3, 6, 450, 350, 3, 2, 4, 0),
        row(4, 1, 550, 250, 1, 2, 3, 0), row(4, 2, 550, 250, 1, 2, 3, 5), row(4, 3, 450, 250, 4, 1, 2, 3),
        row(4, 4, 450, 250, 4, 1, 2, 3), row(4, 5, 450, 250, 3, 1, 2, 0), row(4, 6, 450, 250, 3, 1, 2, 0),
    };
    return templates;
}

const ZovaTemplate *FindZovaTemplate(int paper, int variant)
{
    for (const ZovaTemplate &t : ZovaTemplates())
        if (t.Paper == paper && t.Variant == variant)
            return &t;
    return nullptr;
}

const ZovaTemplate &ApprovalTemplate()
{
    static const ZovaTemplate approval = [] {
        ZovaTemplate t;
        t.Paper = 4;
        t.FileName = QStringLiteral("poga3l.dotx");
        t.CentreX = 300;
        t.CentreY = 550;
        t.NeighbourTable = 4;
        t.AreaTable = 2;
        return t;
    }();
    return approval;
}

const QStringList &ZovaBookmarks()
{
    static const QStringList names = {
        QStringLiteral("ZovaName"), QStringLiteral("s1"),     QStringLiteral("s2"),     QStringLiteral("MainSht"),
        QStringLiteral("pDur"),     QStringLiteral("nDur"),   QStringLiteral("pSkl"),   QStringLiteral("nSkl"),
        QStringLiteral("pKresl"),   QStringLiteral("nKresl"), QStringLiteral("pChek"),  QStringLiteral("nChek"),
        QStringLiteral("Organ"),    QStringLiteral("Mash"),
    };
    return names;
}

LandTableKind LandTableKindOf(int variant)
{
    switch (variant) {
    case 3: case 5: return LandTableKind::SixZemPrivate;
    case 4: case 6: return LandTableKind::SixZemShares;
    case 7: return LandTableKind::SixZemCommercial;
    case 8: return LandTableKind::SixZemPublic;
    default: return LandTableKind::UseList;
    }
}

int LandTableColumns(int variant)
{
    switch (LandTableKindOf(variant)) {
    case LandTableKind::UseList: return 3;
    case LandTableKind::SixZemPrivate: return 13;
    case LandTableKind::SixZemShares: return 10;
    default: return 12;
    }
}

} // namespace documents
