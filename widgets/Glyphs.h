#pragma once
// The button bar's pictures, drawn in code.
#include <QIcon>

namespace zeb {

enum class Glyph { Open, Save, Print, Reset, Calculator, Help, Exit };
QIcon GlyphIcon(Glyph glyph);

}  // namespace zeb
