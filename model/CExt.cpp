#include "CExt.h"
#include <cmath>

CExt::CExt(const CExt* otra) {
    if (otra) *this = *otra;
}

CExt& CExt::operator=(const CExt* otra) {
    if (otra) *this = *otra;
    return *this;
}

void CExt::SetExtension(const CCoordenadas& primera, const CCoordenadas& segunda) {
    m_primera = primera;
    m_segunda = segunda;
}

double CExt::GetWidth() const { return std::fabs(m_segunda.x - m_primera.x); }

double CExt::GetHeight() const { return std::fabs(m_segunda.y - m_primera.y); }

bool CExt::operator==(const CExt& otra) const {
    return m_primera == otra.m_primera && m_segunda == otra.m_segunda;
}
