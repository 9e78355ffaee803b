#include "widgets/DeskCalculator.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "widgets/Bevel.h"
#include "widgets/Messages.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

struct KeySpec {
  DeskKey key;
  const char* caption;
  const char* name;     // objectName after "btnKey"
  const char* hint;     // what the key does, with its keyboard key
  int row, column, rowSpan, columnSpan;
};

// Six columns, five rows; "=" takes two of each.
const KeySpec kKeys[] = {
    {DeskKey::MemoryClear, "MC", "MemoryClear", "Clear memory (Ctrl+L)", 0, 0, 1, 1},
    {DeskKey::MemoryRecall, "MR", "MemoryRecall", "Recall memory (Ctrl+R)", 0, 1, 1, 1},
    {DeskKey::MemoryAdd, "M+", "MemoryAdd", "Add to memory (Ctrl+P)", 0, 2, 1, 1},
    {DeskKey::MemorySubtract, "M\u2212", "MemorySubtract", "Subtract from memory (Ctrl+Q)", 0, 3, 1, 1},
    {DeskKey::ClearTape, "CT", "ClearTape", "Clear tape (Ctrl+T)", 0, 4, 1, 1},
    {DeskKey::Backspace, "\u2190", "Backspace", "Remove the last digit (Backspace)", 0, 5, 1, 1},
    {DeskKey::Digit7, "7", "7", "7", 1, 0, 1, 1},
    {DeskKey::Digit8, "8", "8", "8", 1, 1, 1, 1},
    {DeskKey::Digit9, "9", "9", "9", 1, 2, 1, 1},
    {DeskKey::Divide, "\u00f7", "Divide", "Divide (/)", 1, 3, 1, 1},
    {DeskKey::ClearEntry, "CE", "ClearEntry", "Clear entry (Delete)", 1, 4, 1, 1},
    {DeskKey::Clear, "C", "Clear", "Clear (Escape)", 1, 5, 1, 1},
    {DeskKey::Digit4, "4", "4", "4", 2, 0, 1, 1},
    {DeskKey::Digit5, "5", "5", "5", 2, 1, 1, 1},
    {DeskKey::Digit6, "6", "6", "6", 2, 2, 1, 1},
    {DeskKey::Multiply, "\u00d7", "Multiply", "Multiply (*)", 2, 3, 1, 1},
    {DeskKey::Percent, "%", "Percent", "Percent (%)", 2, 4, 1, 1},
    {DeskKey::ChangeSign, "\u00b1", "ChangeSign", "Change sign (F9)", 2, 5, 1, 1},
    {DeskKey::Digit1, "1", "1", "1", 3, 0, 1, 1},
    {DeskKey::Digit2, "2", "2", "2", 3, 1, 1, 1},
    {DeskKey::Digit3, "3", "3", "3", 3, 2, 1, 1},
    {DeskKey::Subtract, "\u2212", "Subtract", "Subtract (-)", 3, 3, 1, 1},
    {DeskKey::Equals, "=", "Equals", "Equals (Enter)", 3, 4, 2, 2},
    {DeskKey::Digit0, "0", "0", "0", 4, 0, 1, 2},
    {DeskKey::Point, ".", "Point", "Decimal point (.)", 4, 2, 1, 1},
    {DeskKey::Add, "+", "Add", "Add (+)", 4, 3, 1, 1},
};

// Blank paper left of the tape's lines and right of the widest one.
constexpr int kTapeMargin = 4;

constexpr int kKeysTop = 146, kKeyWidth = 31, kKeyHeight = 19, kColumnGap = 4, kRowGap = 3, kLeft = 4;

// The key a typed key stands for, or -1.
int keyFor(const QKeyEvent& e) {
  if (e.modifiers() & Qt::ControlModifier) {
    switch (e.key()) {
      case Qt::Key_P: return static_cast<int>(DeskKey::MemoryAdd);
      case Qt::Key_Q: return static_cast<int>(DeskKey::MemorySubtract);
      case Qt::Key_R: return static_cast<int>(DeskKey::MemoryRecall);
      case Qt::Key_L: return static_cast<int>(DeskKey::MemoryClear);
      case Qt::Key_T: return static_cast<int>(DeskKey::ClearTape);
      default: return -1;
    }
  }
  switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return static_cast<int>(DeskKey::Equals);
    case Qt::Key_Escape: return static_cast<int>(DeskKey::Clear);
    case Qt::Key_Delete: return static_cast<int>(DeskKey::ClearEntry);
    case Qt::Key_Backspace: return static_cast<int>(DeskKey::Backspace);
    case Qt::Key_F9: return static_cast<int>(DeskKey::ChangeSign);
    default: break;
  }
  const QString text = e.text();
  if (text.size() != 1) return -1;
  const QChar c = text[0];
  if (c >= '0' && c <= '9') return static_cast<int>(DigitKey(c.digitValue()));
  switch (c.unicode()) {
    case '.':
    case ',': return static_cast<int>(DeskKey::Point);
    case '+': return static_cast<int>(DeskKey::Add);
    case '-': return static_cast<int>(DeskKey::Subtract);
    case '*':
    case 'x':
    case 'X': return static_cast<int>(DeskKey::Multiply);
    case '/': return static_cast<int>(DeskKey::Divide);
    case '=': return static_cast<int>(DeskKey::Equals);
    case '%': return static_cast<int>(DeskKey::Percent);
    default: return -1;
  }
}

}  // namespace

// ---- paper tape ----------------------------------------------------------------------------

TTapeView::TTapeView(const DeskCalculator& model, QWidget* parent) : QAbstractScrollArea(parent), model_(model) {
  setObjectName("Tape");
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setFont(CourierFont(13));
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text, Qt::black);
  viewport()->setPalette(pal);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setAccessibleName("Paper tape");
}

int TTapeView::LineHeight() const { return QFontMetrics(viewport()->font()).lineSpacing(); }
int TTapeView::VisibleLines() const { return std::max(1, viewport()->height() / LineHeight()); }
int TTapeView::FirstVisibleLine() const { return verticalScrollBar()->value(); }

void TTapeView::updateRange() {
  const int lines = static_cast<int>(model_.Tape().size());
  verticalScrollBar()->setRange(0, std::max(0, lines - VisibleLines()));
  verticalScrollBar()->setPageStep(VisibleLines());
  verticalScrollBar()->setSingleStep(1);
}

void TTapeView::Refresh() {
  updateRange();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  viewport()->update();
}

void TTapeView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
  updateRange();
  if (atEnd) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TTapeView::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.setFont(viewport()->font());
  p.setPen(Qt::black);
  const auto& tape = model_.Tape();
  const int h = LineHeight();
  const int ascent = QFontMetrics(viewport()->font()).ascent();
  // The newest lines sit at the bottom of the paper, as they come out of the machine.
  const int lines = static_cast<int>(tape.size());
  const int first = FirstVisibleLine();
  const int shown = std::min(VisibleLines(), lines - first);
  const int top = viewport()->height() - shown * h - 2;
  const QFontMetrics metrics(viewport()->font());
  const int room = viewport()->width() - kTapeMargin;
  for (int i = 0; i < shown; ++i) {
    const QString line = QString::fromStdString(tape[first + i].Text());
    const int baseline = top + i * h + ascent;
    const int width = metrics.horizontalAdvance(line);
    if (kTapeMargin + width <= room) {
      p.drawText(QPoint(kTapeMargin, baseline), line);
      continue;
    }
    // The widest numbers with their mark (a negative 15-digit amount) are a little wider
    // than the paper beside the scroll bar: squeeze the line rather than cut its end.
    p.save();
    p.translate(1, baseline);
    p.scale(static_cast<qreal>(viewport()->width() - 2) / width, 1);
    p.drawText(QPoint(0, 0), line);
    p.restore();
  }
}

// ---- the control -----------------------------------------------------------------------------

DeskKeyGroup TDeskCalculator::GroupOf(DeskKey key) {
  switch (key) {
    case DeskKey::Add:
    case DeskKey::Subtract:
    case DeskKey::Multiply:
    case DeskKey::Divide:
    case DeskKey::Equals: return DeskKeyGroup::Operator;
    case DeskKey::Percent:
    case DeskKey::ChangeSign:
    case DeskKey::ClearTape: return DeskKeyGroup::Function;
    case DeskKey::MemoryAdd:
    case DeskKey::MemorySubtract:
    case DeskKey::MemoryRecall:
    case DeskKey::MemoryClear: return DeskKeyGroup::Memory;
    case DeskKey::ClearEntry:
    case DeskKey::Clear:
    case DeskKey::Backspace: return DeskKeyGroup::Edit;
    default: return DeskKeyGroup::Number;
  }
}

QColor TDeskCalculator::GroupColour(DeskKeyGroup group) {
  switch (group) {
    case DeskKeyGroup::Number: return Qt::blue;
    case DeskKeyGroup::Operator:
    case DeskKeyGroup::Memory: return Qt::red;
    case DeskKeyGroup::Function: return kNavy;
    case DeskKeyGroup::Edit: return QColor(128, 0, 0);
  }
  return Qt::black;
}

TDeskCalculator::TDeskCalculator(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Desk calculator");
  tape_ = new TTapeView(model_, this);
  tape_->setGeometry(4, 4, 206, 100);

  for (const KeySpec& spec : kKeys) {
    auto* b = new QPushButton(QString::fromUtf8(spec.caption), this);
    b->setObjectName(QString("btnKey") + spec.name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFont(ArialFont(spec.key == DeskKey::Equals ? 16 : 12, true));
    b->setToolTip(spec.hint);
    b->setAccessibleName(spec.hint);
    QPalette pal = b->palette();
    pal.setColor(QPalette::Active, QPalette::ButtonText, GroupColour(GroupOf(spec.key)));
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, GroupColour(GroupOf(spec.key)));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray);
    b->setPalette(pal);
    b->setGeometry(kLeft + spec.column * (kKeyWidth + kColumnGap), kKeysTop + spec.row * (kKeyHeight + kRowGap),
                   spec.columnSpan * kKeyWidth + (spec.columnSpan - 1) * kColumnGap,
                   spec.rowSpan * kKeyHeight + (spec.rowSpan - 1) * kRowGap);
    const DeskKey key = spec.key;
    connect(b, &QPushButton::clicked, this, [this, key] {
      setFocus();
      PressKey(key);
    });
    keys_[static_cast<int>(key)] = b;
  }
  refresh();
}

bool TDeskCalculator::PressKey(DeskKey key) {
  const bool taken = model_.Press(key);
  if (!taken) Beep();
  refresh();
  return taken;
}

QString TDeskCalculator::DisplayText() const { return QString::fromStdString(model_.DisplayText()); }

void TDeskCalculator::refresh() {
  const bool held = model_.MemoryHeld();
  KeyButton(DeskKey::MemoryRecall)->setEnabled(held);
  KeyButton(DeskKey::MemoryClear)->setEnabled(held);
  tape_->Refresh();
  setAccessibleDescription(DisplayText());
  update(DisplayRect());
}

void TDeskCalculator::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    if (model_.Error() == DeskError::None) QGuiApplication::clipboard()->setText(DisplayText());
    else Beep();
    return;
  }
  if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
    tape_->verticalScrollBar()->triggerAction(event->key() == Qt::Key_PageUp ? QAbstractSlider::SliderPageStepSub
                                                                              : QAbstractSlider::SliderPageStepAdd);
    return;
  }
  const int k = keyFor(*event);
  if (k < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  const auto key = static_cast<DeskKey>(k);
  // The key's button shows itself pressed for a moment, as if clicked.
  QPushButton* b = KeyButton(key);
  if (b->isEnabled()) {
    b->setDown(true);
    QTimer::singleShot(100, b, [b] { b->setDown(false); });
  }
  PressKey(key);
  event->accept();
}

void TDeskCalculator::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TDeskCalculator::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TDeskCalculator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = DisplayRect();
  if (hasFocus()) {  // the keys go to the calculator
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(r.adjusted(-2, -2, 1, 1));
  }
  PaintBevel(p, r, Bevel::Lowered);
  PaintBevel(p, r.adjusted(1, 1, -1, -1), Bevel::Lowered);
  const QRect inside = r.adjusted(2, 2, -2, -2);
  p.fillRect(inside, palette().color(QPalette::Base));
  p.setPen(palette().color(QPalette::Text));

  // The small line above the number: the memory sign and the item count.
  const QRect status = inside.adjusted(4, 1, -4, -inside.height() + 12);
  p.setFont(ArialFont(10, true));
  if (model_.MemoryHeld()) p.drawText(status, Qt::AlignLeft | Qt::AlignVCenter, "M");
  p.setFont(ArialFont(10));
  const int items = model_.ItemCount();
  p.drawText(status, Qt::AlignRight | Qt::AlignVCenter, QString("%1 item%2").arg(items).arg(items == 1 ? "" : "s"));

  // The number, in a face small enough to show it whole.
  const QRect numberRect = inside.adjusted(4, 12, -4, 0);
  const QString text = DisplayText();
  int size = 16;
  QFont f = ArialFont(size, true);
  while (size > 8 && QFontMetrics(f).horizontalAdvance(text) > numberRect.width()) f = ArialFont(--size, true);
  p.setFont(f);
  p.drawText(numberRect, Qt::AlignRight | Qt::AlignVCenter, text);
}

}  // namespace zeb
