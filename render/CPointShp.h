#pragma once
#include "CCoordenadaMapa.h"
#include "CShapeObj.h"

// One position, e.g. the measured point or a located place name.
class CPointShp : public CShapeObj {
public:
    CPointShp();

    // Replaces the point.
    void AddPoint(const CCoordenadaMapa& punto) { m_punto = punto; }
    const CCoordenadaMapa& GetPoint() const { return m_punto; }
    void SetSize(double size) { m_size = size; }
    double GetSize() const { return m_size; }
    // A flag carried with the point (true by default); no drawing reads it.
    void SetVisible(bool visible) { m_visible = visible; }
    bool GetVisible() const { return m_visible; }
    void SetColorPunto(const wxColour& color) { m_colorPunto = color; }
    wxColour GetColorPunto() const { return m_colorPunto; }

    // Whether `punto` lies closer than the tolerance (map units, at least 1)
    // to the point, as the segment test measures nearness.
    bool PtInShape(const CCoordenadaMapa& punto, int tolerancia) const;

private:
    CCoordenadaMapa m_punto;
    double m_size = 20.0;
    bool m_visible = true;
    wxColour m_colorPunto{0, 0, 0};
};
