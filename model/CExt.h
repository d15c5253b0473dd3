#pragma once
#include "CCoordenadas.h"

// An extent built from two CCoordenadas corners, in the order given.
class CExt {
public:
    CExt() = default;
    CExt(const CExt& otra) = default;
    explicit CExt(const CExt* otra);  // null gives zeros
    CExt& operator=(const CExt& otra) = default;
    CExt& operator=(const CExt* otra);  // null leaves it unchanged

    void SetExtension(const CCoordenadas& primera, const CCoordenadas& segunda);
    const CCoordenadas& GetPrimera() const { return m_primera; }
    const CCoordenadas& GetSegunda() const { return m_segunda; }

    double GetWidth() const;   // |second.x - first.x|
    double GetHeight() const;  // |second.y - first.y|

    bool operator==(const CExt& otra) const;  // both corners exactly equal
    bool operator!=(const CExt& otra) const { return !(*this == otra); }

private:
    CCoordenadas m_primera;
    CCoordenadas m_segunda;
};
