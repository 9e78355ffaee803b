#pragma once
// TOvcPictureField: a field whose text follows a picture mask, blanks on the left so
// the text is always as long as the mask. Masks used: "$#,###,###,###.##" and its
// shorter kin (double results), "###.####%" (rates of return), "iiiiii" (whole-number
// terms, -32768..32767).
#include <QLineEdit>
#include <cstdint>

namespace zeb {

class TOvcPictureField : public QLineEdit {
  Q_OBJECT
public:
  enum class DataType { Double, Integer };
  explicit TOvcPictureField(QWidget* parent = nullptr);

  void SetPictureMask(const QString& mask, DataType type, int maxLength);
  QString PictureMask() const { return mask_; }
  DataType Type() const { return type_; }
  void SetRange(double low, double high) { low_ = low; high_ = high; }

  double AsFloat() const;
  void SetAsFloat(double value);
  std::int32_t AsInteger() const;
  void SetAsInteger(std::int32_t value);

private:
  QString mask_ = "iiiiii";
  DataType type_ = DataType::Integer;
  double low_ = -32768, high_ = 32767;
};

}  // namespace zeb
