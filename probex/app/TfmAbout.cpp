#include "TfmAbout.h"

#include "ProgramVersion.h"
#include "ScreenCentring.h"
#include "Translation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr auto WebSite = "https://www.kelvara.example/";

QLabel* heading(QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("Ferox"), parent);
  label->setObjectName(QStringLiteral("lblProductName"));
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* logo(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("imgIcon"));
  label->setPixmap(QPixmap(QStringLiteral(":/probex/icon.png")));
  label->setAccessibleName(QStringLiteral("Ferox"));
  return label;
}

}  // namespace

TfmAbout::TfmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("fmAbout"));
  setWindowTitle(QStringLiteral("О программе"));

  auto* versions = new QGridLayout;
  versions->setColumnStretch(1, 1);
  addVersionRow(*versions, 0, QStringLiteral("Версия драйвера:"),
                QStringLiteral("lblDriverVersion"));
  addVersionRow(*versions, 1, QStringLiteral("Версия теста драйвера:"),
                QStringLiteral("lblTestVersion"));

  auto* site =
      new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(QLatin1String(WebSite)), this);
  site->setObjectName(QStringLiteral("lblWebSite"));
  site->setOpenExternalLinks(true);
  site->setTextInteractionFlags(Qt::TextBrowserInteraction);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(heading(this));
  text->addLayout(versions);
  text->addWidget(site);
  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  body->addWidget(logo(this), 0, Qt::AlignTop);
  body->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->addLayout(body);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  Translation::translateForm(*this);
}

void TfmAbout::addVersionRow(QGridLayout& layout, int row, const QString& caption,
                             const QString& name) {
  auto* value = new QLabel(programVersionText(), this);
  value->setObjectName(name);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  value->setFocusPolicy(Qt::StrongFocus);
  auto* label = new QLabel(caption, this);
  label->setBuddy(value);
  layout.addWidget(label, row, 0);
  layout.addWidget(value, row, 1);
}

void TfmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(*this);
}
