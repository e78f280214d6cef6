#pragma once

#include "charstudy/CDrawObject.h"

#include <array>

// A font record of the drawing family: two stored values and nothing drawn.
class CDrawFont : public CDrawObject {
public:
    static constexpr std::uint32_t kTypeTag = 0x8014;
    CDrawFont() { m_typeTag = kTypeTag; }
    const char* GetClassName() const override { return "CDrawFont"; }
    void Serialize(strokefile::StrokeObject& record, bool storing) override;

    const std::array<std::int32_t, 2>& Values() const { return m_values; }
    void SetValues(std::int32_t first, std::int32_t second) { m_values = {first, second}; }

private:
    std::array<std::int32_t, 2> m_values{};
};
