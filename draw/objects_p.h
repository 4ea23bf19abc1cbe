#pragma once

// The classes behind the interfaces of draw.h.

#include "draw/draw.h"
#include "draw/fit_p.h"
#include "draw/region_p.h"
#include "draw/support_p.h"

namespace draw::detail {

class PointRImpl final : public PointR {
public:
    void Y(double value) override { m_y = value; }
    double Y() const override { return m_y; }
    void X(double value) override { m_x = value; }
    double X() const override { return m_x; }

private:
    double m_x = 0;
    double m_y = 0;
};

class PointPImpl final : public PointP {
public:
    void Y(int32_t value) override { m_y = value; }
    int32_t Y() const override { return m_y; }
    void X(int32_t value) override { m_x = value; }
    int32_t X() const override { return m_x; }

private:
    int32_t m_x = 0;
    int32_t m_y = 0;
};

/// The 1-based list behind every collection: elements of one implementation class, handed out
/// through their interface.
template <typename Element>
class Items {
public:
    std::shared_ptr<Element> item(const QVariant &indexKey) const
    {
        return m_items[static_cast<size_t>(PositionOf(indexKey, count()) - 1)];
    }
    int32_t count() const { return static_cast<int32_t>(m_items.size()); }
    void remove(const QVariant &indexKey)
    {
        m_items.erase(m_items.begin() + (PositionOf(indexKey, count()) - 1));
    }
    template <typename Interface>
    std::vector<std::shared_ptr<Interface>> all() const
    {
        return std::vector<std::shared_ptr<Interface>>(m_items.begin(), m_items.end());
    }

    std::vector<std::shared_ptr<Element>> m_items;
};

class PointRCollImpl final : public PointRColl {
public:
    std::shared_ptr<PointR> Add(double X, double Y) override;
    std::shared_ptr<PointR> Item(const QVariant &vntIndexKey) const override { return m_items.item(vntIndexKey); }
    int32_t Count() const override { return m_items.count(); }
    void Remove(const QVariant &vntIndexKey) override { m_items.remove(vntIndexKey); }
    std::vector<std::shared_ptr<PointR>> NewEnum() const override { return m_items.all<PointR>(); }

    Items<PointRImpl> m_items;
};

class PointPCollImpl final : public PointPColl {
public:
    std::shared_ptr<PointP> Add(int32_t X, int32_t Y) override;
    std::shared_ptr<PointP> Item(const QVariant &vntIndexKey) const override { return m_items.item(vntIndexKey); }
    int32_t Count() const override { return m_items.count(); }
    void Remove(const QVariant &vntIndexKey) override { m_items.remove(vntIndexKey); }
    std::vector<std::shared_ptr<PointP>> NewEnum() const override { return m_items.all<PointP>(); }

    Items<PointPImpl> m_items;
};

class DrawImpl final : public Draw {
public:
    /// A Draw made by a collection tells it when a caller replaces its region handle.
    explicit DrawImpl(std::shared_ptr<uint64_t> regionEdits = nullptr) : m_regionEdits(std::move(regionEdits)) {}
    ~DrawImpl() override;

    void SelectedColor(const QVariant &value) override { m_selectedColor = Variant(value); }
    void SelectedColorObject(std::shared_ptr<Object> object) override { m_selectedColor = Variant(std::move(object)); }
    Variant SelectedColor() const override { return m_selectedColor; }
    void PointBorderColor(uint8_t value) override { m_pointBorderColor = value; }
    uint8_t PointBorderColor() const override { return m_pointBorderColor; }
    void PointFillColor(int32_t value) override { m_pointFillColor = value; }
    int32_t PointFillColor() const override { return m_pointFillColor; }
    int32_t SetFillColor(int16_t R, int16_t G, int16_t B) override;
    void FillColor(int32_t value) override { m_fillColor = value; }
    int32_t FillColor() const override { return m_fillColor; }
    void BorderColors(uint8_t value) override { m_borderColors = value; }
    uint8_t BorderColors() const override { return m_borderColors; }
    void pointsP(std::shared_ptr<PointPColl> points) override { m_pointsP = std::move(points); }
    std::shared_ptr<PointPColl> pointsP() const override { return m_pointsP; }
    void pointsR(std::shared_ptr<PointRColl> points) override { m_pointsR = std::move(points); }
    std::shared_ptr<PointRColl> pointsR() const override { return m_pointsR; }
    void RegId(int32_t value) override;
    int32_t RegId() const override { return m_regId; }
    void ObjId(int32_t value) override { m_objId = value; }
    int32_t ObjId() const override { return m_objId; }
    uint8_t SetBorderColor(PoligonBorderColor BColor) override;

    /// The real points, read through pointsR; error 91 when it is unset.
    std::vector<RealPoint> realPoints() const;
    /// The window points, read through pointsP; error 91 when it is unset.
    std::vector<QPoint> windowPoints() const;
    /// Replaces the window points; error 91 when pointsP is unset.
    void storeWindowPoints(const std::vector<WindowPoint> &points);
    /// Makes a new region over the window points, deletes the one held before and keeps the new
    /// one (handle 0 when there are no points).
    const Region *makeRegion();
    /// The region of RegId; null when there is none.
    const Region *region()
    {
        if (m_regId != 0 && m_regId == m_cachedHandle)
            return m_cachedRegion.get();
        return lookUpRegion();
    }
    bool hasWindowPoints() const { return m_pointsP && m_pointsP->Count() >= 1; }

private:
    void replaceRegion(int32_t handle, std::shared_ptr<const Region> region);
    const Region *lookUpRegion();

    int32_t m_objId = 0;
    int32_t m_regId = 0;
    std::shared_ptr<PointRColl> m_pointsR;
    std::shared_ptr<PointPColl> m_pointsP;
    uint8_t m_borderColors = 0;
    int32_t m_fillColor = 0;
    int32_t m_pointFillColor = 0;
    uint8_t m_pointBorderColor = 0;
    Variant m_selectedColor;
    // The region of m_regId as the library made it, so the hit test needs no handle look-up.
    int32_t m_cachedHandle = 0;
    std::shared_ptr<const Region> m_cachedRegion;
    std::shared_ptr<uint64_t> m_regionEdits;
};

class DrawObjCollImpl final : public DrawObjColl {
public:
    bool GetSelected(Window &window, int32_t mouseX, int32_t mouseY) override;
    bool DrawPict(Window &window, bool ShowPoint) override;
    std::shared_ptr<Draw> Add() override;
    std::shared_ptr<Draw> Item(const QVariant &vntIndexKey) const override { return m_items.item(vntIndexKey); }
    int32_t Count() const override { return m_items.count(); }
    void Remove(const QVariant &vntIndexKey) override
    {
        m_items.remove(vntIndexKey);
        m_hitBoxes.clear();
    }
    std::vector<std::shared_ptr<Draw>> NewEnum() const override { return m_items.all<Draw>(); }

private:
    void FitPoints(int32_t W, int32_t H);
    void PaintObjects(Window &window, bool ShowPoint);
    void updateHitBoxes();

    Items<DrawImpl> m_items;
    // The box of each Draw's region, in collection order, so the hit test reads a compact array
    // and looks at a Draw only where its box holds the position. Valid while it has one box per
    // Draw and no caller has replaced a region handle since it was made.
    std::vector<PixelBox> m_hitBoxes;
    std::shared_ptr<uint64_t> m_regionEdits = std::make_shared<uint64_t>(0);
    uint64_t m_hitBoxEdits = 0;
};

class MColorImpl final : public MColor {
};

} // namespace draw::detail
