#include "draw/objects_p.h"

#include <functional>

namespace draw {

namespace {

struct ClassEntry {
    const char *progId;
    const char *classId;
    std::function<std::shared_ptr<Object>()> create;
};

const ClassEntry classes[] = {
    {"Lumivec.Draw", "{528FE150-BC47-46F6-9776-8019ED16B084}", [] { return std::make_shared<detail::DrawImpl>(); }},
    {"Lumivec.DrawObjColl", "{4DDA3477-4E84-4867-A3E0-3490BDF48779}",
     [] { return std::make_shared<detail::DrawObjCollImpl>(); }},
    {"Lumivec.PointR", "{9FE46D4F-21C6-4A6F-89A3-9CE4A3A44BEC}", [] { return std::make_shared<detail::PointRImpl>(); }},
    {"Lumivec.PointRColl", "{E6EF1595-278F-4877-829D-0AD939DFB198}",
     [] { return std::make_shared<detail::PointRCollImpl>(); }},
    {"Lumivec.PointP", "{38A7AB53-2EE5-4F0E-9DE2-E63C11404989}", [] { return std::make_shared<detail::PointPImpl>(); }},
    {"Lumivec.PointPColl", "{AF0295BC-A95E-4D83-A799-77222F638B4E}",
     [] { return std::make_shared<detail::PointPCollImpl>(); }},
    {"Lumivec.MColor", "{DD24B962-7F5E-44EE-9172-68934149BF24}", [] { return std::make_shared<detail::MColorImpl>(); }},
};

} // namespace

std::shared_ptr<Object> CreateObject(const QString &progId)
{
    // Names are compared as the class registry compares them: without regard to letter case.
    const QString &name = progId;
    for (const ClassEntry &c : classes)
        if (name.compare(QLatin1String(c.progId), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String(c.classId), Qt::CaseInsensitive) == 0)
            return c.create();
    return nullptr;
}

} // namespace draw
