#include "app/about_dialog.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/prompts.h"

namespace zel {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 ZEL_Editor"));
  setFont(UiFont(9));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(QIcon(PictureFile(QStringLiteral(":/app_icon.svg"))).pixmap(64, 64));
  icon->setFixedSize(64, 64);

  auto* title = new QLabel(kAppTitle, this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont title_font = UiFont(14);
  title_font.setBold(true);
  title->setFont(title_font);

  auto* version = new QLabel(QStringLiteral("Ver. %1.%2.%3")
                                 .arg(ZEL_VERSION_MAJOR)
                                 .arg(ZEL_VERSION_MINOR)
                                 .arg(ZEL_VERSION_PATCH),
                             this);
  version->setObjectName(QStringLiteral("lblVersion"));
  version->setFont(UiFont(11));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  ok->setMinimumWidth(90);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(version);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->addLayout(top);
  layout->addSpacing(16);
  layout->addLayout(buttons);
  setFixedSize(360, 150);
}

}  // namespace zel
