#include "TfmReasonCodes.h"

#include "ObjectTag.h"
#include "ScreenCentring.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int ReasonBits = 32;

}  // namespace

TfmReasonCodes::TfmReasonCodes(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FScrollBox(new QScrollArea(this)) {
  setObjectName(QStringLiteral("fmReasonCodes"));
  setWindowTitle(QStringLiteral("Коды причин изменения сведений о ККТ"));
  setModal(true);
  resize(620, 460);

  FScrollBox->setObjectName(QStringLiteral("sbReasons"));
  FScrollBox->setWidgetResizable(true);
  FScrollBox->viewport()->installEventFilter(this);
  auto* reasons = new QWidget;
  auto* reasonsLayout = new QVBoxLayout(reasons);
  reasonsLayout->setSpacing(6);
  for (const ChangeReason& reason : changeReasons()) addReason(reason, reasons);
  reasonsLayout->addStretch();
  FScrollBox->setWidget(reasons);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FScrollBox, 1);
  layout->addWidget(createButtonPanel());
}

void TfmReasonCodes::addReason(const ChangeReason& reason, QWidget* box) {
  // A check box cannot wrap its text, so a word-wrapping label beside it carries the
  // caption; clicking the label toggles the box as clicking the box's own text would.
  const QString caption = changeReasonCaption(reason);
  auto* check = new QCheckBox(box);
  check->setObjectName(QStringLiteral("cbReason%1").arg(reason.number()));
  check->setAccessibleName(caption);
  setTag(check, reason.bit);
  auto* label = new QLabel(caption, box);
  label->setWordWrap(true);
  label->setBuddy(check);
  label->installEventFilter(this);

  auto* row = new QHBoxLayout;
  row->addWidget(check, 0, Qt::AlignTop);
  row->addWidget(label, 1);
  qobject_cast<QVBoxLayout*>(box->layout())->addLayout(row);
}

QWidget* TfmReasonCodes::createButtonPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("pnlButtons"));
  auto* ok = new QPushButton(QStringLiteral("OK"), panel);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QHBoxLayout(panel);
  layout->addStretch();
  layout->addWidget(ok);
  return panel;
}

QList<QCheckBox*> TfmReasonCodes::reasonBoxes() const {
  return FScrollBox->widget()->findChildren<QCheckBox*>();
}

void TfmReasonCodes::SetCode(ChangeReasonSet code) {
  const QList<QCheckBox*> boxes = reasonBoxes();
  for (int bit = 0; bit < ReasonBits; ++bit) {
    const auto box = std::find_if(boxes.begin(), boxes.end(),
                                  [bit](const QCheckBox* b) { return tagOf(b) == bit; });
    if (box != boxes.end()) (*box)->setChecked(code & (ChangeReasonSet(1) << bit));
  }
}

ChangeReasonSet TfmReasonCodes::GetCode() const {
  ChangeReasonSet code = 0;
  for (const QCheckBox* box : reasonBoxes()) {
    const int bit = tagOf(box);
    if (box->isChecked() && bit >= 0 && bit < ReasonBits) code |= ChangeReasonSet(1) << bit;
  }
  return code;
}

bool TfmReasonCodes::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FScrollBox->viewport() && event->type() == QEvent::Wheel)
    return scrollByWheel(event);
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (auto* box = qobject_cast<QCheckBox*>(label->buddy())) box->click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TfmReasonCodes::scrollByWheel(QEvent* event) {
  const auto* wheel = static_cast<QWheelEvent*>(event);
  const QPoint angle = wheel->angleDelta();
  const int amount = angle.y() != 0 ? angle.y() : angle.x();
  QScrollBar* bar = wheel->modifiers() & Qt::ShiftModifier ? FScrollBox->horizontalScrollBar()
                                                           : FScrollBox->verticalScrollBar();
  bar->setValue(bar->value() - amount);
  return true;
}

void TfmReasonCodes::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(*this);
}
