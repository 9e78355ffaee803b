#pragma once
// Reading and writing one document value from and to the control of the same name,
// whatever its kind:
//   TMoneyEdit        the value as displayed (rounded to its decimals)
//   TFnpNumericEdit   its value; a whole number for an integer line
//   TNumEdit          its value
//   TOvcPictureField  the value it holds; a whole number for an integer line
//   TRadioGroup       the index of the chosen item (0 for the first); setting it acts
//                     as a user's choice (the group's click handler runs on a change)
//   QComboBox         its text; setting it chooses the item of that text, or puts the
//                     text in an editable box
//   any line edit     its text, for a text line
// A text line read from a number field gives the field's text; a number written to a
// field of another kind is converted as the field holds it.
#include "document/CalculatorDocument.h"

class QWidget;

namespace zeb {

// Throws EConvertError when the field holds no number of the line's kind (a term too
// wide for 32 bits, a malformed entry) and EDocumentError for a control of no known kind.
DocumentValue ReadDocumentField(const QWidget& control, DocumentValueKind kind);

// Puts `value` into the control; a choice group passes on its click handler's exception.
void WriteDocumentField(QWidget& control, const DocumentValue& value);

}  // namespace zeb
